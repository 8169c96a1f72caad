#include "db/Schema.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace zentar::db {

namespace {

QString stripComments(const QString& text)
{
    QString out;
    out.reserve(text.size());
    bool inQuote = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        if (!inQuote && c == QLatin1Char('-') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('-')) {
            while (i < text.size() && text.at(i) != QLatin1Char('\n'))
                ++i;
            out += QLatin1Char('\n');
            continue;
        }
        out += c;
    }
    return out;
}

// Splits at `separator` outside quotes and parentheses.
QStringList splitTopLevel(const QString& text, QChar separator)
{
    QStringList parts;
    QString current;
    bool inQuote = false;
    int depth = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        else if (!inQuote && c == QLatin1Char('('))
            ++depth;
        else if (!inQuote && c == QLatin1Char(')'))
            --depth;
        if (!inQuote && depth == 0 && c == separator) {
            parts << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        parts << current.trimmed();
    return parts;
}

QSet<QString> namesFrom(Connection& connection, const QString& sql, const Params& params = {})
{
    QSet<QString> names;
    QSqlQuery query = connection.exec(sql, params);
    while (query.next())
        names.insert(query.value(0).toString().trimmed().toLower());
    return names;
}

} // namespace

SchemaScript SchemaScript::parse(const QString& text, const QString& origin)
{
    static const QRegularExpression createTable(
        QStringLiteral(R"(^create\s+table\s+(\w+)\s*\((.*)\)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression createIndex(
        QStringLiteral(R"(^create\s+(?:unique\s+)?(?:(?:asc|ascending|desc|descending)\s+)?index\s+(\w+)\s+on\s+(\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression insertInto(QStringLiteral(R"(^insert\s+into\s+(\w+))"),
                                               QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression constraintStart(
        QStringLiteral(R"(^(primary\s+key|unique|constraint|foreign\s+key|check)\b)"),
        QRegularExpression::CaseInsensitiveOption);

    SchemaScript script;
    script.origin = origin;
    for (const QString& raw : splitTopLevel(stripComments(text), QLatin1Char(';'))) {
        const QString statement = raw.simplified();
        if (statement.isEmpty())
            continue;
        if (const auto m = createTable.match(statement); m.hasMatch()) {
            TableDefinition table;
            table.name = m.captured(1).toLower();
            table.createStatement = statement;
            for (const QString& item : splitTopLevel(m.captured(2), QLatin1Char(','))) {
                if (constraintStart.match(item).hasMatch()) {
                    table.constraints << item;
                } else {
                    table.columnNames << item.section(QLatin1Char(' '), 0, 0).toLower();
                    table.columnDefinitions << item;
                }
            }
            script.tables.push_back(table);
        } else if (const auto m = createIndex.match(statement); m.hasMatch()) {
            script.indexes.push_back({m.captured(1).toLower(), m.captured(2).toLower(), statement});
        } else if (const auto m = insertInto.match(statement); m.hasMatch()) {
            script.inserts.emplace_back(m.captured(1).toLower(), statement);
        } else {
            throw DbError(QStringLiteral("Ismeretlen utasítás a sémában (%1): %2").arg(origin, statement));
        }
    }
    return script;
}

void SchemaRegistry::addCompiledScripts()
{
    const QDir dir(QStringLiteral(":/schema"));
    for (const QString& name : dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            addScript(QString::fromUtf8(file.readAll()), name);
    }
}

void SchemaRegistry::addScript(const QString& text, const QString& origin)
{
    scripts_.push_back(SchemaScript::parse(text, origin));
}

void SchemaRegistry::addSeeder(const QString& table, Seeder seeder)
{
    seeders_.emplace_back(table.toLower(), std::move(seeder));
}

QSet<QString> SchemaRegistry::apply(Connection& connection) const
{
    QSet<QString> existingTables =
        namesFrom(connection, QStringLiteral("select rdb$relation_name from rdb$relations "
                                             "where coalesce(rdb$system_flag, 0) = 0"));
    QSet<QString> created;

    for (const SchemaScript& script : scripts_) {
        for (const TableDefinition& table : script.tables) {
            if (!existingTables.contains(table.name)) {
                connection.exec(table.createStatement);
                existingTables.insert(table.name);
                created.insert(table.name);
                continue;
            }
            const QSet<QString> columns = namesFrom(
                connection,
                QStringLiteral("select rdb$field_name from rdb$relation_fields where rdb$relation_name = ?"),
                {table.name.toUpper()});
            for (int i = 0; i < table.columnNames.size(); ++i) {
                if (columns.contains(table.columnNames.at(i)))
                    continue;
                // A column added to a table that already has rows cannot be a key or "not null".
                QString definition = table.columnDefinitions.at(i);
                definition.remove(QRegularExpression(QStringLiteral(R"(\s+(primary\s+key|not\s+null))"),
                                                     QRegularExpression::CaseInsensitiveOption));
                connection.exec(QStringLiteral("alter table %1 add %2").arg(table.name, definition));
            }
        }
    }

    const QSet<QString> existingIndexes =
        namesFrom(connection, QStringLiteral("select rdb$index_name from rdb$indices"));
    for (const SchemaScript& script : scripts_) {
        for (const IndexDefinition& index : script.indexes) {
            if (!existingIndexes.contains(index.name))
                connection.exec(index.createStatement);
        }
    }

    if (!created.isEmpty()) {
        Transaction transaction(connection);
        for (const SchemaScript& script : scripts_) {
            for (const auto& [table, statement] : script.inserts) {
                if (created.contains(table))
                    connection.exec(statement);
            }
        }
        for (const auto& [table, seeder] : seeders_) {
            if (created.contains(table))
                seeder(connection);
        }
        transaction.commit();
    }
    return created;
}

} // namespace zentar::db
