#include "db/Keys.h"

namespace zentar::db {

int nextKey(Connection& connection, const QString& table, const QString& column,
            const QString& condition, const Params& params)
{
    QString sql = QStringLiteral("select max(%1) from %2").arg(column, table);
    if (!condition.isEmpty())
        sql += QStringLiteral(" where ") + condition;
    const QVariant max = connection.scalar(sql, params);
    const qlonglong value = max.isNull() ? 0 : max.toLongLong();
    return value > 0 ? int(value + 1) : 1;
}

} // namespace zentar::db
