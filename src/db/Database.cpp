#include "db/Database.h"

#include <QFileInfo>

namespace zentar::db {

namespace {

void ensureHungarianCollation(Connection& connection)
{
    const QVariant exists = connection.scalar(
        QStringLiteral("select count(*) from rdb$collations where rdb$collation_name = ?"),
        {QString::fromLatin1(kHungarianCollation)});
    if (exists.toInt() == 0) {
        connection.exec(QStringLiteral("create collation %1 for UTF8 from UNICODE 'LOCALE=hu_HU'")
                            .arg(QString::fromLatin1(kHungarianCollation)));
    }
    const QString current =
        connection
            .scalar(QStringLiteral("select rdb$default_collate_name from rdb$character_sets "
                                   "where rdb$character_set_name = 'UTF8'"))
            .toString()
            .trimmed();
    if (current.compare(QString::fromLatin1(kHungarianCollation), Qt::CaseInsensitive) != 0) {
        connection.exec(QStringLiteral("alter character set UTF8 set default collation %1")
                            .arg(QString::fromLatin1(kHungarianCollation)));
    }
}

} // namespace

bool openLibraryDatabase(Connection& connection, const ConnectionSettings& settings,
                         const SchemaRegistry& registry)
{
    bool created = false;
    if (!settings.isRemote() && !QFileInfo::exists(settings.databasePath)) {
        Connection::createDatabase(settings);
        created = true;
    }
    try {
        connection.open(settings);
    } catch (const DbError& openError) {
        // A server path whose database does not exist yet: try to create it there.
        if (!settings.isRemote())
            throw;
        try {
            Connection::createDatabase(settings);
        } catch (const DbError&) {
            throw openError;
        }
        created = true;
        connection.open(settings);
    }
    ensureHungarianCollation(connection);
    registry.apply(connection);
    return created;
}

} // namespace zentar::db
