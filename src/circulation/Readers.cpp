#include "circulation/Readers.h"

#include "db/DateText.h"
#include "db/Keys.h"
#include "db/Like.h"

namespace zentar::circulation::readers {

namespace {

using db::datetext::display;

QString textOf(const QVariantMap& row, const char* column)
{
    return row.value(QString::fromLatin1(column)).toString().trimmed();
}

QDate dateOf(const QVariantMap& row, const char* column)
{
    const QVariant v = row.value(QString::fromLatin1(column));
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

// A typed number, or nothing when the text is not one (such a search finds nobody).
std::optional<qlonglong> numberOf(const QString& text)
{
    bool ok = false;
    const qlonglong n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(n) : std::nullopt;
}

QString duplicateWarning(db::Connection& db, const QString& heading, const QString& sql, const QString& value)
{
    const QList<QVariantMap> rows = db.rows(sql, { value });
    if (rows.isEmpty())
        return {};
    QString text = heading + QLatin1Char('\n') + QStringLiteral("Az olvasó(k) adata(i): ");
    for (const QVariantMap& row : rows) {
        text += QLatin1Char('\n');
        if (row.value(QStringLiteral("id")).toLongLong() > 0)
            text += QStringLiteral("  ") + row.value(QStringLiteral("id")).toString();
        if (!textOf(row, "anev").isEmpty())
            text += QStringLiteral("  ") + textOf(row, "anev");
        const QString born = db::datetext::displayIfAfter(dateOf(row, "szulido"), db::datetext::birthSentinel());
        if (!born.isEmpty())
            text += QStringLiteral("  ") + born;
    }
    return text;
}

} // namespace

QStringList searchCaptions()
{
    return { QStringLiteral("Vonalkód szerint"), QStringLiteral("Név szerint"), QStringLiteral("Nyilv. szám szerint"),
        QStringLiteral("Sorszám szerint") };
}

Statement search(SearchBy by, const QString& text, int nameLength)
{
    switch (by) {
    case SearchBy::Name:
        return { QStringLiteral("select * from olvaso where lower(nev) like ? order by nev"),
            { db::likePrefix(text, nameLength) } };
    case SearchBy::RegistrationNumber:
    case SearchBy::SerialNumber: {
        const QString column = by == SearchBy::SerialNumber ? QStringLiteral("id") : QStringLiteral("nyilvszam");
        const auto n = numberOf(text);
        if (!n)
            return { QStringLiteral("select * from olvaso where 1 = 0"), {} };
        return { QStringLiteral("select * from olvaso where %1 = ? order by id").arg(column), { *n } };
    }
    case SearchBy::Barcode:
        break;
    }
    return { QStringLiteral("select * from olvaso where vonalkod = ? order by id"), { text } };
}

std::optional<Statement> neighbour(SearchBy by, const QVariant& currentNumber, int direction)
{
    if (by != SearchBy::RegistrationNumber && by != SearchBy::SerialNumber)
        return std::nullopt;
    if (currentNumber.isNull())
        return std::nullopt;
    const qlonglong n = currentNumber.toLongLong();
    if ((direction < 0 && n < 2) || (direction > 0 && n <= 0))
        return std::nullopt;
    const QString column = by == SearchBy::SerialNumber ? QStringLiteral("id") : QStringLiteral("nyilvszam");
    if (direction < 0)
        return Statement { QStringLiteral(
                               "select first 1 * from olvaso where %1 < ? and %1 > 0 order by %1 desc, id desc")
                               .arg(column),
            { n } };
    return Statement { QStringLiteral("select first 1 * from olvaso where %1 > ? order by %1, id").arg(column), { n } };
}

bool registrationExpired(const QDate& registered, const QDate& today)
{
    if (!registered.isValid())
        return false;
    // Last year's number followed by today's month and day: "2023.03.15" on 2024.03.15.
    // Compared as texts, so 29 February works too.
    const QString oneYearAgo = QString::number(today.year() - 1) + db::datetext::compact(today).mid(4);
    return db::datetext::compact(registered) < oneYearAgo;
}

QString saveRefusal(const QString& category, const QString& barcode, const QString& sex)
{
    if (category != registeredMemberCategory() && barcode.trimmed().isEmpty())
        return barcodeRequiredText();
    if (sex != QLatin1String("f") && sex != QLatin1String("n"))
        return sexRequiredText();
    return {};
}

int nextSerialNumber(db::Connection& db)
{
    return db::nextKey(db, QStringLiteral("olvaso"), QStringLiteral("id"));
}

int nextRegistrationNumber(db::Connection& db)
{
    return db::nextKey(db, QStringLiteral("olvaso"), QStringLiteral("nyilvszam"));
}

QString duplicateNameWarning(db::Connection& db, const QString& name)
{
    if (name.trimmed().isEmpty())
        return {};
    return duplicateWarning(db, QStringLiteral("Ilyen nevű olvasó már van az adatbázisban!"),
        QStringLiteral("select id,nyilvszam,anev,szulido from olvaso where nev = ? order by id"), name);
}

QString duplicateBarcodeWarning(db::Connection& db, const QString& barcode)
{
    if (barcode.trimmed().isEmpty())
        return {};
    return duplicateWarning(db, QStringLiteral("Ilyen vonalkódú olvasó már van az adatbázisban!"),
        QStringLiteral("select id,nyilvszam,anev,szulido,vonalkod from olvaso where vonalkod = ? order by id"),
        barcode);
}

int postalCode(db::Connection& db, const QString& town)
{
    if (town.trimmed().isEmpty())
        return 0;
    const QList<QVariantMap> rows
        = db.rows(QStringLiteral("select irszam from irszam where helyseg = ? and irszam > 0"), { town.trimmed() });
    return rows.isEmpty() ? 0 : rows.first().value(QStringLiteral("irszam")).toInt();
}

bool learnPostalCode(db::Connection& db, const QString& town, const QString& code)
{
    const auto number = numberOf(code);
    if (town.trimmed().isEmpty() || !number || *number <= 0 || *number > 999999)
        return false;
    if (postalCode(db, town) > 0)
        return false;
    db.exec(QStringLiteral("insert into irszam (helyseg, irszam) values (?, ?)"), { town.trimmed(), int(*number) });
    return true;
}

QString deleteRefusal(db::Connection& db, const QVariant& serialNumber, const QString& barcode)
{
    if (serialNumber.toLongLong() <= 0)
        return QStringLiteral("Törölni csak azt az olvasót lehet, akinek a sorszáma>0!");
    if (!barcode.trimmed().isEmpty()
        && db.scalar(QStringLiteral("select count(*) from kolcson where olvkod = ?"), { barcode }).toLongLong() > 0)
        return QStringLiteral("Az olvasó nem törölhető, mert kikölcsönzött dokumentumok vannak nála!");
    return {};
}

int moveToNewBarcode(db::Connection& db, const QString& oldBarcode, const QString& newBarcode)
{
    // Loans without a reader code belong to nobody: a reader without a barcode has none.
    if (oldBarcode.trimmed().isEmpty() || newBarcode.trimmed().isEmpty() || oldBarcode == newBarcode)
        return 0;
    const int moved
        = db.scalar(QStringLiteral("select count(*) from kolcson where olvkod = ?"), { oldBarcode }).toInt();
    db.exec(QStringLiteral("update kolcson set olvkod = ? where olvkod = ?"), { newBarcode, oldBarcode });
    db.exec(QStringLiteral("update elojegyz set olvkod = ? where olvkod = ?"), { newBarcode, oldBarcode });
    return moved;
}

QString address(const QVariantMap& reader)
{
    const QString town = textOf(reader, "allvaros");
    const QString street = textOf(reader, "allcim");
    const QString text = street.isEmpty() ? town : town + QStringLiteral(",  ") + street;
    return text.left(50);
}

QString categoryFee(db::Connection& db, const QString& category)
{
    if (category.trimmed().isEmpty())
        return {};
    const QList<QVariantMap> rows = db.rows(QStringLiteral("select tagdij from olvkat where katnev = ?"), { category });
    if (rows.isEmpty())
        return {};
    const QVariant fee = rows.first().value(QStringLiteral("tagdij"));
    return !fee.isNull() && fee.toLongLong() >= 0 ? fee.toString() : QString();
}

ReaderFacts facts(db::Connection& db, const QVariantMap& reader, const QDate& today)
{
    ReaderFacts f;
    f.address = address(reader);
    if (reader.value(QStringLiteral("id")).isNull() || reader.value(QStringLiteral("id")).toLongLong() == 0)
        f.messages << QStringLiteral("Az olvasónak nincs sorszáma!");
    const QString barcode = textOf(reader, "vonalkod");
    f.canBorrow = !barcode.isEmpty();
    if (!f.canBorrow)
        f.messages << QStringLiteral("Az olvasónak nincs vonalkódja!\nÍgy nem kölcsönözhet!");
    if (registrationExpired(dateOf(reader, "beirdatum"), today))
        f.messages << QStringLiteral("Az olvasónak lejárt a beiratkozási ideje");

    const QString category = textOf(reader, "kat");
    if (!category.isEmpty()) {
        const QList<QVariantMap> rows
            = db.rows(QStringLiteral("select tagdij, kolcsdok from olvkat where katnev = ?"), { category });
        if (!rows.isEmpty()) {
            const auto shown
                = [](const QVariant& v) { return !v.isNull() && v.toLongLong() >= 0 ? v.toString() : QString(); };
            f.fee = shown(rows.first().value(QStringLiteral("tagdij")));
            f.loanAllowance = shown(rows.first().value(QStringLiteral("kolcsdok")));
        }
    }

    if (f.canBorrow) {
        const QList<QVariantMap> loans = db.rows(
            QStringLiteral("select lejardatum from kolcson where olvkod = ? order by lejardatum, kolcsdatum, szerzo"),
            { barcode });
        f.loanCount = int(loans.size());
        if (!loans.isEmpty()) {
            const QDate due = dateOf(loans.first(), "lejardatum");
            if (due.isValid() && due < today) {
                f.late = true;
                const int level = reader.value(QStringLiteral("keskod")).toInt();
                const QVariant fee = db.scalar(QStringLiteral("select kesdij from kesed where id = ?"), { level });
                f.lateFee = fee.isNull() ? QString() : fee.toString();
            }
        }
    }
    return f;
}

QList<CardLine> cardLines(const QVariantMap& reader, const QDate& today)
{
    QList<CardLine> lines;
    const auto add = [&lines](const QString& text, bool bold = false) {
        if (!text.trimmed().isEmpty())
            lines << CardLine { text, bold };
    };
    const auto joined = [](const QString& a, const QString& b) {
        if (a.isEmpty())
            return b;
        return b.isEmpty() ? a : a + QStringLiteral("  ") + b;
    };
    add(textOf(reader, "nev"), true);
    const QDate born = dateOf(reader, "szulido");
    add(joined(textOf(reader, "szhely"), born.isValid() && born < today ? display(born) : QString()));
    add(textOf(reader, "anev"));
    add(joined(textOf(reader, "allvaros"), textOf(reader, "allcim")));
    const QDate registered = dateOf(reader, "beirdatum");
    if (registered.isValid() && registered <= today)
        add(QStringLiteral("Beiratkozás dátuma: ") + display(registered));
    return lines;
}

} // namespace zentar::circulation::readers
