#include "support/QtPrinters.h"
#include "catalogue/CodeLists.h"
#include "catalogue/RecordIndex.h"
#include "support/TestDatabase.h"

using namespace zentar;
using namespace zentar::catalogue;
using zentar::test::DbTest;

namespace {

TEST(IndexEntries, EntryRuleCutsAndTrimsEachPiece)
{
    struct Case {
        const char* field;
        QStringList entries;
    };
    const Case cases[] = {
        { "Nagy Péter#Kiss Anna#", { "Nagy Péter", "Kiss Anna" } },
        { " [Szabó Éva]# Tóth Ede ##", { "Szabó Éva]", "Tóth Ede" } },
        { "", {} },
        { "# # ", {} },
        // Cut to 30 characters first, then the trailing space of the cut goes.
        { "Egy nagyon hosszú név, amely t öbb mint harminc", { "Egy nagyon hosszú név, amely t" } },
        { "Mikszáth Kálmán és a Jókai-kor irodalma", { "Mikszáth Kálmán és a Jókai-kor" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(indexEntries(QString::fromUtf8(c.field)), c.entries);
    }
    EXPECT_EQ(indexEntry(QStringLiteral("12345678901234567890123456789 túl")),
        QStringLiteral("12345678901234567890123456789"));
}

TEST(BookRecordIndex, AuthorsAndTitlesFollowTheFieldsWithoutEmptyOrRepeatedRows)
{
    const QVariantMap record {
        { "szerzo", "Gárdonyi Géza" },
        { "tft", "Nagy Péter#Gárdonyi Géza#" },
        { "mt", " [Szabó Éva# #Nagy Péter" },
        { "utalo", "Ziegler Géza-->Gárdonyi Géza#Szabó E. --> Szabó Éva#nyíl nélkül#-->" },
        { "fc", "Egri csillagok" },
        { "ac", "Egri csillagok" },
        { "pc", "" },
        { "pac", "Stars of Eger" },
        { "sc1", "Kötelező olvasmányok#Egri csillagok" },
        { "sc2", "Diákkönyvtár #Kötelező olvasmányok" },
        { "tartmeg", "Első rész: Hol termett a magyar vitéz?#Második rész" },
        { "kotet", "1. köt. <Első rész> 2. köt. <Második rész> <> 3. köt. <Első rész> <félbe" },
    };
    const RecordIndex index = bookRecordIndex(record);
    EXPECT_EQ(index.authors, (QStringList { "Gárdonyi Géza", "Nagy Péter", "Szabó Éva", "Ziegler Géza", "Szabó E." }));
    EXPECT_EQ(index.titles,
        (QStringList { "Egri csillagok", "Egri csillagok", "Stars of Eger", "Kötelező olvasmányok", "Diákkönyvtár",
            "Első rész: Hol termett a magya", "Második rész", "Első rész", "Második rész", "Első rész" }));

    // The main heading and the four titles go in whole, however long.
    const QString longTitle = QStringLiteral("Az ember tragédiája és más drámai költemények");
    const RecordIndex whole
        = bookRecordIndex({ { "szerzo", "Madách Imre (1823-1864), költő, drámaíró" }, { "fc", longTitle } });
    EXPECT_EQ(whole.authors, QStringList { "Madách Imre (1823-1864), költő, drámaíró" });
    EXPECT_EQ(whole.titles, QStringList { longTitle });
    EXPECT_TRUE(bookRecordIndex({ { "szerzo", "  " } }).authors.isEmpty());
}

class RecordIndexTest : public DbTest {
protected:
    QStringList column(const QString& sql, int id)
    {
        QStringList values;
        for (const auto& row : db.rows(sql, { id }))
            values << row.first().toString();
        return values;
    }
    QList<int> keys(const QString& table, int id)
    {
        QList<int> values;
        for (const auto& row : db.rows("select sorszam from " + table + " where id = ? order by sorszam", { id }))
            values << row["sorszam"].toInt();
        return values;
    }
};

TEST_F(RecordIndexTest, SavingTwiceKeepsOneSetOfRowsUnderNewKeys)
{
    const RecordIndex index { { "Gárdonyi Géza", "Nagy Péter" }, { "Egri csillagok", "Diákkönyvtár" } };
    writeRecordIndex(db, 7, codes::doktipus::Book, index);
    EXPECT_EQ(keys("kszerzo", 7), (QList<int> { 1, 2 }));
    EXPECT_EQ(keys("kcim", 7), (QList<int> { 1, 2 }));
    // Another record's rows are not touched.
    writeRecordIndex(db, 8, codes::doktipus::Video, { { "Fábri Zoltán" }, { "Az ötödik pecsét" } });

    writeRecordIndex(db, 7, codes::doktipus::Book, index);
    EXPECT_EQ(keys("kszerzo", 7), (QList<int> { 4, 5 }));
    EXPECT_EQ(keys("kcim", 7), (QList<int> { 4, 5 }));
    EXPECT_EQ(column("select szerzo from kszerzo where id = ? order by sorszam", 7), index.authors);
    EXPECT_EQ(column("select cim from kcim where id = ? order by sorszam", 7), index.titles);
    EXPECT_EQ(column("select distinct doktipus from kcim where id = ?", 7), QStringList { "Könyv" });
    EXPECT_EQ(column("select cim from kcim where id = ?", 8), QStringList { "Az ötödik pecsét" });
}

TEST_F(RecordIndexTest, AnalyticRowsSurviveTheHostSaveAndAreReplacedOnTheirOwn)
{
    db.exec("insert into kv_an (id, konyvid, szerzo, fc, kiadjel) values (1, 7, 'Arany János', 'Toldi', '')");
    db.exec("insert into kv_an (id, konyvid, szerzo, fc, ac) values (2, 7, 'Petőfi Sándor', 'János vitéz', 'Mese')");
    rebuildAnalyticIndex(db, 7);
    writeRecordIndex(db, 7, codes::doktipus::Book, { { "Szerk. Kiss" }, { "Elbeszélő költemények" } });
    rebuildAnalyticIndex(db, 7);
    writeRecordIndex(db, 7, codes::doktipus::Book, { { "Szerk. Kiss" }, { "Elbeszélő költemények" } });

    EXPECT_EQ(column("select szerzo from kszerzo where id = ? order by doktipus, sorszam", 7),
        (QStringList { "Szerk. Kiss", "Arany János", "Petőfi Sándor" }));
    EXPECT_EQ(column("select cim from kcim where id = ? order by doktipus, sorszam", 7),
        (QStringList { "Elbeszélő költemények", "Toldi", "János vitéz", "Mese" }));
    EXPECT_EQ(db.scalar("select count(*) from kcim where doktipus = ?", { codes::doktipus::Analytic }).toInt(), 3);
}

TEST_F(RecordIndexTest, AFailedRebuildLeavesTheOldRows)
{
    writeRecordIndex(db, 3, codes::doktipus::Book, { { "Jókai Mór" }, { "A kőszívű ember fiai" } });
    const RecordIndex tooLong { { "Jókai Mór" }, { QString(600, QLatin1Char('x')) } };
    EXPECT_THROW(writeRecordIndex(db, 3, codes::doktipus::Book, tooLong), db::DbError);
    EXPECT_EQ(column("select szerzo from kszerzo where id = ?", 3), QStringList { "Jókai Mór" });
    EXPECT_EQ(column("select cim from kcim where id = ?", 3), QStringList { "A kőszívű ember fiai" });
}

} // namespace
