// The inventory book's statements, files and printed layouts, checked on a real database.
#include "registers/InventoryBook.h"
#include "reports/Formats.h"
#include "reports/InventoryBookReports.h"
#include "support/TestDatabase.h"

#include <QFile>

using namespace zentar;
namespace ib = zentar::registers::inventorybook;

namespace {

ib::ListRequest request(const QString& type, ib::ListBy by, const QString& value = {})
{
    ib::ListRequest r;
    r.type = type;
    r.by = by;
    r.value = value;
    return r;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InventoryBookTest : public test::DbTest {
protected:
    // Inserts one lkonyv line from column -> value pairs.
    void addLine(const QVariantMap& values)
    {
        QStringList columns;
        QStringList marks;
        QVariantList params;
        for (auto it = values.begin(); it != values.end(); ++it) {
            columns << it.key();
            marks << QStringLiteral("?");
            params << it.value();
        }
        db.exec(QStringLiteral("insert into lkonyv (%1) values (%2)").arg(columns.join(','), marks.join(',')), params);
    }
    QList<QVariantMap> run(const ib::Statement& s) { return db.rows(s.sql, s.params); }
    QList<qint64> numbers(const QList<QVariantMap>& rows)
    {
        QList<qint64> out;
        for (const QVariantMap& row : rows)
            out << row.value("lszam").toLongLong();
        return out;
    }
};

TEST(InventoryBookText, ExportFieldRules)
{
    EXPECT_EQ(ib::exportHeader(),
        "doktipus|lbetu|lszam|lszam2|kelet|szerzo|cim|kotet|kiadev|egysszam|szakj|raktj|beszmod|ar|pnem|gynyt|lhely");
    // Every field empty: seventeen bars.
    EXPECT_EQ(ib::exportLine({}), QString(17, QLatin1Char('|')));
    struct Case {
        const char* column;
        QVariant value;
        const char* field; // what the export writes
    } cases[] = {
        { "ar", QVariant(0.0), "" },
        { "ar", QVariant(QMetaType(QMetaType::Double)), "" },
        { "ar", QVariant(-5.0), "" },
        { "ar", QVariant(1500.0), "1500" },
        { "ar", QVariant(12.5), "12,5" },
        { "kelet", QVariant(QDate(2000, 1, 1)), "" },
        { "kelet", QVariant(QDate(1999, 12, 31)), "" },
        { "kelet", QVariant(QDate(2000, 1, 2)), "2000.01.02." },
        { "lszam", QVariant(0), "" },
        { "lszam", QVariant(42), "42" },
        { "egyszam", QVariant(-1), "" },
    };
    const QStringList order = ib::exportHeader().split('|');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        const QStringList fields = ib::exportLine({ { QString::fromLatin1(c.column), c.value } }).split('|');
        const QString name = QString::fromLatin1(c.column) == "egyszam" ? "egysszam" : QString::fromLatin1(c.column);
        EXPECT_EQ(fields.at(order.indexOf(name)), QString::fromUtf8(c.field));
    }
}

TEST(InventoryBookText, AccessionLineLayout)
{
    struct Case {
        QVariantMap row;
        const char* line;
    } cases[] = {
        { { { "szakj", "894.511" }, { "raktj", "G 24" }, { "szerzo", "Gárdonyi Géza" }, { "fc", "Egri csillagok" },
              { "isbn", "963-11-1234-5" }, { "kotes", "fűzött" }, { "lbetu", "A" }, { "lszam", 12 },
              { "lhely", "Olvasóterem" } },
            "894.511  G 24  Gárdonyi Géza  Egri csillagok  ISBN 963-11-1234-5    fűzött  A  12  Olvasóterem" },
        // No notation: the line begins with two spaces.
        { { { "szakj", "" }, { "raktj", "K 11" }, { "fc", "Cím" } }, "  K 11  Cím" },
        { { { "fc", "Cím" }, { "lszam", 0 } }, "  Cím" },
        // Two ISBNs: two fields; the binding follows the first after four spaces.
        { { { "szakj", "5" }, { "isbn", "963 1#963 2" }, { "kotes", "kötött" } },
            "5  ISBN 963 1    kötött  ISBN 963 2" },
        { { { "szakj", "5" }, { "isbn", "963 1#963 2" } }, "5  ISBN 963 1  ISBN 963 2" },
        // No ISBN: the binding alone.
        { { { "szakj", "5" }, { "kotes", "kötve" }, { "lszam", 3 } }, "5  kötve  3" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ib::accessionLine(c.row), QString::fromUtf8(c.line));
}

TEST(InventoryBookText, DecimalForms)
{
    EXPECT_EQ(reports::decimalText(1500), "1500");
    EXPECT_EQ(reports::decimalText(12.5), "12,5");
    EXPECT_EQ(reports::decimalText(0.1 + 0.2), "0,3");
    EXPECT_EQ(reports::decimalText(123456789.25), "123456789,25");
    EXPECT_EQ(reports::decimalText(0), "0");
}

TEST(InventoryBookText, LocationPatternCutsTheNameWithItsPercentToTwentyCharacters)
{
    const QString nineteen = QStringLiteral("Olvasóterem emelet1"); // 19 characters
    const QString twenty = QStringLiteral("Olvasóterem emelet 1"); // 20
    ASSERT_EQ(nineteen.size(), 19);
    ASSERT_EQ(twenty.size(), 20);
    EXPECT_EQ(ib::locationPattern(QString()), QString());
    EXPECT_EQ(ib::locationPattern(ib::wholeLibrary()), QString());
    EXPECT_EQ(ib::locationPattern("Olvasó"), "Olvasó%");
    EXPECT_EQ(ib::locationPattern(nineteen), nineteen + "%");
    EXPECT_EQ(ib::locationPattern(twenty), twenty);
    EXPECT_EQ(ib::locationPattern(twenty + " hátsó"), twenty);
}

TEST_F(InventoryBookTest, ExportWritesTheWholeBookAsTheGoldenFile)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 12 }, { "kelet", QDate(2024, 3, 15) },
        { "szerzo", "Gárdonyi Géza" }, { "cim", "Egri csillagok" }, { "megjev", "2005" }, { "egyszam", 1 },
        { "szakj", "894.511" }, { "raktj", "G 24" }, { "beszmod", "Ajándék" }, { "ar", 1500.0 }, { "pnem", "HUF" },
        { "gynyt", "2024/1" }, { "lhely", "Olvasóterem" } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lbetu", "B" }, { "lszam", 3 }, { "lszam2", 2 },
        { "kelet", QDate(2000, 1, 1) }, { "szerzo", "Őry Ödön" }, { "cim", "Tűzvész" }, { "kotet", "2. köt." },
        { "megjev", "1999" }, { "egyszam", 0 }, { "ar", 0.0 }, { "pnem", "Ft" }, { "gynyt", "1999/4" },
        { "jegyzet", "nem exportált" } });
    addLine({ { "id", 3 }, { "doktipus", "AV" }, { "lszam", 1 }, { "kelet", QDate(2000, 1, 2) },
        { "cim", "Film a várról" }, { "egyszam", 2 }, { "ar", 12.5 } });
    addLine({ { "id", 4 }, { "doktipus", "Könyv" }, { "lbetu", "A" }, { "lszam", 7 }, { "cim", "Ütközet; ár" },
        { "egyszam", 1 } });

    const QString path = workDir.filePath("leltarkonyv.txt");
    QString error;
    EXPECT_EQ(ib::exportBook(db, path, &error), 4) << error.toStdString();
    EXPECT_EQ(fileBytes(path), fileBytes(ZENTAR_FIXTURES_DIR "/leltarkonyv.txt"));
}

