#include "db/Database.h"
#include "db/DateText.h"
#include "db/Keys.h"
#include "db/Like.h"
#include "db/RowSet.h"
#include "support/TestDatabase.h"

#include <QFile>

using namespace zentar;
using namespace zentar::db;
using zentar::test::DbTest;

namespace {

class DatabaseTest : public DbTest {};

TEST_F(DatabaseTest, NextKeyIsOneOnAnEmptyTableThenMaxPlusOne)
{
    EXPECT_EQ(nextKey(db, "foglalk", "id"), 1);
    db.exec("insert into foglalk (id, reszleg, foglalk) values (?, ?, ?)", {7, "Felnőtt", "tanár"});
    EXPECT_EQ(nextKey(db, "foglalk", "id"), 8);
    // No positive key counts as none.
    db.exec("delete from foglalk");
    db.exec("insert into foglalk (id) values (?)", {-3});
    EXPECT_EQ(nextKey(db, "foglalk", "id"), 1);
    // A condition with its own parameters (registers numbered per year use this).
    db.exec("insert into foglalk (id, reszleg) values (?, ?)", {40, "Gyerek"});
    EXPECT_EQ(nextKey(db, "foglalk", "id", "reszleg = ?", {"Felnőtt"}), 1);
    EXPECT_EQ(nextKey(db, "foglalk", "id", "reszleg = ?", {"Gyerek"}), 41);
}

TEST_F(DatabaseTest, EmptyDatabaseHoldsTheDeliveredShellRows)
{
    EXPECT_EQ(db.scalar("select count(*) from konyvtar").toInt(), 1);
    const auto departments = db.rows("select reszleg from reszleg order by reszleg");
    ASSERT_EQ(departments.size(), 2);
    EXPECT_EQ(departments[0]["reszleg"].toString(), QStringLiteral("Felnőtt"));
    EXPECT_EQ(departments[1]["reszleg"].toString(), QStringLiteral("Gyerek"));
}

TEST_F(DatabaseTest, QuotesAndHungarianLettersAreStoredAndFoundUnharmed)
{
    const QString name = QStringLiteral("O'Brien Őrült Űrhajós");
    db.exec("insert into ceg (id, cegnev) values (?, ?)", {1, name});
    EXPECT_EQ(db.scalar("select cegnev from ceg where cegnev = ?", {name}).toString(), name);
    EXPECT_EQ(db.scalar("select id from ceg where lower(cegnev) like ?", {likePrefix("o'bRIEN")}).toInt(), 1);
    EXPECT_EQ(db.scalar("select id from ceg where lower(cegnev) like ?", {likeSubstring("ŐRÜLT")}).toInt(), 1);
    // The pasted-text attack of old: the quote is data, not SQL.
    EXPECT_FALSE(db.scalar("select id from ceg where cegnev = ?", {"x' or '1'='1"}).isValid());
    EXPECT_EQ(db.scalar("select count(*) from ceg").toInt(), 1);
}

TEST_F(DatabaseTest, TextColumnsSortInHungarianOrder)
{
    const QStringList names = {"Zoltán", "Ödön", "Olga", "Csaba", "Cukor", "Ábel", "Abai", "Üveges", "Uzsoki"};
    for (int i = 0; i < names.size(); ++i)
        db.exec("insert into ceg (id, cegnev) values (?, ?)", {i + 1, names[i]});
    QStringList sorted;
    for (const auto& row : db.rows("select cegnev from ceg order by cegnev"))
        sorted << row["cegnev"].toString();
    EXPECT_EQ(sorted, (QStringList{"Abai", "Ábel", "Cukor", "Csaba", "Olga", "Ödön", "Uzsoki", "Üveges", "Zoltán"}));
}

TEST(LikePattern, LowerCasesCutsAndAddsWildcards)
{
    EXPECT_EQ(likePrefix("Kovács"), QStringLiteral("kovács%"));
    EXPECT_EQ(likePrefix("KOVÁCS JÁNOS", 6), QStringLiteral("kovács%"));
    EXPECT_EQ(likeSubstring("Kert", 3), QStringLiteral("%ker%"));
    EXPECT_EQ(likeSubstring("a_b%"), QStringLiteral("%a_b%%"));
}

TEST(DateTexts, DisplayParseAndMonthRanges)
{
    EXPECT_EQ(datetext::display(QDate(2024, 3, 5)), QStringLiteral("2024.03.05."));
    EXPECT_EQ(datetext::compact(QDate(2024, 3, 5)), QStringLiteral("2024.03.05"));
    EXPECT_EQ(datetext::parse("2024.03.05."), QDate(2024, 3, 5));
    EXPECT_EQ(datetext::parse("2024.3.5"), QDate(2024, 3, 5));
    EXPECT_FALSE(datetext::parse("2024.13.01.").isValid());
    EXPECT_FALSE(datetext::parse("tegnap").isValid());
    EXPECT_EQ(datetext::displayIfAfter(QDate(1900, 1, 1), datetext::birthSentinel()), QString());
    EXPECT_EQ(datetext::displayIfAfter(QDate(2000, 1, 2), datetext::dueSentinel()), QStringLiteral("2000.01.02."));

    const DateRange march = monthRange(2024, 3);
    EXPECT_EQ(march.from, QDate(2024, 3, 1));
    EXPECT_EQ(march.until, QDate(2024, 4, 1));
    const DateRange december = monthRange(2024, 12);
    EXPECT_EQ(december.from, QDate(2024, 12, 1));
    EXPECT_EQ(december.until, QDate(2025, 1, 1));
    EXPECT_TRUE(december.contains(QDate(2024, 12, 31)));
    EXPECT_FALSE(december.contains(QDate(2025, 1, 1)));
}

TEST_F(DatabaseTest, MonthRangeSelectsTheRowsOfDecemberOnly)
{
    const QList<QDate> dates = {QDate(2024, 11, 30), QDate(2024, 12, 1), QDate(2024, 12, 31), QDate(2025, 1, 1)};
    for (const QDate& d : dates)
        db.exec("insert into konyvtar (kvtnev, kolcsdatum) values (?, ?)", {"x", d});
    const DateRange december = monthRange(2024, 12);
    EXPECT_EQ(db.scalar("select count(*) from konyvtar where kolcsdatum >= ? and kolcsdatum < ?",
                        {december.from, december.until})
                  .toInt(),
              2);
}

TEST_F(DatabaseTest, RowSetUpdateKeyedOnOldKeyChangesTheKey)
{
    db.exec("insert into lhely (lhely) values (?)", {"Olvasóterem"});
    db.exec("insert into lhely (lhely) values (?)", {"Raktár"});
    RowSet places(db);
    places.setSelect("select lhely from lhely order by lhely");
    places.setInsertSql("insert into lhely (lhely) values (:lhely)");
    places.setUpdateSql("update lhely set lhely = :lhely where lhely = :old_lhely");
    places.setDeleteSql("delete from lhely where lhely = :old_lhely");
    places.open();
    ASSERT_EQ(places.count(), 2);
    EXPECT_EQ(places.value("lhely").toString(), QStringLiteral("Olvasóterem"));

    places.setValue("lhely", "Gyermekrészleg");
    EXPECT_TRUE(places.isModified());
    places.apply();
    EXPECT_FALSE(places.isModified());
    EXPECT_EQ(db.scalar("select count(*) from lhely where lhely = ?", {"Olvasóterem"}).toInt(), 0);
    EXPECT_EQ(db.scalar("select count(*) from lhely where lhely = ?", {"Gyermekrészleg"}).toInt(), 1);

    places.append();
    places.setValue("lhely", "Szertár");
    places.apply();
    EXPECT_EQ(places.count(), 3);
    EXPECT_EQ(places.currentIndex(), 2);

    places.first();
    places.remove();
    EXPECT_EQ(db.scalar("select count(*) from lhely").toInt(), 2);
    places.refresh();
    EXPECT_EQ(places.count(), 2);
}

TEST_F(DatabaseTest, FailingStatementThrowsTheEnginesMessage)
{
    try {
        db.exec("insert into nincs_ilyen_tabla (x) values (?)", {1});
        FAIL() << "no error";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains("NINCS_ILYEN_TABLA", Qt::CaseInsensitive)) << error.what();
    }
}

