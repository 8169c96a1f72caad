#include "catalogue/RecordIndex.h"

#include "catalogue/BulkInsert.h"
#include "catalogue/CodeLists.h"
#include "db/Keys.h"

namespace zentar::catalogue {

namespace {

constexpr int kEntryLength = 30;
const QString kReferenceArrow = QStringLiteral("-->");

QString text(const QVariantMap& record, const char* column)
{
    return record.value(QString::fromLatin1(column)).toString();
}

void insertRows(
    db::Connection& db, const QString& sql, int firstKey, int id, const QString& doktipus, const QStringList& forms)
{
    BulkInsert insert(db, sql);
    int key = firstKey;
    for (const QString& form : forms)
        insert.run({ key++, doktipus, id, form });
}

const QString kInsertAuthor = QStringLiteral("insert into kszerzo (sorszam, doktipus, id, szerzo) values (?, ?, ?, ?)");
const QString kInsertTitle = QStringLiteral("insert into kcim (sorszam, doktipus, id, cim) values (?, ?, ?, ?)");

} // namespace

QString indexEntry(const QString& piece)
{
    QString entry = piece.left(kEntryLength);
    qsizetype start = 0;
    while (start < entry.size() && (entry.at(start).isSpace() || entry.at(start) == QLatin1Char('[')))
        ++start;
    qsizetype end = entry.size();
    while (end > start && (entry.at(end - 1).isSpace() || entry.at(end - 1) == QLatin1Char('#')))
        --end;
    return entry.mid(start, end - start);
}

QStringList indexEntries(const QString& field)
{
    QStringList entries;
    for (const QString& piece : field.split(QLatin1Char('#'))) {
        const QString entry = indexEntry(piece);
        if (!entry.isEmpty())
            entries << entry;
    }
    return entries;
}

void IndexForms::add(const QString& form, bool skipDuplicate)
{
    if (form.isEmpty() || (skipDuplicate && forms_.contains(form)))
        return;
    forms_ << form;
}

void IndexForms::addWhole(const QString& text, bool skipDuplicate)
{
    add(text.trimmed(), skipDuplicate);
}

void IndexForms::addEntries(const QString& field)
{
    for (const QString& entry : indexEntries(field))
        add(entry, true);
}

void IndexForms::addReferences(const QString& field, bool headings)
{
    for (const QString& piece : field.split(QLatin1Char('#'))) {
        const qsizetype arrow = piece.indexOf(kReferenceArrow);
        if (arrow < 0)
            continue;
        add(indexEntry(piece.left(arrow)), true);
        if (headings)
            add(indexEntry(piece.mid(arrow + kReferenceArrow.size())), true);
    }
}

void IndexForms::addVolumeTitles(const QString& field)
{
    qsizetype from = 0;
    while (true) {
        const qsizetype open = field.indexOf(QLatin1Char('<'), from);
        if (open < 0)
            return;
        const qsizetype close = field.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0)
            return;
        add(field.mid(open + 1, close - open - 1).left(kEntryLength).trimmed(), false);
        from = close + 1;
    }
}

RecordIndex bookRecordIndex(const QVariantMap& record)
{
    IndexForms authors;
    authors.addWhole(text(record, "szerzo"), true);
    authors.addEntries(text(record, "tft"));
    authors.addEntries(text(record, "mt"));
    authors.addReferences(text(record, "utalo"));

    IndexForms titles;
    for (const char* column : { "fc", "ac", "pc", "pac" })
        titles.addWhole(text(record, column), false);
    for (const char* column : { "sc1", "sc2", "tartmeg" })
        titles.addEntries(text(record, column));
    titles.addVolumeTitles(text(record, "kotet"));
    return { authors.forms(), titles.forms() };
}

void writeRecordIndex(db::Connection& db, int id, const QString& doktipus, const RecordIndex& index)
{
    db::Transaction transaction(db);
    const int firstAuthor = db::nextKey(db, QStringLiteral("kszerzo"), QStringLiteral("sorszam"));
    const int firstTitle = db::nextKey(db, QStringLiteral("kcim"), QStringLiteral("sorszam"));
    const QString own = QStringLiteral(" where id = ? and (doktipus is null or doktipus <> ?)");
    db.exec(QStringLiteral("delete from kszerzo") + own, { id, codes::doktipus::Analytic });
    db.exec(QStringLiteral("delete from kcim") + own, { id, codes::doktipus::Analytic });
    insertRows(db, kInsertAuthor, firstAuthor, id, doktipus, index.authors);
    insertRows(db, kInsertTitle, firstTitle, id, doktipus, index.titles);
    transaction.commit();
}

void rebuildAnalyticIndex(db::Connection& db, int hostId)
{
    db::Transaction transaction(db);
    const int firstAuthor = db::nextKey(db, QStringLiteral("kszerzo"), QStringLiteral("sorszam"));
    const int firstTitle = db::nextKey(db, QStringLiteral("kcim"), QStringLiteral("sorszam"));
    const QString analytic = codes::doktipus::Analytic;
    db.exec(QStringLiteral("delete from kszerzo where id = ? and doktipus = ?"), { hostId, analytic });
    db.exec(QStringLiteral("delete from kcim where id = ? and doktipus = ?"), { hostId, analytic });
    IndexForms authors;
    IndexForms titles;
    for (const QVariantMap& part :
        db.rows(QStringLiteral("select * from kv_an where konyvid = ? order by id"), { hostId })) {
        authors.addWhole(text(part, "szerzo"), false);
        for (const char* column : { "fc", "ac", "pc", "pac", "kiadjel" })
            titles.addWhole(text(part, column), false);
    }
    insertRows(db, kInsertAuthor, firstAuthor, hostId, analytic, authors.forms());
    insertRows(db, kInsertTitle, firstTitle, hostId, analytic, titles.forms());
    transaction.commit();
}

} // namespace zentar::catalogue
