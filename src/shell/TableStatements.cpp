#include "shell/TableStatements.h"

namespace zentar::shell {

void setTableStatements(db::RowSet& rows, const QString& table, const QStringList& columns, const QString& key)
{
    QStringList values;
    QStringList sets;
    QStringList old;
    for (const QString& c : columns) {
        values << QLatin1Char(':') + c;
        sets << QStringLiteral("%1=:%1").arg(c);
        old << QStringLiteral("%1 is not distinct from :old_%1").arg(c);
    }
    const QString where = key.isEmpty() ? old.join(QStringLiteral(" and ")) + QStringLiteral(" rows 1")
                                        : QStringLiteral("%1=:old_%1").arg(key);
    rows.setInsertSql(QStringLiteral("insert into %1 (%2) values (%3)").arg(table, columns.join(QLatin1Char(',')), values.join(QLatin1Char(','))));
    rows.setUpdateSql(QStringLiteral("update %1 set %2 where %3").arg(table, sets.join(QLatin1Char(',')), where));
    rows.setDeleteSql(QStringLiteral("delete from %1 where %2").arg(table, where));
}

} // namespace zentar::shell
