#pragma once

#include "db/RowSet.h"

#include <QStringList>

namespace zentar::shell {

// Insert, update and delete statements for a reference table. With `key` the row is found by
// its old key; a table without a key (`key` empty) finds the row by all its old values (null
// matching null) and changes one row only, so two equal rows never go together.
void setTableStatements(db::RowSet& rows, const QString& table, const QStringList& columns,
                        const QString& key = {});

} // namespace zentar::shell
