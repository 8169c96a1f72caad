#pragma once

#include "db/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

namespace zentar::db {

// Where the database is and who we are to it. A plain file path opens the embedded
// engine; "host:/path/ZENTAR3.FDB" (or "host/port:/path") goes to a Firebird server.
struct ConnectionSettings {
    QString databasePath;
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("tulipfrog");

    bool isRemote() const;
};

// Parameters of one statement: positional ("?") as a list, named (":name") as a map.
using Params = QVariantList;
using NamedParams = QVariantMap;

// The one connection every window shares. Outside a Transaction each statement commits at once.
// Every value reaches the engine as a bound parameter; failures throw DbError.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void open(const ConnectionSettings& settings);
    void close();
    bool isOpen() const;
    const ConnectionSettings& settings() const { return settings_; }

    // Creates an empty UTF8 database at settings.databasePath (the file must not exist).
    static void createDatabase(const ConnectionSettings& settings);

    QSqlQuery exec(const QString& sql, const Params& params = {});
    QSqlQuery execNamed(const QString& sql, const NamedParams& params);
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const Params& params = {});
    // Every row as a map of lower-case column name to value.
    QList<QVariantMap> rows(const QString& sql, const Params& params = {});

    bool inTransaction() const { return transactionDepth_ > 0; }
    void beginTransaction();
    void commit();
    void rollback();

    QSqlDatabase& database() { return db_; }

private:
    QSqlQuery prepare(const QString& sql);
    [[noreturn]] void fail(const QSqlError& error, const QString& sql) const;

    QString name_;
    QSqlDatabase db_;
    ConnectionSettings settings_;
    int transactionDepth_ = 0;
};

// Runs a block in one transaction: committed by commit(), rolled back when left otherwise
// (an exception or an early return), so a multi-row operation never stops half-way.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    void commit();

private:
    Connection& connection_;
    bool done_ = false;
};

// Lower-case column names of the current row of a query, mapped to their values.
QVariantMap rowToMap(const QSqlQuery& query);

} // namespace zentar::db
