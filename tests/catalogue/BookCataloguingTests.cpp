#include "support/QtPrinters.h"
#include "catalogue/BookRecords.h"
#include "catalogue/BookSearch.h"
#include "catalogue/CodeLists.h"
#include "catalogue/CopyRules.h"
#include "db/RowSet.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>

using namespace zentar;
using namespace zentar::catalogue;
using namespace zentar::catalogue::book;
using zentar::test::DbTest;

namespace {

class BookTest : public DbTest {
protected:
    Session session(const QString& docType = codes::doktipus::Book, const QString& ownCode = {})
    {
        return Session{db, docType, QStringLiteral("Kiss Anna"), QDate(2024, 3, 15), ownCode};
    }

    // Saves a new record of `docType` with `values` through the record row set; returns its key.
    int saveRecord(const QVariantMap& values, const QString& docType = codes::doktipus::Book)
    {
        db::RowSet records(db);
        setRecordStatements(records);
        records.setSelect("select * from konyv where 1 = 0");
        records.open();
        records.append();
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            records.setValue(it.key(), it.value());
        EXPECT_EQ(BookRecords(session(docType)).save(records), QString());
        return records.value("id").toInt();
    }

    void addCopy(int id, int lszam, const QString& docType, const QVariant& tulaj = {}, const QVariant& vonalkod = {})
    {
        db.exec("insert into kpld (sorszam, id, lszam, doktipus, tulaj, vonalkod) values (?, ?, ?, ?, ?, ?)",
                {db.scalar("select coalesce(max(sorszam), 0) + 1 from kpld"), id, lszam, docType, tulaj, vonalkod});
    }

