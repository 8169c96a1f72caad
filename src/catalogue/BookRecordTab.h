#pragma once

#include "catalogue/BookSearch.h"
#include "catalogue/BookShared.h"
#include "platform/DataForm.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar::catalogue::book {

// "Bibliográfia": the search bar, the record fields bound to konyv, and the record operations
// (save, new, duplicate, Cutter mark, reference, subject and publisher pickers).
class BookRecordTab : public QWidget {
    Q_OBJECT
public:
    BookRecordTab(BookShared& shared, QWidget* parent = nullptr);

    platform::DataForm& form() { return form_; }
    QComboBox* criterion() const { return criterion_; }
    QLineEdit* searchText() const { return searchText_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* saveButton() const { return save_; }
    QComboBox* subjectPicker() const { return subjectPicker_; }
    QComboBox* publisherPicker() const { return publisherPicker_; }

    void search();
    void step(bool forward);
    void newRecord();
    // Saves the record; false when nothing was written.
    bool save();
    void duplicate();
    void runCutter();
    void printCard();
    void appendReference();
    void pickSubject(const QString& separator);
    void addSubjectToList();
    void addPublisherToList();
    void takePublisher();
    // Fills the language, owner-independent pickers from their tables.
    void fillPickers();
    // The tab shown again after another: the record back in edit state, the cursor in the search.
    void reenter();

signals:
    // A new record was started (the copy set closes).
    void recordStarted();
    // Asks the window to scroll to its top.
    void scrollTop();

private:
    void buildFields(QGridLayout* grid);
    void showRecord();

    BookShared& shared_;
    BookSearch search_;
    platform::DataForm form_;
    QComboBox* criterion_;
    QLineEdit* searchText_;
    QLabel* count_;
    QPushButton* save_ = nullptr;
    QComboBox* subjectPicker_ = nullptr;
    QComboBox* publisherPicker_ = nullptr;
    QWidget* publisherRow_ = nullptr;
};

} // namespace zentar::catalogue::book
