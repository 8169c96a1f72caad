#pragma once

#include "platform/DataForm.h"
#include "registers/InventoryBook.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentar::registers {

struct InventoryBookSession;

// Tab "Adatbevitel": finds lines by document type and author, title or inventory number, steps
// through the result (or walks the book by inventory number), and edits, adds and deletes lines.
class InventoryEntryTab : public QWidget {
    Q_OBJECT
public:
    InventoryEntryTab(InventoryBookSession& session, QWidget* parent = nullptr);

    // The stored label of the search panel's document type.
    QString documentType() const;
    inventorybook::SearchBy criterion() const;
    bool isNewLine() const { return newLine_; }
    platform::DataForm& form() { return form_; }

    void search();
    void previous() { step(-1); }
    void next() { step(+1); }
    void newLine();
    bool save();
    void remove();

signals:
    void exitRequested();

private:
    void buildForm(QWidget* page);
    void step(int delta);
    void showCount();
    void loadPresence();
    void open(const inventorybook::Statement& statement);

    InventoryBookSession& session_;
    platform::DataForm form_;
    QComboBox* type_;
    QComboBox* criterion_;
    QLineEdit* text_;
    QLabel* count_;
    QRadioButton* present_;
    QRadioButton* missing_;
    QPushButton* save_;
    bool newLine_ = false;
    bool presenceChanged_ = false;
};

} // namespace zentar::registers