    QStringList column(const QString& sql, const db::Params& params = {})
    {
        QStringList values;
        for (const auto& row : db.rows(sql, params))
            values << row.first().toString();
        return values;
    }
};

TEST_F(BookTest, SavingWithoutATitleWritesNothingAndKeepsTheRowInEditing)
{
    db::RowSet records(db);
    setRecordStatements(records);
    records.setSelect("select * from konyv where 1 = 0");
    records.open();
    records.append();
    records.setValue("szerzo", "Gárdonyi Géza");
    records.setValue("fc", "   ");
    EXPECT_EQ(BookRecords(session()).save(records), QStringLiteral("Főcím megadása kötelező!"));
    EXPECT_EQ(db.scalar("select count(*) from konyv").toInt(), 0);
    EXPECT_EQ(db.scalar("select count(*) from kszerzo").toInt(), 0);
    EXPECT_EQ(records.state(), db::RowSet::State::Insert);
    EXPECT_EQ(records.value("szerzo").toString(), QStringLiteral("Gárdonyi Géza"));
}

TEST_F(BookTest, SaveStampsTheRecordAndIndexesAuthorsAndTitles)
{
    const QString longTitle = QStringLiteral("Egri csillagok: történelmi regény két kötetben");
    const int id = saveRecord({
        {"szerzo", "Gárdonyi Géza"},
        {"tft", "Nagy Péter#Kiss Anna Mária Erzsébet Katalin Zsófia#"}, // second entry: 39 characters
        {"mt", "Gárdonyi Géza# #"},
        {"utalo", "Ziegler Géza-->Gárdonyi Géza"},
        {"fc", longTitle},
        {"ac", "Regény"},
        {"pc", "Eclipse of the Crescent Moon, a novel of the siege"},
        {"pac", "Roman"},
        {"sc1", "Diákkönyvtár#Kötelező olvasmányok a középiskolák számára"},
    });
    EXPECT_EQ(id, 1);
    const QVariantMap row = db.rows("select * from konyv where id = 1").value(0);
    EXPECT_EQ(row["doktipus"].toString(), QStringLiteral("Könyv"));
    EXPECT_EQ(row["kvtaros1"].toString(), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(row["rdatum"].toDate(), QDate(2024, 3, 15));
    EXPECT_TRUE(row["kvtaros2"].isNull());

    // Main author whole, tft entries (the long one cut to 30 characters), no empty and no
    // repeated row, both sides of the reference.
    EXPECT_EQ(column("select szerzo from kszerzo where id = 1 order by sorszam"),
              (QStringList{"Gárdonyi Géza", "Nagy Péter", "Kiss Anna Mária Erzsébet Katal", "Ziegler Géza"}));
    EXPECT_EQ(column("select cim from kcim where id = 1 order by sorszam"),
              (QStringList{longTitle, "Regény", "Eclipse of the Crescent Moon, a novel of the siege", "Roman",
                           "Diákkönyvtár", "Kötelező olvasmányok a középis"}));
    EXPECT_EQ(column("select distinct doktipus from kszerzo"), QStringList{"Könyv"});

    // A second save records the modifier and keeps one set of index rows.
    db::RowSet records(db);
    setRecordStatements(records);
    records.setSelect("select * from konyv where id = 1");
    records.open();
    records.setValue("tft", "Nagy Péter");
    EXPECT_EQ(BookRecords(session()).save(records), QString());
    EXPECT_EQ(db.scalar("select kvtaros2 from konyv where id = 1").toString(), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(column("select szerzo from kszerzo where id = 1 order by sorszam"),
              (QStringList{"Gárdonyi Géza", "Nagy Péter", "Ziegler Géza"}));
}

TEST_F(BookTest, DuplicateIsAFindableRecordOfTheWindowsType)
{
    const int id = BookRecords(session(codes::doktipus::Video))
                       .duplicate({{"szerzo", "Fábri Zoltán"}, {"fc", "Az ötödik pecsét"}, {"nyelv", "angol"}},
                                  QStringLiteral("magyar"));
    const QVariantMap row = db.rows("select * from konyv where id = ?", {id}).value(0);
    EXPECT_EQ(row["doktipus"].toString(), QStringLiteral("AV"));
    EXPECT_EQ(row["nyelv"].toString(), QStringLiteral("magyar"));
    EXPECT_EQ(column("select cim from kcim where id = ?", {id}), QStringList{"Az ötödik pecsét"});
}

TEST_F(BookTest, SavingAFortyFieldRecordRebuildsItsIndexQuickly)
{
    // Every field a librarian fills (all of konyv but the key, the type and the dates): the
    // index fields with ten real entries, the others with ten short ones where they fit.
    QVariantMap values;
    const QStringList indexed{"tft", "mt", "sc1", "sc2", "tartmeg"};
    for (const QString& column : recordColumns()) {
        if (QStringList{"id", "doktipus", "rdatum", "mdatum"}.contains(column))
            continue;
        QStringList entries;
        for (int i = 0; i < 10; ++i) {
            if (column == "utalo")
                entries << QStringLiteral("Változat %1-->Fejléc %1").arg(i);
            else if (indexed.contains(column))
                entries << QStringLiteral("%1 bejegyzés %2").arg(column).arg(i);
            else
                entries << QStringLiteral("%1%2").arg(column.left(1)).arg(i);
        }
        if (column == "ar")
            values.insert(column, 1500.0);
        else if (QStringList{"kiadev", "jegy", "pnem"}.contains(column))
            values.insert(column, entries.first());
        else
            values.insert(column, entries.join('#'));
    }
    ASSERT_EQ(values.size(), 40);
    QElapsedTimer timer;
    timer.start();
    saveRecord(values);
    const qint64 elapsed = timer.elapsed();
    std::printf("[ timing ] saving a record of %d fields with 10 entries each: %lld ms\n", int(values.size()),
                static_cast<long long>(elapsed));
    EXPECT_LT(elapsed, 1000);
    EXPECT_EQ(db.scalar("select count(*) from kszerzo").toInt(), 1 + 10 + 10 + 20);
    EXPECT_EQ(db.scalar("select count(*) from kcim").toInt(), 4 + 10 + 10 + 10);
}

TEST_F(BookTest, NextInventoryNumberRunsPerDocumentTypeAndOwnLibrary)
{
    CopyRules books(session(codes::doktipus::Book, "OSZK1"));
    CopyRules videos(session(codes::doktipus::Video, "OSZK1"));
    EXPECT_EQ(books.nextInventoryNumber(), 1);
    EXPECT_EQ(videos.nextInventoryNumber(), 1);
    addCopy(1, 7, codes::doktipus::Book, "OSZK1");
    addCopy(2, 40, codes::doktipus::Video, "OSZK1");
    addCopy(1, 90, codes::doktipus::Book, "MASIK"); // another owner's copy
    EXPECT_EQ(books.nextInventoryNumber(), 8);
    EXPECT_EQ(videos.nextInventoryNumber(), 41);
    // Without an own code the copies without owner count.
    addCopy(1, 12, codes::doktipus::Book);
    EXPECT_EQ(CopyRules(session()).nextInventoryNumber(), 13);
}

TEST_F(BookTest, InventoryLineRules)
{
    const QVariantMap record{{"id", 5}, {"fc", "A Pál utcai fiúk"}, {"szerzo", "Molnár Ferenc"},
                             {"kiadev", "[1998]"}, {"pnem", ",-Ft"}, {"ar", 1200.0}, {"raktj", "M68"}};
    const CopyRules rules(session());

    // No line: a new one with the copy's and the record's data.
    EXPECT_EQ(rules.updateInventoryLine({{"lszam", 41}, {"kotszam", "1"}, {"gynyt", "2024/1"}}, record, true),
              InventoryLinePlan::Action::Insert);
    QVariantMap line = db.rows("select * from lkonyv").value(0);
    EXPECT_EQ(line["egyszam"].toInt(), 1);
    EXPECT_EQ(line["kotet"].toString(), QStringLiteral("1"));
    EXPECT_EQ(line["megjev"].toString(), QStringLiteral("[1998]"));
    EXPECT_EQ(line["pnem"].toString(), QStringLiteral("HUF"));
    EXPECT_EQ(line["megvane"].toString(), QStringLiteral("i"));
    EXPECT_EQ(line["kelet"].toDate(), QDate(2024, 3, 15));
    EXPECT_EQ(line["doktipus"].toString(), QStringLiteral("Könyv"));

    // The second volume under the same number: two units, volumes 1-2.
    EXPECT_EQ(rules.updateInventoryLine({{"lszam", 41}, {"kotszam", "2"}}, record, true),
              InventoryLinePlan::Action::AddVolume);
    line = db.rows("select * from lkonyv").value(0);
    EXPECT_EQ(line["egyszam"].toInt(), 2);
    EXPECT_EQ(line["kotet"].toString(), QStringLiteral("1-2"));
    // Saving that volume again does not count it a second time.
    EXPECT_EQ(rules.updateInventoryLine({{"lszam", 41}, {"kotszam", "2"}}, record, false),
              InventoryLinePlan::Action::Keep);
    EXPECT_EQ(db.scalar("select egyszam from lkonyv").toInt(), 2);

    // A copy without volume number brings the line up to date (year out of the brackets).
    EXPECT_EQ(rules.updateInventoryLine({{"lszam", 41}, {"lhely", "Olvasóterem"}}, record, false),
              InventoryLinePlan::Action::Overwrite);
    line = db.rows("select * from lkonyv").value(0);
    EXPECT_EQ(line["megjev"].toString(), QStringLiteral("1998"));
    EXPECT_EQ(line["lhely"].toString(), QStringLiteral("Olvasóterem"));
    EXPECT_EQ(line["kvtaros2"].toString(), QStringLiteral("Kiss Anna"));
    EXPECT_EQ(line["kotet"].toString(), QStringLiteral("1-2")); // an empty volume number overwrites nothing
    EXPECT_EQ(db.scalar("select count(*) from lkonyv").toInt(), 1);

    EXPECT_EQ(CopyRules::publicationYear("2001, cop. 2000 és még sok"), QStringLiteral("2001, cop."));
    EXPECT_EQ(CopyRules::inventoryCurrency("EUR"), QStringLiteral("EUR"));
}

TEST_F(BookTest, MultiplyingContinuesTheInventoryNumbersAndBarcodes)
{
    const int id = saveRecord({{"fc", "Toldi"}, {"szerzo", "Arany János"}});
    struct Case {
        const char* barcode;
        QStringList expected;
    };
    const Case cases[] = {
        {"41", {"42", "43", "44"}},
        {"K-0041", {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.barcode);
        db.exec("delete from kpld");
        db.exec("delete from lkonyv");
        db.exec("insert into kpld (sorszam, id, lszam, vonalkod, doktipus, lhely, statusz, tulaj) "
                "values (1, ?, 41, ?, 'Könyv', 'Kölcsönző', '3 hét', 'ISK1')",
                {id, QString::fromLatin1(c.barcode)});
        const QVariantMap shown = db.rows("select * from kpld where sorszam = 1").value(0);
        const QVariantMap record = db.rows("select * from konyv where id = ?", {id}).value(0);
        const QList<int> made = CopyRules(session(codes::doktipus::Book, "ISK1")).multiply(shown, record, 3);
        EXPECT_EQ(made, (QList<int>{2, 3, 4}));
        EXPECT_EQ(column("select lszam from kpld where sorszam > 1 order by sorszam"),
                  (QStringList{"42", "43", "44"}));
        EXPECT_EQ(column("select coalesce(vonalkod, '') from kpld where sorszam > 1 order by sorszam"), c.expected);
        EXPECT_EQ(column("select distinct statusz || '/' || lhely || '/' || nemz from kpld where sorszam > 1"),
                  QStringList{"3 hét/Kölcsönző/n"});
        EXPECT_EQ(column("select lszam || ' ' || cim || ' ' || egyszam from lkonyv order by lszam"),
                  (QStringList{"42 Toldi 1", "43 Toldi 1", "44 Toldi 1"}));
    }
}

TEST_F(BookTest, SearchesStayWithinTheDocumentType)
{
    const int book = saveRecord({{"fc", "Toldi"}, {"szerzo", "Arany János"}});
    const int video = saveRecord({{"fc", "Toldi"}, {"szerzo", "Arany János"}}, codes::doktipus::Video);
    const int book2 = saveRecord({{"fc", "Toldi estéje"}, {"szerzo", "Arany János"}});
    addCopy(book, 41, codes::doktipus::Book, {}, "B41");
    addCopy(video, 41, codes::doktipus::Video, {}, "V41");
    addCopy(book2, 41, codes::doktipus::Book);

    db::RowSet records(db);
    setRecordStatements(records);
    BookSearch search(db, codes::doktipus::Book);
    using C = BookSearch::Criterion;

    auto outcome = search.run(C::Key, QString::number(video), records);
    EXPECT_EQ(outcome.count, 0);
    EXPECT_EQ(outcome.message, QStringLiteral("Nincs ilyen sorszámú dokumentum"));
    EXPECT_EQ(search.run(C::Key, "x1", records).message, QStringLiteral("Nincs ilyen sorszámú dokumentum"));

    outcome = search.run(C::Title, "  TOLDI ", records);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(search.run(C::Author, "petőfi", records).message, QStringLiteral("Nincs ilyen szerző"));

    // Two copies under number 41 among the books: stepping goes through both records.
    outcome = search.run(C::InventoryNumber, "41", records);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_EQ(records.value("id").toInt(), book);
    EXPECT_TRUE(search.step(C::InventoryNumber, true, records));
    EXPECT_EQ(records.value("id").toInt(), book2);
    EXPECT_FALSE(search.step(C::InventoryNumber, true, records));
    EXPECT_EQ(search.run(C::InventoryNumber, "negyven", records).message,
              QStringLiteral("Nincs ilyen leltári számú dokumentum"));
    EXPECT_EQ(search.run(C::Barcode, "V41", records).message, QStringLiteral("Nincs ilyen vonalkódú dokumentum"));
    EXPECT_EQ(search.run(C::Barcode, "B41", records).count, 1);

    // Stepping by key passes over the video record between the two books.
    search.run(C::Key, QString::number(book), records);
    EXPECT_TRUE(search.step(C::Key, true, records));
    EXPECT_EQ(records.value("id").toInt(), book2);
    EXPECT_FALSE(search.step(C::Key, true, records));
    EXPECT_TRUE(search.step(C::Key, false, records));
    EXPECT_EQ(records.value("id").toInt(), book);
}

TEST_F(BookTest, AnalyticRowsStayOneSetThroughHostAndAnalyticSaves)
{
    const int host = saveRecord({{"fc", "Elbeszélő költemények"}, {"szerzo", "Arany János"}});
    db::RowSet analytics(db);
    setAnalyticStatements(analytics);
    analytics.setSelect("select * from kv_an where konyvid = ?", {host});
    analytics.open();
    analytics.append();
    analytics.setValue("szerzo", "Arany János");
    analytics.setValue("fc", "Toldi");
    analytics.setValue("kiadjel", "2. kiad.");
    BookRecords records(session());
    records.saveAnalytic(analytics, host);
    EXPECT_EQ(db.scalar("select konyvid from kv_an where id = 1").toInt(), host);
    EXPECT_EQ(db.scalar("select kvtaros from kv_an where id = 1").toString(), QStringLiteral("Kiss Anna"));

    // The host saved again, then the part saved again: still one set of the part's rows.
    db::RowSet hostRows(db);
    setRecordStatements(hostRows);
    hostRows.setSelect("select * from konyv where id = ?", {host});
    hostRows.open();
    hostRows.setValue("ac", "Válogatás");
    EXPECT_EQ(records.save(hostRows), QString());
    analytics.setValue("ac", "Elbeszélés");
    records.saveAnalytic(analytics, host);
    EXPECT_EQ(records.save(hostRows), QString());

    const QString analytic = codes::doktipus::Analytic;
    EXPECT_EQ(column("select szerzo from kszerzo where doktipus = ? and id = ?", {analytic, host}),
              QStringList{"Arany János"});
    EXPECT_EQ(column("select cim from kcim where doktipus = ? and id = ? order by sorszam", {analytic, host}),
              (QStringList{"Toldi", "Elbeszélés", "2. kiad."}));
    EXPECT_EQ(column("select cim from kcim where doktipus = 'Könyv' and id = ? order by sorszam", {host}),
              (QStringList{"Elbeszélő költemények", "Válogatás"}));
}

TEST_F(BookTest, SubjectAndPublisherListsTakeEachTextOnce)
{
    BookRecords records(session());
    EXPECT_TRUE(records.addSubject("Magyar irodalom"));
    EXPECT_FALSE(records.addSubject("Magyar irodalom"));
    EXPECT_FALSE(records.addSubject("  "));
    EXPECT_TRUE(records.addPublisher("Budapest : Móra"));
    EXPECT_FALSE(records.addPublisher("Budapest : Móra"));
    EXPECT_EQ(db.scalar("select id from targyszo").toInt(), 1);
    EXPECT_EQ(BookRecords::appendSubject("", "Vers", "#"), QStringLiteral("Vers"));
    EXPECT_EQ(BookRecords::appendSubject("Próza", "Vers", " - "), QStringLiteral("Próza - Vers"));
    EXPECT_EQ(BookRecords::appendReference("Ziegler Géza", "Gárdonyi Géza"), QStringLiteral("Ziegler Géza-->Gárdonyi Géza"));
}

} // namespace
