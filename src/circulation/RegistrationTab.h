#pragma once

#include "circulation/CirculationSession.h"
#include "circulation/Readers.h"
#include "db/RowSet.h"
#include "platform/DataForm.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar::platform {
class AppContext;
}

namespace zentar::circulation {

class ChoiceGroup;

// "Beiratkozás": finding, showing, registering, renewing, editing and deleting readers. The reader
// loaded here is the reader of every other tab of the circulation window.
class RegistrationTab : public QWidget {
    Q_OBJECT
public:
    RegistrationTab(platform::AppContext& context, const CirculationSession& session, QWidget* parent = nullptr);

    db::RowSet& rows() { return rows_; }
    platform::DataForm& form() { return form_; }
    ChoiceGroup* choice(const QString& column) const;

    // The loaded reader as stored (empty when none), and whether it may borrow (has a barcode).
    QVariantMap reader() const;
    bool hasReader() const { return rows_.currentIndex() >= 0 && !isNew_; }
    bool readerSelected() const { return selected_; }
    const readers::ReaderFacts& facts() const { return facts_; }
    bool isNewReader() const { return isNew_; }

    // The operations of the buttons.
    void search();
    // A search with the given criterion and text (the lending tab's reader search).
    void searchFor(readers::SearchBy by, const QString& text, int nameLength);
    // Reads the loaded reader again and shows it (after lending changed its row).
    void reloadReader();
    void previous();
    void next();
    void newReader();
    bool save();
    void registerForYear();
    void remove();
    void startBarcodeChange();
    void saveBarcodeChange();
    void cancelBarcodeChange();
    void printCard();
    void showHelp();
    void showBarcodeHelp();
    // The reader card's lines of the loaded reader.
    QList<readers::CardLine> cardLines() const;

    // Leaving fields.
    void nameLeft();
    void barcodeLeft();
    void newBarcodeLeft();
    // Address 0: permanent (Település 1), 1: temporary (Település 2).
    void townLeft(int address);
    void postalCodeLeft(int address);

signals:
    // A reader was shown (after a search, a step or a save); the other tabs follow.
    void readerShown();
    // A search found a reader: the visit of the day is recorded by lending's bookkeeping.
    void readerFound();
    // No reader is loaded any more.
    void readerCleared();

private:
    void buildForm(QWidget* fieldsPage);
    void showReader();
    void clearReader();
    void step(int direction);
    void loadChoices();
    void updateFee();
    void setReaderButtons(bool enabled);
    bool writeReader();
    QString department() const;
    void failed(const db::DbError& error);

    platform::AppContext& context_;
    const CirculationSession& session_;
    db::RowSet rows_;
    platform::DataForm form_;
    std::array<ChoiceGroup*, 4> choices_ {};
    QComboBox* searchBy_ = nullptr;
    QLineEdit* searchText_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* newReader_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* register_ = nullptr;
    QPushButton* barcodeChange_ = nullptr;
    QLineEdit* fee_ = nullptr;
    QLabel* newBarcodeLabel_ = nullptr;
    QLineEdit* newBarcode_ = nullptr;
    QPushButton* newBarcodeSave_ = nullptr;
    QPushButton* newBarcodeCancel_ = nullptr;
    QPushButton* newBarcodeHelp_ = nullptr;
    readers::ReaderFacts facts_;
    std::array<QString, 2> missingTown_;
    bool isNew_ = false;
    bool selected_ = false;
};

} // namespace zentar::circulation