TEST_F(InventoryBookTest, ListStatementsSelectByLotRangeAndDeletionInBothOrders)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 30 }, { "cim", "Alma" }, { "gynyt", "2024/1" } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lszam", 10 }, { "cim", "Cseresznye" }, { "gynyt", "2024/1" },
        { "tnyt", "2024/9" } });
    addLine({ { "id", 3 }, { "doktipus", "Könyv" }, { "lszam", 20 }, { "cim", "Barack" }, { "gynyt", "2024/10" } });
    addLine({ { "id", 4 }, { "doktipus", "AV" }, { "lszam", 15 }, { "cim", "Dió" }, { "gynyt", "2024/1" } });

    ib::ListRequest lot = request("Könyv", ib::ListBy::AccessionLot, "2024/1");
    EXPECT_EQ(numbers(run(ib::listStatement(lot))), (QList<qint64> { 10, 30 }));
    lot.order = ib::ListOrder::Title;
    EXPECT_EQ(numbers(run(ib::listStatement(lot))), (QList<qint64> { 30, 10 }));

    ib::ListRequest range = request("Könyv", ib::ListBy::InventoryNumber);
    range.from = 10;
    range.to = 20;
    EXPECT_EQ(numbers(run(ib::listStatement(range))), (QList<qint64> { 10, 20 }));
    range.to.reset(); // an open end
    EXPECT_EQ(numbers(run(ib::listStatement(range))), (QList<qint64> { 10, 20, 30 }));

    EXPECT_EQ(
        numbers(run(ib::listStatement(request("Könyv", ib::ListBy::DeletionLot, "2024/9")))), (QList<qint64> { 10 }));
    // The value is bound, never pasted into the statement.
    EXPECT_TRUE(run(ib::listStatement(request("Könyv", ib::ListBy::AccessionLot, "x' or '1'='1"))).isEmpty());
    // No document type (nothing chosen and nothing used before): an empty list.
    EXPECT_TRUE(run(ib::listStatement(request(QString(), ib::ListBy::AccessionLot, "2024/1"))).isEmpty());
}

