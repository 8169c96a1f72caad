#pragma once

#include "catalogue/BookSession.h"

#include <QVariantMap>

namespace zentar::db {
class RowSet;
}

namespace zentar::catalogue::book {

// The writes of the record tab and the analytic tab: saving a record with its author and title
// index, duplicating it, saving an analytic record with its "Könyv AN" index rows, and adding
// to the subject and publisher lists.
class BookRecords {
public:
    explicit BookRecords(const Session& session) : s_(session) {}

    static QString titleRequiredMessage() { return QStringLiteral("Főcím megadása kötelező!"); }

    // Saves the current row of `records` (inserting when it is a new row): without a title
    // nothing is written and the message comes back; otherwise the key (new rows), the document
    // type and the stamps are set, the row is written and its index rebuilt. Throws db::DbError.
    QString save(db::RowSet& records);

    // The columns "Másol" carries over into the duplicate.
    static QStringList duplicatedColumns();
    // Writes a duplicate of `record` (the duplicated columns; the language when not empty) under
    // a new key, stamped as recorded now, with its document type and index rows. Returns the key.
    int duplicate(const QVariantMap& record, const QString& language);

    // Saves the current analytic record of host `hostId` (a new key for a new one) and rewrites
    // the host's "Könyv AN" index rows from all its analytic records. Throws db::DbError.
    void saveAnalytic(db::RowSet& analytics, int hostId);

    // "Tárgyszólistára tesz" / "Listára ment": true when the text was added (not empty and not
    // yet on the list).
    bool addSubject(const QString& text);
    bool addPublisher(const QString& text);

    // "Kiválaszt #" / "Kiválaszt -": the picked heading appended with the separator.
    static QString appendSubject(const QString& headings, const QString& picked, const QString& separator);
    // "-->": the reference field with "-->" and the author appended.
    static QString appendReference(const QString& references, const QString& author);

private:
    void rebuildIndex(int id, const QVariantMap& record);

    Session s_;
};

} // namespace zentar::catalogue::book
