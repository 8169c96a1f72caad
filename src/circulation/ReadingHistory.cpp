#include "circulation/ReadingHistory.h"

#include "db/DateText.h"
#include "db/Like.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace zentar::circulation::history {

namespace {

Result run(db::Connection& db, const QString& sql, const db::Params& params)
{
    Result result;
    QSqlQuery query = db.exec(sql, params);
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        result.columns << record.fieldName(i).toLower();
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < record.count(); ++i)
            row << query.value(i);
        result.rows << row;
    }
    result.titleColumn = int(result.columns.indexOf(QStringLiteral("cim")));
    result.dateColumn = int(result.columns.indexOf(QStringLiteral("datum")));
    return result;
}

} // namespace

QStringList readerCaptions()
{
    return { QStringLiteral("Neve"), QStringLiteral("Nyilv. száma"), QStringLiteral("Vonalkódja") };
}

Result ofReader(db::Connection& db, ReaderBy by, const QString& input)
{
    const QString t = input.trimmed();
    QVariant id;
    if (by == ReaderBy::Name) {
        id = db.scalar(QStringLiteral("select first 1 id from olvaso where nev = ? and id > 0 order by id"), { t });
    } else if (by == ReaderBy::Barcode) {
        id = db.scalar(
            QStringLiteral("select first 1 id from olvaso where vonalkod = ? and id > 0 order by id"), { t });
    } else {
        bool ok = false;
        const qlonglong number = t.toLongLong(&ok);
        if (ok)
            id = db.scalar(
                QStringLiteral("select first 1 id from olvaso where nyilvszam = ? and id > 0 order by id"), { number });
    }
    if (!id.isValid() || id.toLongLong() <= 0)
        return run(db, QStringLiteral("select cim, datum, doktipus, dokvkod from kolcsdok where 1 = 0"), {});
    return run(db,
        QStringLiteral(
            "select cim, datum, doktipus, dokvkod from kolcsdok where olvid = ? order by datum desc, id desc"),
        { id });
}

QStringList documentCaptions()
{
    return { QStringLiteral("Vonalkód"), QStringLiteral("Cím") };
}

Result ofDocument(db::Connection& db, DocumentBy by, const QString& input)
{
    if (by == DocumentBy::Barcode)
        return run(db,
            QStringLiteral("select kolcsdok.cim, kolcsdok.datum, olvaso.nev, olvaso.allvaros, olvaso.allcim, "
                           "olvaso.szulido, kolcsdok.olvid, olvaso.id, dokvkod from kolcsdok, olvaso "
                           "where dokvkod = ? and kolcsdok.olvid = olvaso.id order by datum desc, kolcsdok.id desc"),
            { input.trimmed() });
    return run(db,
        QStringLiteral("select cim, datum, nev, allvaros, allcim, szulido, dokvkod, olvid, olvaso.id "
                       "from kolcsdok, olvaso where lower(cim) like ? and kolcsdok.olvid = olvaso.id "
                       "order by datum desc, kolcsdok.id desc"),
        { db::likeSubstring(input.trimmed()) });
}

QStringList monthCaptions()
{
    return { QStringLiteral("Január"), QStringLiteral("Február"), QStringLiteral("Március"), QStringLiteral("Április"),
        QStringLiteral("Május"), QStringLiteral("Június"), QStringLiteral("Július"), QStringLiteral("Augusztus"),
        QStringLiteral("Szeptermber"), QStringLiteral("Október"), QStringLiteral("November"),
        QStringLiteral("December"), QStringLiteral("Év összesen") };
}

Result ofPeriod(db::Connection& db, int year, int month)
{
    const db::DateRange range = month >= 1 && month <= 12 ? db::monthRange(year, month) : db::yearRange(year);
    return run(db,
        QStringLiteral("select kolcsdok.cim, kolcsdok.doktipus, kolcsdok.datum, olvaso.nev, olvaso.allvaros, "
                       "olvaso.allcim, olvaso.szulido, kolcsdok.olvid, olvaso.id from kolcsdok, olvaso "
                       "where datum >= ? and datum < ? and kolcsdok.olvid = olvaso.id "
                       "order by datum desc, kolcsdok.id desc"),
        { range.from, range.until });
}

QList<int> periodColumnWidths()
{
    return { 140, 180, 0, 120, 90, 100, 50, -1 };
}

QStringList lines(const Result& result, int maxLength)
{
    QStringList out;
    for (const QVariantList& row : result.rows) {
        const QString title = result.titleColumn >= 0 ? row.value(result.titleColumn).toString().trimmed() : QString();
        const QVariant d = result.dateColumn >= 0 ? row.value(result.dateColumn) : QVariant();
        const QDate date = d.typeId() == QMetaType::QDateTime ? d.toDateTime().date() : d.toDate();
        const QString line = title + QStringLiteral("  ") + db::datetext::display(date);
        out << (maxLength > 0 ? line.left(maxLength) : line);
    }
    return out;
}

} // namespace zentar::circulation::history