TEST_F(InventoryBookTest, ListByLocationMatchesByPrefixAndByTheFirstTwentyCharacters)
{
    const QString twenty = QStringLiteral("Kézikönyvtár emelet1"); // exactly 20 characters
    const QString longer = twenty + QStringLiteral(" hátsó");
    ASSERT_EQ(twenty.size(), 20);
    const struct {
        int lszam;
        QString lhely;
    } lines[] = { { 1, "Olvasóterem" }, { 2, "Olvasóterem 2" }, { 3, "Gyerekkönyvtár" }, { 4, twenty }, { 5, longer },
        { 6, QString() } };
    for (const auto& l : lines) {
        addLine({ { "id", l.lszam }, { "doktipus", "Könyv" }, { "lszam", l.lszam }, { "gynyt", "2024/1" },
            { "lhely", l.lhely.isEmpty() ? QVariant() : QVariant(l.lhely) } });
    }
    auto listed = [&](const QString& location) {
        ib::ListRequest r = request("Könyv", ib::ListBy::AccessionLot, "2024/1");
        r.location = location;
        return numbers(run(ib::listStatement(r)));
    };
    EXPECT_EQ(listed("Olvasóterem"), (QList<qint64> { 1, 2 }));
    EXPECT_EQ(listed("Olvasó"), (QList<qint64> { 1, 2 }));
    EXPECT_EQ(listed(twenty), (QList<qint64> { 4 }));
    // A longer name is cut to 20 characters without "%": only the line holding exactly those 20.
    EXPECT_EQ(listed(longer), (QList<qint64> { 4 }));
    // The whole library includes the line without a location.
    EXPECT_EQ(listed(ib::wholeLibrary()), (QList<qint64> { 1, 2, 3, 4, 5, 6 }));
}

TEST_F(InventoryBookTest, TotalsCountRowsAndAddOnlyPositiveUnitsAndPrices)
{
    const ib::Totals t = ib::totals({ { { "egyszam", 2 }, { "ar", 1000.5 } }, { { "egyszam", 0 }, { "ar", -20.0 } },
        { { "egyszam", QVariant() }, { "ar", QVariant() } }, { { "egyszam", 1 }, { "ar", 12.0 } } });
    EXPECT_EQ(t.rowsText(), "Találatok száma: 4 db");
    EXPECT_EQ(t.unitsText(), "Egységszám: 3 db");
    EXPECT_EQ(t.valueText(), "Érték: 1012,5 Ft");
}

