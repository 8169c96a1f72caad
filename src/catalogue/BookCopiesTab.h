#pragma once

#include "catalogue/BookShared.h"
#include "catalogue/CopyRules.h"
#include "platform/DataForm.h"
#include "platform/RowSetGrid.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

namespace zentar::catalogue::book {

// "Pédányadatok": the copies of the record (kpld) with their inventory numbers and barcodes,
// and the hand-edited title and author index rows of the record.
class BookCopiesTab : public QWidget {
    Q_OBJECT
public:
    BookCopiesTab(BookShared& shared, QWidget* parent = nullptr);

    platform::DataForm& form() { return form_; }
    db::RowSet& copies() { return copies_; }
    db::RowSet& titles() { return titles_; }
    db::RowSet& authors() { return authors_; }
    platform::RowSetGrid* titleGrid() const { return titleGrid_; }
    platform::RowSetGrid* authorGrid() const { return authorGrid_; }
    QLabel* countLabel() const { return count_; }
    QSpinBox* multiplyCount() const { return multiplyCount_; }
    QPushButton* saveButton() const { return save_; }

    // The tab becomes active: the record's copies and index rows are loaded.
    void activate();
    // The copy set closes (the first tab shown again, a new record started).
    void close();

    void newCopy();
    void nextNumber();
    // Saves the copy shown (with its inventory-book line); false when nothing was written.
    bool saveCopy();
    void deleteCopy();
    void multiply();
    void step(bool forward);

private:
    void showCount();
    void startFirstCopy();

    BookShared& shared_;
    db::RowSet copies_;
    db::RowSet titles_;
    db::RowSet authors_;
    platform::DataForm form_;
    RecordPanel* panel_;
    QLabel* count_;
    QSpinBox* multiplyCount_;
    QPushButton* save_;
    QList<QWidget*> recordOnly_; // disabled while no stored record is shown
    platform::RowSetGrid* titleGrid_;
    platform::RowSetGrid* authorGrid_;
};

} // namespace zentar::catalogue::book
