#include "catalogue/BookRecords.h"

#include "catalogue/RecordIndex.h"
#include "db/Keys.h"
#include "db/RowSet.h"

namespace zentar::catalogue::book {

void BookRecords::rebuildIndex(int id, const QVariantMap& record)
{
    writeRecordIndex(s_.db, id, s_.docType, bookRecordIndex(record));
}

QString BookRecords::save(db::RowSet& records)
{
    if (records.value(QStringLiteral("fc")).toString().trimmed().isEmpty())
        return titleRequiredMessage();
    if (records.state() == db::RowSet::State::Insert) {
        records.setValue(QStringLiteral("id"), db::nextKey(s_.db, QStringLiteral("konyv"), QStringLiteral("id")));
        records.setValue(QStringLiteral("doktipus"), s_.docType);
        records.setValue(QStringLiteral("kvtaros1"), s_.librarian);
        records.setValue(QStringLiteral("rdatum"), s_.today);
    } else {
        if (records.value(QStringLiteral("doktipus")).toString().isEmpty())
            records.setValue(QStringLiteral("doktipus"), s_.docType);
        records.setValue(QStringLiteral("kvtaros2"), s_.librarian);
        records.setValue(QStringLiteral("mdatum"), s_.today);
    }
    records.apply();
    const QVariantMap row = records.rowAt(records.currentIndex());
    rebuildIndex(row.value(QStringLiteral("id")).toInt(), row);
    return {};
}

QStringList BookRecords::duplicatedColumns()
{
    return QStringLiteral("szakj,raktj,szerzo,kiegadat,fc,ac,pc,pac,szerad,kiadjel,kiadas,kiadev,nyomda,ter,sc1,"
                          "issn,sc2,sorszam,megj,tartmeg,isbn,kotes,ar,tmt,kotet,eto,tft,tszo,mt,utalo")
        .split(QLatin1Char(','));
}

int BookRecords::duplicate(const QVariantMap& record, const QString& language)
{
    QVariantMap row;
    for (const QString& column : duplicatedColumns())
        row.insert(column, record.value(column));
    db::Transaction transaction(s_.db);
    const int id = db::nextKey(s_.db, QStringLiteral("konyv"), QStringLiteral("id"));
    row.insert(QStringLiteral("id"), id);
    row.insert(QStringLiteral("doktipus"), s_.docType);
    row.insert(QStringLiteral("kvtaros1"), s_.librarian);
    row.insert(QStringLiteral("rdatum"), s_.today);
    if (!language.isEmpty())
        row.insert(QStringLiteral("nyelv"), language);
    s_.db.execNamed(insertStatement(QStringLiteral("konyv"), row.keys()), row);
    rebuildIndex(id, row);
    transaction.commit();
    return id;
}

void BookRecords::saveAnalytic(db::RowSet& analytics, int hostId)
{
    if (analytics.state() == db::RowSet::State::Insert)
        analytics.setValue(QStringLiteral("id"), db::nextKey(s_.db, QStringLiteral("kv_an"), QStringLiteral("id")));
    analytics.setValue(QStringLiteral("konyvid"), hostId);
    analytics.setValue(QStringLiteral("datum"), s_.today);
    analytics.setValue(QStringLiteral("kvtaros"), s_.librarian);
    analytics.apply();
    // All the host's analytic rows are rewritten from kv_an, so saving a part again replaces its
    // rows instead of adding a second set; the host's own save leaves these rows alone.
    // A failing rebuild keeps the old rows (it is one transaction); saving again repairs it.
    rebuildAnalyticIndex(s_.db, hostId);
}

bool BookRecords::addSubject(const QString& text)
{
    if (text.trimmed().isEmpty())
        return false;
    if (s_.db.scalar(QStringLiteral("select count(*) from targyszo where targyszo = ?"), {text}).toInt() > 0)
        return false;
    s_.db.exec(QStringLiteral("insert into targyszo (id, targyszo) values (?, ?)"),
               {db::nextKey(s_.db, QStringLiteral("targyszo"), QStringLiteral("id")), text});
    return true;
}

bool BookRecords::addPublisher(const QString& text)
{
    if (text.trimmed().isEmpty())
        return false;
    if (s_.db.scalar(QStringLiteral("select count(*) from kiadok where kiado = ?"), {text}).toInt() > 0)
        return false;
    s_.db.exec(QStringLiteral("insert into kiadok (kiado) values (?)"), {text});
    return true;
}

QString BookRecords::appendSubject(const QString& headings, const QString& picked, const QString& separator)
{
    return headings.isEmpty() ? picked : headings + separator + picked;
}

QString BookRecords::appendReference(const QString& references, const QString& author)
{
    return references + QStringLiteral("-->") + author;
}

} // namespace zentar::catalogue::book
