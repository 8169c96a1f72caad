#pragma once

#include "db/RowSet.h"

#include <QList>
#include <QString>
#include <QVariantMap>

namespace zentar::platform {
class AppContext;
}

namespace zentar::registers {

// What the tabs of the "Leltárkönyv" window share: the one row set of lkonyv lines that the
// data-entry tab edits and the list tab lists (a list moves the data-entry tab's current line),
// and the document type last used by a search or a list.
struct InventoryBookSession {
    platform::AppContext& context;
    db::RowSet& rows;
    QString lastType;

    QList<QVariantMap> currentRows() const
    {
        QList<QVariantMap> out;
        out.reserve(rows.count());
        for (int i = 0; i < rows.count(); ++i)
            out << rows.rowAt(i);
        return out;
    }
};

// The row set's statements over lkonyv: insert and update of every column but rdatum, delete by
// the key as read.
void setInventoryStatements(db::RowSet& rows);

} // namespace zentar::registers
