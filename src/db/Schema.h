#pragma once

#include "db/Connection.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace zentar::db {

// One table of a schema script: its column definitions in order, and its table constraints.
struct TableDefinition {
    QString name; // lower case
    QStringList columnNames; // lower case, in order
    QStringList columnDefinitions; // "name type ...", as written
    QStringList constraints; // "primary key (...)" and the like
    QString createStatement;
};

struct IndexDefinition {
    QString name;
    QString table;
    QString createStatement;
};

// A folder's schema.sql, read: "create table", "create [descending] index" and "insert into"
// statements separated by ";", with "--" comments.
struct SchemaScript {
    QString origin;
    std::vector<TableDefinition> tables;
    std::vector<IndexDefinition> indexes;
    std::vector<std::pair<QString, QString>> inserts; // table, statement: run only when the table is created

    static SchemaScript parse(const QString& text, const QString& origin = {});
};

// Every table the program knows, gathered from the folders' schema.sql files (compiled in as
// ":/schema/<folder>.sql") and the code that fills delivered reference rows into new tables.
class SchemaRegistry {
public:
    using Seeder = std::function<void(Connection&)>;

    // Reads every ":/schema/*.sql" resource.
    void addCompiledScripts();
    void addScript(const QString& text, const QString& origin);
    // Runs after the table has been created in this database (after its inserts), in the
    // order the seeders were added. Used for reference rows computed by code.
    void addSeeder(const QString& table, Seeder seeder);

    const std::vector<SchemaScript>& scripts() const { return scripts_; }

    // Creates the missing tables (with their inserts and seeders), adds the missing columns and
    // indexes, and leaves every existing row alone. Returns the tables created.
    QSet<QString> apply(Connection& connection) const;

private:
    std::vector<SchemaScript> scripts_;
    std::vector<std::pair<QString, Seeder>> seeders_;
};

} // namespace zentar::db
