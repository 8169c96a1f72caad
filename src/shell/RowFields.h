#pragma once

#include "db/RowSet.h"

#include <QList>
#include <QObject>

class QComboBox;
class QLineEdit;
class QWidget;

namespace zentar::shell {

// Line edits and combo boxes showing the current row of a row set; typing writes the value
// into the row's edit buffer (an empty text as null). Used by the small list-and-fields tabs.
class RowFields : public QObject {
    Q_OBJECT
public:
    explicit RowFields(db::RowSet& rows, QObject* parent = nullptr);

    // Binds the edit to `column`; the edit's objectName becomes the column name.
    void bind(QLineEdit* edit, const QString& column);
    void bind(QComboBox* box, const QString& column);
    // Shows the current row again (after a move, a save or a new row).
    void load();

private:
    struct Binding {
        QWidget* widget;
        QString column;
    };
    db::RowSet& rows_;
    QList<Binding> bindings_;
    bool loading_ = false;
};

} // namespace zentar::shell
