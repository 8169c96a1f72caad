#pragma once

#include "db/Connection.h"

namespace zentar::db {

// A new integer key: "select max(column) from table [where condition]" plus 1, or 1 when there is
// no positive key. `condition` may hold "?" placeholders bound from `params` (registers numbered
// per year take the maximum within the year this way). Table and column are program constants.
int nextKey(Connection& connection, const QString& table, const QString& column,
            const QString& condition = {}, const Params& params = {});

} // namespace zentar::db
