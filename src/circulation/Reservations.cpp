#include "circulation/Reservations.h"

#include "db/Keys.h"
#include "platform/Dialogs.h"

#include <QStringList>

namespace zentar::circulation::reservations {

namespace {

QString withoutFirstApostrophe(QString text)
{
    const int at = text.indexOf(QLatin1Char('\''));
    if (at >= 0)
        text.remove(at, 1);
    return text;
}

} // namespace

int nextId(db::Connection& db)
{
    return db::nextKey(db, QStringLiteral("elojegyz"), QStringLiteral("id"));
}

std::optional<QString> takeAnnouncement(db::Connection& db, const QString& readerBarcode)
{
    const QString code = readerBarcode.trimmed().isEmpty() ? QStringLiteral("0") : readerBarcode;
    const QList<QVariantMap> rows
        = db.rows(QStringLiteral("select id, cim, vissza from elojegyz where olvkod = ? "
                                 "order by case when vissza = '1' then 0 else 1 end, datum, id"),
            { code });
    if (rows.isEmpty())
        return std::nullopt;
    const QVariantMap& first = rows.first();
    db::Transaction transaction(db);
    db.exec(QStringLiteral("delete from elojegyz where id = ?"), { first.value(QStringLiteral("id")) });
    const bool moreCameBack
        = rows.size() > 1 && rows.at(1).value(QStringLiteral("vissza")).toString() == QLatin1String("1");
    if (!moreCameBack && !readerBarcode.trimmed().isEmpty())
        db.exec(QStringLiteral("update olvaso set elojegyz = '0' where vonalkod = ?"), { readerBarcode });
    transaction.commit();
    return QStringLiteral("Az olvasó előjegyezte a(z) %1 című könyvet!")
        .arg(first.value(QStringLiteral("cim")).toString());
}

std::optional<Reservation> forLoanTitle(db::Connection& db, const QString& loanTitle)
{
    if (loanTitle.trimmed().isEmpty())
        return std::nullopt;
    QStringList titles;
    for (const QString& t : { loanTitle, loanTitle.left(52) }) {
        for (const QString& v : { t, withoutFirstApostrophe(t) }) {
            if (!titles.contains(v))
                titles << v;
        }
    }
    QString placeholders;
    db::Params params;
    for (const QString& t : titles) {
        placeholders += placeholders.isEmpty() ? QStringLiteral("?") : QStringLiteral(", ?");
        params << t;
    }
    const QList<QVariantMap> rows
        = db.rows(QStringLiteral("select first 1 id, olvkod, cim from elojegyz where cim in (%1) and id > 0 "
                                 "and coalesce(vissza, '0') <> '1' order by datum, id")
                      .arg(placeholders),
            params);
    if (rows.isEmpty())
        return std::nullopt;
    const QVariantMap& row = rows.first();
    return Reservation { row.value(QStringLiteral("id")).toInt(), row.value(QStringLiteral("olvkod")).toString(),
        row.value(QStringLiteral("cim")).toString() };
}

QString question(const Reservation& reservation)
{
    return QStringLiteral("A(z) %1 című dokumentumot\n előjegyezte: %2\nEz az a dokumentum?")
        .arg(reservation.title, reservation.readerBarcode);
}

void confirmReturned(db::Connection& db, const Reservation& reservation)
{
    db::Transaction transaction(db);
    db.exec(QStringLiteral("update elojegyz set vissza = '1' where id = ?"), { reservation.id });
    if (!reservation.readerBarcode.trimmed().isEmpty())
        db.exec(QStringLiteral("update olvaso set elojegyz = '1' where vonalkod = ?"), { reservation.readerBarcode });
    transaction.commit();
}

bool checkLoanTitle(db::Connection& db, platform::Dialogs& dialogs, const QString& loanTitle)
{
    const auto reservation = forLoanTitle(db, loanTitle);
    if (!reservation || !dialogs.confirm(question(*reservation)))
        return false;
    confirmReturned(db, *reservation);
    return true;
}

} // namespace zentar::circulation::reservations