TEST_F(DatabaseTest, TransactionRollsBackWhenLeftWithoutCommit)
{
    try {
        Transaction transaction(db);
        db.exec("insert into lhely (lhely) values (?)", {"A"});
        db.exec("insert into lhely (lhely) values (?)", {"A"}); // duplicate key
        transaction.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(db.scalar("select count(*) from lhely").toInt(), 0);
}

TEST_F(DatabaseTest, OlderDatabaseGainsMissingTablesAndColumnsWithoutLosingRows)
{
    db.exec("insert into ceg (id, cegnev, megj) values (?, ?, ?)", {1, "Líra", "régi"});
    db.exec("alter table ceg drop megj");
    db.exec("drop table kvtarkod");
    db.exec("insert into lhely (lhely) values (?)", {"Raktár"});
    const QString path = db.settings().databasePath;
    db.close();

    Connection reopened;
    ConnectionSettings settings;
    settings.databasePath = path;
    EXPECT_FALSE(openLibraryDatabase(reopened, settings, test::modules().schema));
    EXPECT_EQ(reopened.scalar("select cegnev from ceg where id = ?", {1}).toString(), QStringLiteral("Líra"));
    EXPECT_TRUE(reopened.scalar("select megj from ceg where id = ?", {1}).isNull());
    reopened.exec("insert into kvtarkod (kvtarkod) values (?)", {"HU1234"});
    EXPECT_EQ(reopened.scalar("select count(*) from lhely").toInt(), 1);
    // Delivered rows come only with a new table: the library row is not doubled.
    EXPECT_EQ(reopened.scalar("select count(*) from konyvtar").toInt(), 1);
}

TEST(DatabaseOpen, UnopenablePathThrowsTheEnginesMessage)
{
    Connection connection;
    ConnectionSettings settings;
    settings.databasePath = "/nincs/ilyen/mappa/ZENTAR3.FDB";
    try {
        openLibraryDatabase(connection, settings, test::modules().schema);
        FAIL() << "opened";
    } catch (const DbError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        EXPECT_TRUE(error.message().contains("/nincs/ilyen/mappa")) << error.what();
    }
}

TEST(ConnectionSettingsTest, RemoteOnlyWithAHostPrefix)
{
    const std::pair<const char*, bool> cases[] = {
        {"/srv/zentar/ZENTAR3.FDB", false},
        {"C:\\ProgramData\\Zentar\\ZENTAR3.FDB", false},
        {"localhost:/srv/zentar/ZENTAR3.FDB", true},
        {"konyvtar.local/3051:C:\\Zentar\\ZENTAR3.FDB", true},
        {"ZENTAR3.FDB", false},
    };
    for (const auto& [path, remote] : cases) {
        ConnectionSettings s;
        s.databasePath = path;
        EXPECT_EQ(s.isRemote(), remote) << path;
    }
}

TEST(NamedParameters, FoundOutsideQuotesInOrder)
{
    EXPECT_EQ(namedParameters("update t set a=:a, b=':x' where k=:old_k and a=:a"),
              (QStringList{"a", "old_k"}));
}

} // namespace
