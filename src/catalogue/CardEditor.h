#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class QAction;
class QPrinter;
class QSlider;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;

namespace zentar::platform {
class AppContext;
}

namespace zentar::catalogue {

// "Katalógus cédula szerkesztése, nyomtatása": the rich-text editor in which catalogue cards,
// record displays and reader cards are corrected, formatted, saved (RTF or text) and printed.
// It is the one window other folders open and fill:
//
//   auto* editor = catalogue::CardEditor::open(ctx);      // a new, empty editor, shown
//   editor->addLine(QStringLiteral("Analitika:"), true);  // bold
//   editor->addLine(QStringLiteral("    Főcím ..."));
//
// Every call opens a new window (a top-level window of the program, several may be open); it
// frees itself when closed, and closing discards the text without asking.
class CardEditor : public QMainWindow {
    Q_OBJECT
public:
    enum class Show { Window, Modal };

    // Opens a new editor through the window host. `Modal` blocks the other windows of the program
    // while it is open (the reader card) but returns at once.
    static CardEditor* open(platform::AppContext& context, Show show = Show::Window);

    explicit CardEditor(platform::AppContext& context, QWidget* parent = nullptr);
    ~CardEditor() override;

    // Appends one paragraph in the editor's font, bold or normal.
    void addLine(const QString& line, bool bold = false);
    void addLines(const QStringList& lines);

    QTextEdit* editor() const { return text_; }
    QString plainText() const;
    // The file last opened or saved; empty at first.
    QString fileName() const { return fileName_; }
    bool isModified() const;

    // The menu and tool-bar commands.
    void newDocument();
    void openFile();
    bool save();
    bool saveAs();
    void setUpPrinter();
    void print();
    void showCharacterCount();
    void chooseFont();
    void cutToCardWidth();

private:
    QAction* addAction(const char* name, const QString& text, const QString& hint = {});
    void buildMenus();
    void buildToolBar();
    bool saveTo(const QString& path);
    bool load(const QString& path);
    // Before discarding a changed text: Yes saves, No discards; false on Cancel (or a failed save).
    bool mayDiscard();
    void setFileName(const QString& path);
    void mergeFormat(const QTextCharFormat& format);
    void showFormatOfCursor();

    platform::AppContext& context_;
    QTextEdit* text_;
    QSlider* indent_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    QString fileName_;
    int linesAdded_ = 0;
    bool updatingControls_ = false;
    std::unique_ptr<QPrinter> printer_; // set up through "Nyomtató beállítás"
};

// The catalogue card of a record opened in a new editor: loads the konyv row of `recordId`,
// composes the book card (book, video, multimedia) or the sound-recording card, opens the editor
// with it. Tells the librarian and returns nullptr when the record is not in the database.
CardEditor* openBookCard(platform::AppContext& context, int recordId);
CardEditor* openSoundRecordingCard(platform::AppContext& context, int recordId);
// The same from a row the caller already holds (the fields on the screen).
CardEditor* openBookCard(platform::AppContext& context, const QVariantMap& row);
CardEditor* openSoundRecordingCard(platform::AppContext& context, const QVariantMap& row);

} // namespace zentar::catalogue
