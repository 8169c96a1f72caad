#pragma once

#include "catalogue/BookShared.h"
#include "platform/DataForm.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentar::catalogue::book {

// "Analitikus": the parts of the record shown (kv_an), each indexed under the host book as
// "Könyv AN" so that a search for a part finds the book.
class BookAnalyticsTab : public QWidget {
    Q_OBJECT
public:
    BookAnalyticsTab(BookShared& shared, QWidget* parent = nullptr);

    platform::DataForm& form() { return form_; }
    db::RowSet& analytics() { return analytics_; }
    QLabel* countLabel() const { return count_; }

    void activate();
    void close();
    void newAnalytic();
    bool saveAnalytic();

private:
    void showCount();

    BookShared& shared_;
    db::RowSet analytics_;
    platform::DataForm form_;
    RecordPanel* panel_;
    QLineEdit* key_;
    QLabel* count_;
    QList<QWidget*> recordOnly_;
};

// "Tárgyszó, kiadó": the subject-heading list and the publisher list.
class BookListsTab : public QWidget {
    Q_OBJECT
public:
    BookListsTab(BookShared& shared, QWidget* parent = nullptr);

    db::RowSet& subjects() { return subjects_; }
    db::RowSet& publishers() { return publishers_; }

    void activate();

private:
    BookShared& shared_;
    db::RowSet subjects_;
    db::RowSet publishers_;
};

} // namespace zentar::catalogue::book