TEST_F(InventoryBookTest, BothLayoutsSumUnitsAndPricesOnTheLastPage)
{
    QList<QVariantMap> rows;
    double sum = 0;
    for (int i = 1; i <= 150; ++i) {
        QVariantMap row { { "lszam", i }, { "szerzo", QStringLiteral("Szerző %1").arg(i) },
            { "cim", QStringLiteral("Cím %1").arg(i) }, { "kelet", QDate(2024, 3, 15) },
            { "egyszam", i % 10 == 0 ? QVariant() : QVariant(2) }, { "ar", i % 7 == 0 ? QVariant() : QVariant(100.25) },
            { "pnem", "HUF" }, { "lhely", "Olvasóterem" } };
        if (i % 7 != 0)
            sum += 100.25;
        rows << row;
    }
    const QString units = QString::number(135 * 2);
    const QString money = reports::decimalText(sum);
    const QString heading = QStringLiteral("Petőfi Gimnázium       Olvasóterem");

    const auto portrait = reports::inventorybook::portrait(heading, rows);
    ASSERT_GE(portrait.pages.size(), 2);
    EXPECT_EQ(portrait.orientation, QPageLayout::Portrait);
    for (const auto& page : portrait.pages) {
        EXPECT_EQ(page.lines().at(0), heading);
        EXPECT_TRUE(page.lines().contains(reports::inventorybook::portraitCaption()));
    }
    EXPECT_FALSE(portrait.pages.first().contains("Összesen:"));
    const QStringList last = portrait.pages.last().lines();
    EXPECT_TRUE(last.contains(QStringLiteral("Összesen: %1 %2").arg(units, money))) << last.join('\n').toStdString();
    EXPECT_TRUE(last.contains(QStringLiteral("átadó átvevő")));
    // A detail line: number, author, title, units, price and currency, location.
    EXPECT_EQ(portrait.pages.first().lines().at(3), QStringLiteral("1 Szerző 1 Cím 1 2 100,25 HUF Olvasóterem"));

    const auto landscape = reports::inventorybook::landscape(heading, rows);
    ASSERT_GE(landscape.pages.size(), 2);
    EXPECT_EQ(landscape.orientation, QPageLayout::Landscape);
    EXPECT_EQ(landscape.pages.first().lines().mid(0, 2),
        (QStringList { reports::inventorybook::landscapeCaption1(), reports::inventorybook::landscapeCaption2() }));
    for (const auto& page : landscape.pages)
        EXPECT_TRUE(page.lines().last().startsWith(heading + " ")) << page.lines().last().toStdString();
    EXPECT_TRUE(landscape.pages.first().lines().last().endsWith("ZENTAR Többnyelvű Integrált Könyvtári Rendszer"));
    const QStringList lastLandscape = landscape.pages.last().lines();
    const int at = lastLandscape.indexOf(QStringLiteral("Összesen: %1").arg(money));
    ASSERT_GE(at, 0) << lastLandscape.join('\n').toStdString();
    EXPECT_EQ(lastLandscape.at(at + 1), units);
    // A row takes two lines: the first with the date masked yy.mm.dd, the author under it.
    const QStringList first = landscape.pages.first().lines();
    EXPECT_EQ(first.at(2), QStringLiteral("1 24.03.15 Cím 1 100,25 HUF Olvasóterem"));
    EXPECT_EQ(first.at(3), QStringLiteral("Szerző 1 2"));
}

TEST_F(InventoryBookTest, AccessionListStatementMatchesTheYearAndTheDocumentType)
{
    db.exec("insert into konyv (id, doktipus, szakj, szerzo, fc) values (1, 'Könyv', '894', 'Jókai Mór', 'Az arany "
            "ember')");
    db.exec("insert into konyv (id, doktipus, fc) values (2, 'AV', 'Film')");
    db.exec("insert into kpld (sorszam, id, lbetu, lszam, beszdatum) values (1, 1, 'A', 20, '2024')");
    db.exec("insert into kpld (sorszam, id, lszam, beszdatum) values (2, 1, 5, '2024.05.02.')");
    db.exec("insert into kpld (sorszam, id, lszam, beszdatum) values (3, 1, 6, '2023')");
    db.exec("insert into kpld (sorszam, id, lszam, beszdatum) values (4, 2, 7, '2024')");
    const QList<QVariantMap> rows = run(ib::accessionStatement(2024, "Könyv"));
    EXPECT_EQ(numbers(rows), (QList<qint64> { 5, 20 }));
    EXPECT_EQ(ib::accessionLine(rows.at(1)), "894  Jókai Mór  Az arany ember  A  20");
}

TEST_F(InventoryBookTest, LocationBreakdownCountsTheYearsLotsByTheFirstTwentyCharacters)
{
    const QString twenty = QStringLiteral("Kézikönyvtár emelet1");
    const QString longer = twenty + QStringLiteral(" hátsó");
    for (const QString& name : { QStringLiteral("Olvasóterem"), QStringLiteral("Gyerekkönyvtár"), longer })
        db.exec("insert into lhely (lhely) values (?)", { name });
    int id = 0;
    auto line = [&](const char* gynyt, const QString& lhely, const QVariant& egyszam) {
        addLine({ { "id", ++id }, { "gynyt", gynyt }, { "lhely", lhely.isEmpty() ? QVariant() : QVariant(lhely) },
            { "egyszam", egyszam } });
    };
    line("2024/1", "Olvasóterem", 2);
    line("2024/12", "Olvasóterem", 1);
    line("2024/2", "Gyerekkönyvtár", 3);
    line("2024/2", "Gyerekkönyvtár", 0); // no units
    line("2024/2", QString(), 4); // no location
    line("2024/3", longer, 5); // a name over 20 characters never receives counts, the total does
    line("2023/1", "Olvasóterem", 7); // another year
    line("12024/1", "Olvasóterem", 9);

    const ib::Breakdown b = ib::locationBreakdown(ib::locations(db, false), run(ib::breakdownStatement(2024)));
    EXPECT_EQ(b.cells(),
        (QList<QStringList> {
            { "Gyerekkönyvtár", "3" }, { longer, "0" }, { "Olvasóterem", "3" }, { "Összesen:", "11" } }));
}

} // namespace
