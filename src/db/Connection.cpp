#include "db/Connection.h"

#include <QAtomicInt>
#include <QDir>
#include <QSqlError>
#include <QSqlRecord>

#include <ibase.h>
#include <unistd.h>

namespace zentar::db {

namespace {

QAtomicInt connectionCounter;

// The embedded engine keeps its lock files in FIREBIRD_LOCK (default /tmp/firebird). A folder
// of the user's own avoids a folder left behind by another user that this one cannot write.
void prepareEmbeddedEngine()
{
    if (qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
        return;
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (base.isEmpty() || !QDir(base).exists())
        base = QDir::tempPath();
    const QString lockDir = base + QStringLiteral("/zentar-firebird-") + QString::number(getuid());
    QDir().mkpath(lockDir);
    qputenv("FIREBIRD_LOCK", lockDir.toLocal8Bit());
}

QString statusText(const ISC_STATUS* status)
{
    QStringList parts;
    char buffer[1024];
    const ISC_STATUS* cursor = status;
    while (fb_interpret(buffer, sizeof buffer, &cursor) > 0)
        parts << QString::fromLocal8Bit(buffer);
    return parts.join(QLatin1Char('\n'));
}

QString quoted(const QString& text)
{
    QString copy = text;
    copy.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + copy + QLatin1Char('\'');
}

} // namespace

bool ConnectionSettings::isRemote() const
{
    // "C:\..." is a Windows drive, "/srv/x.fdb" a local file; "host:/path" names a server.
    const int colon = databasePath.indexOf(QLatin1Char(':'));
    if (colon <= 1)
        return false;
    // The host may carry a port ("host/3051"); a local path starts with "/" or "." instead.
    const QString host = databasePath.left(colon);
    return !host.startsWith(QLatin1Char('/')) && !host.startsWith(QLatin1Char('.'))
        && !host.contains(QLatin1Char('\\'));
}

Connection::Connection()
    : name_(QStringLiteral("zentar-%1").arg(connectionCounter.fetchAndAddRelaxed(1)))
{
}

Connection::~Connection()
{
    close();
}

void Connection::open(const ConnectionSettings& settings)
{
    close();
    if (!settings.isRemote())
        prepareEmbeddedEngine();
    settings_ = settings;
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name_);
    if (!db_.isValid())
        throw DbError(QStringLiteral("A Firebird adatbázis-meghajtó (QIBASE) nem érhető el."));
    db_.setDatabaseName(settings.databasePath);
    db_.setUserName(settings.user);
    db_.setPassword(settings.password);
    db_.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
    if (!db_.open()) {
        const QSqlError error = db_.lastError();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
        QString message = error.databaseText().trimmed();
        if (message.isEmpty())
            message = error.text();
        throw DbError(message);
    }
}

void Connection::close()
{
    if (db_.isValid()) {
        if (db_.isOpen())
            db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(name_);
    }
    transactionDepth_ = 0;
}

bool Connection::isOpen() const
{
    return db_.isValid() && db_.isOpen();
}

void Connection::createDatabase(const ConnectionSettings& settings)
{
    if (!settings.isRemote())
        prepareEmbeddedEngine();
    // DDL cannot take parameters: the path and the credentials are quoted here.
    const QString sql = QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 PAGE_SIZE 16384 "
                                       "DEFAULT CHARACTER SET UTF8")
                            .arg(quoted(settings.databasePath), quoted(settings.user),
                                 quoted(settings.password));
    const QByteArray utf8 = sql.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle handle = 0;
    isc_tr_handle transaction = 0;
    if (isc_dsql_execute_immediate(status, &handle, &transaction, 0, utf8.constData(), SQL_DIALECT_V6,
                                   nullptr)) {
        throw DbError(statusText(status), sql);
    }
    ISC_STATUS_ARRAY detachStatus{};
    isc_detach_database(detachStatus, &handle);
}

QSqlQuery Connection::prepare(const QString& sql)
{
    if (!isOpen())
        throw DbError(QStringLiteral("Nincs adatbázis kapcsolat."), sql);
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError(), sql);
    return query;
}

void Connection::fail(const QSqlError& error, const QString& sql) const
{
    QString message = error.databaseText().trimmed();
    if (message.isEmpty())
        message = error.text();
    throw DbError(message, sql);
}

QSqlQuery Connection::exec(const QString& sql, const Params& params)
{
    QSqlQuery query = prepare(sql);
    for (int i = 0; i < params.size(); ++i)
        query.bindValue(i, params.at(i));
    if (!query.exec())
        fail(query.lastError(), sql);
    return query;
}

QSqlQuery Connection::execNamed(const QString& sql, const NamedParams& params)
{
    QSqlQuery query = prepare(sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!query.exec())
        fail(query.lastError(), sql);
    return query;
}

QVariant Connection::scalar(const QString& sql, const Params& params)
{
    QSqlQuery query = exec(sql, params);
    if (query.next())
        return query.value(0);
    return {};
}

QList<QVariantMap> Connection::rows(const QString& sql, const Params& params)
{
    QSqlQuery query = exec(sql, params);
    QList<QVariantMap> result;
    while (query.next())
        result << rowToMap(query);
    return result;
}

void Connection::beginTransaction()
{
    if (transactionDepth_++ > 0)
        return;
    if (!db_.transaction()) {
        transactionDepth_ = 0;
        fail(db_.lastError(), QStringLiteral("begin transaction"));
    }
}

void Connection::commit()
{
    if (transactionDepth_ == 0)
        return;
    if (--transactionDepth_ > 0)
        return;
    if (!db_.commit())
        fail(db_.lastError(), QStringLiteral("commit"));
}

void Connection::rollback()
{
    if (transactionDepth_ == 0)
        return;
    transactionDepth_ = 0;
    db_.rollback();
}

Transaction::Transaction(Connection& connection) : connection_(connection)
{
    connection_.beginTransaction();
}

Transaction::~Transaction()
{
    if (!done_)
        connection_.rollback();
}

void Transaction::commit()
{
    done_ = true;
    connection_.commit();
}

QVariantMap rowToMap(const QSqlQuery& query)
{
    QVariantMap row;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        row.insert(record.fieldName(i).toLower(), query.value(i));
    return row;
}

} // namespace zentar::db
