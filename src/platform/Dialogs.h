#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

namespace zentar::db {
class DbError;
}

namespace zentar::platform {

// The only way the program asks the user anything or tells them something in a box.
// The desktop uses QtDialogs; tests install a scripted facade that records every message and
// answers every question from a queue.
class Dialogs {
public:
    using Button = QMessageBox::StandardButton;
    using Buttons = QMessageBox::StandardButtons;

    virtual ~Dialogs() = default;

    virtual void information(const QString& text, const QString& title = {}) = 0;
    virtual void warning(const QString& text, const QString& title = {}) = 0;
    // The standard error box: database errors and other failures of an operation.
    virtual void error(const QString& text, const QString& title = {}) = 0;
    virtual Button question(const QString& text, const QString& title = {},
                            Buttons buttons = Buttons(QMessageBox::Yes | QMessageBox::No),
                            Button defaultButton = QMessageBox::Yes) = 0;
    // The shared delete confirmation: caption "Törlés", "&Igen" / "&Nem". True only on "&Igen".
    virtual bool confirmDelete() = 0;
    // File dialogs; an empty text when the user cancels.
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    // A line of text; nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& label,
                                             const QString& initial = {}) = 0;

    bool confirm(const QString& text, const QString& title = {})
    {
        return question(text, title) == QMessageBox::Yes;
    }
    void showDbError(const db::DbError& error);
};

// Message boxes and file dialogs on the screen, with Hungarian button texts.
class QtDialogs : public Dialogs {
public:
    using DeleteConfirmer = std::function<bool()>;

    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void setDeleteConfirmer(DeleteConfirmer confirmer) { deleteConfirmer_ = std::move(confirmer); }

    void information(const QString& text, const QString& title = {}) override;
    void warning(const QString& text, const QString& title = {}) override;
    void error(const QString& text, const QString& title = {}) override;
    Button question(const QString& text, const QString& title, Buttons buttons, Button defaultButton) override;
    bool confirmDelete() override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& folder, const QString& filter) override;
    std::optional<QString> inputText(const QString& title, const QString& label, const QString& initial) override;

private:
    Button box(QMessageBox::Icon icon, const QString& text, const QString& title, Buttons buttons,
               Button defaultButton);

    QWidget* parent_ = nullptr;
    DeleteConfirmer deleteConfirmer_;
};

// The caption of the program's message boxes when the caller names none.
inline QString applicationTitle() { return QStringLiteral("Zentar"); }

} // namespace zentar::platform
