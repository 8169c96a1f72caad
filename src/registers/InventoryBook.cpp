#include "registers/InventoryBook.h"

#include "catalogue/CodeLists.h"
#include "db/DateText.h"
#include "db/Like.h"
#include "platform/TextFile.h"
#include "reports/Formats.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QSqlQuery>

namespace zentar::registers::inventorybook {

namespace codes = catalogue::codes;

namespace {

constexpr int kLocationWidth = 20;

QString text(const QVariantMap& row, const char* column)
{
    return row.value(QString::fromLatin1(column)).toString();
}

std::optional<qint64> wholeNumber(const QString& text)
{
    bool ok = false;
    const qint64 n = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

QDate dateOf(const QVariant& value)
{
    return value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
}

} // namespace

QStringList documentTypes()
{
    using namespace codes::doktipus;
    return { Book, Video, Multimedia, Sound, Thesis, Periodical, OldBook };
}

QString documentTypeAt(int index)
{
    const QStringList types = documentTypes();
    return index >= 0 && index < types.size() ? types.at(index) : codes::doktipus::Book;
}

QStringList listTypeCaptions()
{
    return { QStringLiteral("Könyv"), QStringLiteral("AV (Video)"), QStringLiteral("Multimédia"),
        QStringLiteral("Hangzó (zene, hangoskönyv)"), QStringLiteral("Szakdolgozat, disszertáció"),
        QStringLiteral("Periodika"), QStringLiteral("Régi könyv") };
}

QStringList searchCriteria()
{
    return { QStringLiteral("Szerző"), QStringLiteral("Cím"), QStringLiteral("Leltári szám") };
}

Statement searchStatement(const QString& type, SearchBy by, const QString& text)
{
    Statement s { QStringLiteral("select * from lkonyv where doktipus=? "), { type } };
    switch (by) {
    case SearchBy::Author:
        s.sql += QStringLiteral("and lower(szerzo) like ?");
        s.params << db::likePrefix(text);
        break;
    case SearchBy::Title:
        s.sql += QStringLiteral("and lower(cim) like ?");
        s.params << db::likeSubstring(text);
        break;
    case SearchBy::InventoryNumber:
    case SearchBy::None: {
        // A null value matches no line: a text that is no number finds nothing.
        const auto n = wholeNumber(text);
        s.sql += QStringLiteral("and lszam=?");
        s.params << (n ? QVariant(*n) : QVariant(QMetaType(QMetaType::LongLong)));
        break;
    }
    }
    s.sql += QStringLiteral(" order by lbetu,lszam,id");
    return s;
}

Statement walkStatement(qint64 lszam)
{
    return { QStringLiteral("select * from lkonyv where lszam=? order by lbetu,id"), { lszam } };
}

Statement emptyStatement()
{
    return { QStringLiteral("select * from lkonyv where id is null"), {} };
}

QStringList listCriteria()
{
    return { QStringLiteral("Gyar. nyt."), QStringLiteral("Leltári szám"), QStringLiteral("Törl. nyt.") };
}

QString locationPattern(const QString& location)
{
    if (location.isEmpty() || location == wholeLibrary())
        return {};
    return (location + QLatin1Char('%')).left(kLocationWidth);
}

Statement listStatement(const ListRequest& request)
{
    Statement s { QStringLiteral("select * from lkonyv where doktipus=?"), { request.type } };
    switch (request.by) {
    case ListBy::AccessionLot:
        s.sql += QStringLiteral(" and gynyt=?");
        s.params << request.value;
        break;
    case ListBy::DeletionLot:
        s.sql += QStringLiteral(" and tnyt=?");
        s.params << request.value;
        break;
    case ListBy::InventoryNumber:
        if (request.from) {
            s.sql += QStringLiteral(" and lszam>=?");
            s.params << *request.from;
        }
        if (request.to) {
            s.sql += QStringLiteral(" and lszam<=?");
            s.params << *request.to;
        }
        break;
    }
    const QString pattern = locationPattern(request.location);
    if (!pattern.isEmpty()) {
        s.sql += QStringLiteral(" and lhely like ?");
        s.params << pattern;
    }
    s.sql += request.order == ListOrder::Title ? QStringLiteral(" order by cim,lbetu,lszam")
                                               : QStringLiteral(" order by lbetu,lszam");
    return s;
}

QString Totals::rowsText() const
{
    return QStringLiteral("Találatok száma: %1 db").arg(rows);
}

QString Totals::unitsText() const
{
    return QStringLiteral("Egységszám: %1 db").arg(units);
}

QString Totals::valueText() const
{
    return QStringLiteral("Érték: %1 Ft").arg(reports::decimalText(value));
}

Totals totals(const QList<QVariantMap>& rows)
{
    Totals t;
    t.rows = int(rows.size());
    for (const QVariantMap& row : rows) {
        const qint64 units = row.value(QStringLiteral("egyszam")).toLongLong();
        if (units > 0)
            t.units += units;
        const double price = row.value(QStringLiteral("ar")).toDouble();
        if (price > 0)
            t.value += price;
    }
    return t;
}

QString exportHeader()
{
    return QStringLiteral("doktipus|lbetu|lszam|lszam2|kelet|szerzo|cim|kotet|kiadev|egysszam|szakj|raktj|beszmod|ar|"
                          "pnem|gynyt|lhely");
}

QString exportLine(const QVariantMap& row)
{
    const QDate kelet = dateOf(row.value(QStringLiteral("kelet")));
    const QStringList fields = {
        text(row, "doktipus"),
        text(row, "lbetu"),
        reports::positiveInteger(row.value(QStringLiteral("lszam"))),
        reports::positiveInteger(row.value(QStringLiteral("lszam2"))),
        db::datetext::displayIfAfter(kelet, db::datetext::dueSentinel()),
        text(row, "szerzo"),
        text(row, "cim"),
        text(row, "kotet"),
        text(row, "megjev"),
        reports::positiveInteger(row.value(QStringLiteral("egyszam"))),
        text(row, "szakj"),
        text(row, "raktj"),
        text(row, "beszmod"),
        reports::priceText(row.value(QStringLiteral("ar"))),
        text(row, "pnem"),
        text(row, "gynyt"),
        text(row, "lhely"),
    };
    QString line;
    for (const QString& field : fields)
        line += field + QLatin1Char('|');
    return line;
}

int exportBook(db::Connection& db, const QString& path, QString* error)
{
    platform::TextFileWriter out(path);
    out.writeLine(exportHeader());
    QSqlQuery query = db.exec(QStringLiteral("select * from lkonyv order by doktipus,lbetu,lszam,id"));
    int count = 0;
    while (query.next()) {
        out.writeLine(exportLine(db::rowToMap(query)));
        ++count;
    }
    return out.commit(error) ? count : -1;
}

QString exportDoneMessage(const QString& path)
{
    return QStringLiteral("Kész, az adatok a %1 fájlban találhatók").arg(QDir::toNativeSeparators(path));
}

Statement accessionStatement(int year, const QString& type)
{
    // beszdatum is a text column: a new copy gets the four-digit year; a date typed by hand
    // starts with the year as well ("2024.03.15."), so the year is matched as a prefix.
    return { QStringLiteral(
                 "select distinct konyv.id,szakj,raktj,szerzo,fc,isbn,kotes,konyv.doktipus,lbetu,lszam,lhely "
                 "from konyv,kpld where kpld.beszdatum like ? and konyv.doktipus=? and konyv.id=kpld.id "
                 "order by lbetu,lszam"),
        { QString::number(year) + QLatin1Char('%'), type } };
}

QString accessionLine(const QVariantMap& row)
{
    const QString two = QStringLiteral("  ");
    QString line = text(row, "szakj");
    for (const char* column : { "raktj", "szerzo", "fc" }) {
        const QString value = text(row, column);
        if (!value.isEmpty())
            line += two + value;
    }
    const QString isbn = text(row, "isbn");
    const QString binding = text(row, "kotes");
    if (!isbn.isEmpty()) {
        const int hash = isbn.indexOf(QLatin1Char('#'));
        QString first = QStringLiteral("ISBN ") + (hash < 0 ? isbn : isbn.left(hash));
        const QString second = hash < 0 ? QString() : QStringLiteral("ISBN ") + isbn.mid(hash + 1);
        if (!binding.isEmpty())
            first += QStringLiteral("    ") + binding;
        if (first.size() > 1)
            line += two + first;
        if (second.size() > 1)
            line += two + second;
    } else if (!binding.isEmpty()) {
        line += two + binding;
    }
    const QString letter = text(row, "lbetu");
    if (!letter.isEmpty())
        line += two + letter;
    const QString number = reports::positiveInteger(row.value(QStringLiteral("lszam")));
    if (!number.isEmpty())
        line += two + number;
    const QString location = text(row, "lhely");
    if (!location.isEmpty())
        line += two + location;
    return line;
}

QString accessionCountText(int count)
{
    return QStringLiteral("Beszerzett dokumentumok száma: %1").arg(count);
}

QString accessionDoneMessage(const QString& path)
{
    return QStringLiteral("A gyarapodási jegyzék elkészült.\nLista a \"%1\" file-ba elmentve!")
        .arg(QDir::toNativeSeparators(path));
}

QStringList Breakdown::headings() const
{
    return { QStringLiteral("Lelőhely"), QStringLiteral("db") };
}

QList<QStringList> Breakdown::cells() const
{
    QList<QStringList> out;
    for (const LocationCount& l : locations)
        out << QStringList { l.name, QString::number(l.units) };
    out << QStringList { QStringLiteral("Összesen:"), QString::number(total) };
    return out;
}

Statement breakdownStatement(int year)
{
    return { QStringLiteral("select * from lkonyv where gynyt like ?"),
        { QString::number(year) + QStringLiteral("/%") } };
}

Breakdown locationBreakdown(const QStringList& names, const QList<QVariantMap>& lines)
{
    Breakdown b;
    for (const QString& name : names)
        b.locations << LocationCount { name, 0 };
    for (const QVariantMap& line : lines) {
        const QString location = text(line, "lhely");
        const qint64 units = line.value(QStringLiteral("egyszam")).toLongLong();
        if (location.isEmpty() || units <= 0)
            continue;
        const QString key = location.left(kLocationWidth);
        for (LocationCount& l : b.locations) {
            if (!l.name.isEmpty() && l.name == key) {
                l.units += units;
                break;
            }
        }
        b.total += units;
    }
    return b;
}

QStringList locations(db::Connection& db, bool skipEmpty)
{
    QStringList out;
    for (const QVariantMap& row : db.rows(QStringLiteral("select lhely from lhely order by lhely"))) {
        const QString name = row.value(QStringLiteral("lhely")).toString();
        if (!skipEmpty || !name.isEmpty())
            out << name;
    }
    return out;
}

} // namespace zentar::registers::inventorybook
