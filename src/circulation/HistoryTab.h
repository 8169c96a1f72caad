#pragma once

#include "circulation/ReadingHistory.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

namespace zentar::platform {
class AppContext;
}

namespace zentar::circulation {

// "Olvasott dok.": the reading history of a reader, of a document, or of a month or year.
class HistoryTab : public QWidget {
    Q_OBJECT
public:
    explicit HistoryTab(platform::AppContext& context, QWidget* parent = nullptr);

    void searchReader();
    void searchDocument();
    void searchPeriod();
    void print();
    void save();

    const history::Result& result() const { return result_; }

private:
    void show(const history::Result& result, const QList<int>& widths = {});

    platform::AppContext& context_;
    QComboBox* readerBy_;
    QLineEdit* readerText_;
    QComboBox* documentBy_;
    QLineEdit* documentText_;
    QSpinBox* year_;
    QComboBox* month_;
    QLabel* count_;
    QTableWidget* grid_;
    history::Result result_;
};

} // namespace zentar::circulation
