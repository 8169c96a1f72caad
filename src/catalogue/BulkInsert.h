#pragma once

#include "db/Connection.h"

#include <QSqlError>
#include <QSqlQuery>

namespace zentar::catalogue {

// One insert statement prepared once and run for many rows (reference tables, loaded files).
// Meant to run inside a db::Transaction: a failing row throws db::DbError.
class BulkInsert {
public:
    BulkInsert(db::Connection& connection, const QString& sql)
        : sql_(sql)
        , query_(connection.database())
    {
        if (!query_.prepare(sql))
            fail();
    }

    void run(const db::Params& values)
    {
        for (int i = 0; i < values.size(); ++i)
            query_.bindValue(i, values.at(i));
        if (!query_.exec())
            fail();
    }

private:
    [[noreturn]] void fail() const
    {
        const QSqlError error = query_.lastError();
        QString message = error.databaseText().trimmed();
        throw db::DbError(message.isEmpty() ? error.text() : message, sql_);
    }

    QString sql_;
    QSqlQuery query_;
};

} // namespace zentar::catalogue
