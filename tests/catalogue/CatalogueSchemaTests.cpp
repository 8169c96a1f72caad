#include "support/QtPrinters.h"
#include "catalogue/CodeLists.h"
#include "db/Keys.h"
#include "support/TestDatabase.h"

using namespace zentar;
using zentar::test::DbTest;

namespace {

class CatalogueSchemaTest : public DbTest { };

TEST_F(CatalogueSchemaTest, EmptyDatabaseCarriesTheDeliveredReferenceRows)
{
    // 28 letters of the alphabet and the foreign letters folded onto them.
    EXPECT_GE(db.scalar("select count(*) from abc").toInt(), 28);
    EXPECT_EQ(db.scalar("select kod from abc where betu = ?", { "ö" }).toString(), QStringLiteral("16"));
    // One row per one-, two- and three-letter prefix of the 28 letters.
    EXPECT_EQ(db.scalar("select count(*) from cutter").toInt(), 28 + 28 * 28 + 28 * 28 * 28);
    EXPECT_EQ(db.scalar("select count(*) from cutter where kod2 is null or kod2 = ''").toInt(), 0);

    const int genres = db.scalar("select count(*) from zmufaj").toInt();
    EXPECT_GE(genres, 30);
    EXPECT_EQ(db.scalar("select count(*) from mufaj").toInt(), genres);
    EXPECT_EQ(db.scalar("select count(*) from mufaj where mufaj = ?", { "népzene" }).toInt(), 1);
}

TEST_F(CatalogueSchemaTest, EveryKeyStartsAtOneAndFollowsTheMaximum)
{
    struct Case {
        const char* table;
        const char* key;
        const char* insert;
    };
    const Case cases[] = {
        { "konyv", "id", "insert into konyv (id, fc) values (?, 'Egri csillagok')" },
        { "kpld", "sorszam", "insert into kpld (sorszam, id) values (?, 1)" },
        { "kszerzo", "sorszam", "insert into kszerzo (sorszam, id, szerzo) values (?, 1, 'Gárdonyi Géza')" },
        { "kcim", "sorszam", "insert into kcim (sorszam, id, cim) values (?, 1, 'Egri csillagok')" },
        { "kv_an", "id", "insert into kv_an (id, konyvid) values (?, 1)" },
        { "targyszo", "id", "insert into targyszo (id, targyszo) values (?, 'vár')" },
        { "lkonyv", "id", "insert into lkonyv (id, lszam) values (?, 1)" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(db::nextKey(db, c.table, c.key), 1);
        db.exec(c.insert, { 1 });
        db.exec(c.insert, { 5 });
        EXPECT_EQ(db::nextKey(db, c.table, c.key), 6);
    }
}

TEST_F(CatalogueSchemaTest, RecordTakesAll44ColumnsWithLongFieldsAndHungarianText)
{
    const auto columns = db.rows("select rdb$field_name from rdb$relation_fields where rdb$relation_name = 'KONYV'");
    EXPECT_EQ(columns.size(), 44);

    const QString contents = QStringLiteral("Őszi ének – Ünnepi ódák#").repeated(100); // 2,400 characters
    db.exec("insert into konyv (id, doktipus, fc, tartmeg, ar, pnem, rdatum, irmufaj) values (?, ?, ?, ?, ?, ?, ?, ?)",
        { 1, catalogue::codes::doktipus::Book, "Tüskevár", contents, 1290.5, catalogue::codes::DefaultBookCurrency,
            QDate(2024, 3, 15), "regény - kaland" });
    const auto row = db.rows("select * from konyv where id = ?", { 1 }).value(0);
    EXPECT_EQ(row["tartmeg"].toString(), contents);
    EXPECT_EQ(row["doktipus"].toString(), QStringLiteral("Könyv"));
    EXPECT_DOUBLE_EQ(row["ar"].toDouble(), 1290.5);
    EXPECT_EQ(row["rdatum"].toDate(), QDate(2024, 3, 15));
}

} // namespace
