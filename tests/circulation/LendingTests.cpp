#include "circulation/Lending.h"
#include "support/TestDatabase.h"

using namespace zentar;
using namespace zentar::circulation;
using lending::Desk;

namespace {

const QDate today(2024, 3, 15);

TEST(LoanPeriod, CodesOfferTheirDueDates)
{
    const QDate end(2024, 6, 15);
    const QDate previous(2024, 4, 2);
    const struct {
        const char* code;
        QDate expected;
    } cases[] = {
        { "3 nap", today.addDays(3) },
        { "1 hét", today.addDays(7) },
        { "3 hét", today.addDays(21) },
        { "4 hét", today.addDays(28) },
        { "Tanév végéig", end },
        { "Nem kölcsönözhető", today },
        { "Megrendelés alatt", QDate() },
        { "Selejtezésre jelölve", QDate() },
        { "Selejtezve", QDate() },
        { "valami más", previous },
    };
    for (const auto& c : cases)
        EXPECT_EQ(lending::offeredDue(QString::fromUtf8(c.code), today, end, previous), c.expected) << c.code;
    // The window keeps no lending-period end when the library's is not later than its opening day.
    EXPECT_FALSE(lending::offeredDue("Tanév végéig", today, QDate(), previous).isValid());
}

class LendingTest : public test::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        session.department = "Felnőtt";
        session.librarian = "Kovács Ilona";
        session.today = today;
        desk = std::make_unique<Desk>(db, dialogs, session);
        addReader(1, "Kiss Anna", "R1", "Felnőtt");
        addReader(2, "Nagy Béla", "R2", "Gyerek");
    }
    void addReader(int id, const QString& name, const QString& barcode, const QString& department, int level = 0)
    {
        db.exec("insert into olvaso (id, nev, vonalkod, reszleg, keskod) values (?, ?, ?, ?, ?)",
            { id, name, barcode, department, level });
    }
    void addCopy(int record, const QString& barcode, const QString& code, int inventory = 0)
    {
        if (!db.scalar("select id from konyv where id = ?", { record }).isValid())
            db.exec("insert into konyv (id, doktipus, szerzo, fc) values (?, 'Könyv', 'Gárdonyi Géza', ?)",
                { record, QString("Cím %1").arg(record) });
        db.exec("insert into kpld (sorszam, id, vonalkod, lszam, statusz) values (?, ?, ?, ?, ?)",
            { db.scalar("select coalesce(max(sorszam), 0) + 1 from kpld"), record, barcode,
                inventory ? QVariant(inventory) : QVariant(), code });
    }
    QVariantMap reader(const QString& barcode) { return *lending::readerByBarcode(db, barcode); }
    lending::Copy copy(const QString& barcode) { return *lending::copyByBarcode(db, barcode); }
    QString lend(const QString& readerBarcode, const QString& copyBarcode)
    {
        const lending::Copy c = copy(copyBarcode);
        return desk->lend(reader(readerBarcode), c, lending::offeredDue(c.code, today, session.lendingPeriodEnd));
    }
    int count(const QString& sql, const db::Params& params = {}) { return db.scalar(sql, params).toInt(); }
    QDate due(const QString& copyBarcode)
    {
        return db.scalar("select lejardatum from kolcson where vonalkod = ?", { copyBarcode }).toDate();
    }

    CirculationSession session;
    std::unique_ptr<Desk> desk;
};

TEST_F(LendingTest, LendingWritesTheLoanOneEventPerLoanAndOneVisitPerDay)
{
    addCopy(1, "B1", "4 hét");
    addCopy(2, "B2", "Nem kölcsönözhető");
    EXPECT_EQ(lend("R1", "B1"), "");
    EXPECT_EQ(lend("R1", "B2"), "");

    const QVariantMap loan = *lending::loanOf(db, "B1", "Könyv");
    EXPECT_EQ(loan["olvkod"].toString(), "R1");
    EXPECT_EQ(loan["statusz"].toInt(), 0);
    EXPECT_EQ(loan["kolcsdatum"].toDate(), today);
    EXPECT_EQ(loan["cim"].toString(), "Cím 1");
    EXPECT_EQ(loan["reszleg"].toString(), "Felnőtt");
    EXPECT_EQ(loan["kvtaros"].toString(), "Kovács Ilona");
    EXPECT_EQ(due("B1"), today.addDays(28));
    EXPECT_EQ(due("B2"), today); // taken out for the day

    EXPECT_EQ(count("select count(*) from kolcsdok where olvid = 1 and olvkat = 'f' and datum = ?", { today }), 2);
    EXPECT_EQ(count("select count(*) from latogato"), 1);
    EXPECT_EQ(count("select felnott from latogato"), 1);
    desk->recordVisit(reader("R1"));
    EXPECT_EQ(count("select count(*) from latogato"), 1);
    desk->recordVisit(reader("R2"));
    EXPECT_EQ(count("select count(*) from latogato where gyerek = 1 and nev = 'Nagy Béla'"), 1);
}

TEST_F(LendingTest, RefusedLendingWritesNothing)
{
    addCopy(1, "B1", "Tanév végéig");
    addCopy(2, "B2", "Selejtezve");
    addCopy(3, "B3", "4 hét");
    // No lending-period end later than the opening day: "Tanév végéig" offers no date.
    EXPECT_EQ(lend("R1", "B1"), "A dokumentum nem kölcsönözhető!");
    EXPECT_EQ(lend("R1", "B2"), "A dokumentum nem kölcsönözhető!");
    EXPECT_EQ(desk->lend({}, copy("B3"), today), "Először válassza ki az olvasót!");
    EXPECT_EQ(lend("R1", "B3"), "");
    EXPECT_EQ(lend("R2", "B3"), "A dokumentum már ki van kölcsönözve!");
    EXPECT_EQ(count("select count(*) from kolcson"), 1);
    EXPECT_EQ(count("select count(*) from kolcsdok"), 1);

    session.lendingPeriodEnd = QDate(2024, 6, 15);
    EXPECT_EQ(lend("R1", "B1"), "");
    EXPECT_EQ(due("B1"), QDate(2024, 6, 15));
}

TEST_F(LendingTest, ExtensionCountsFromTodayAndStopsAtTheLimit)
{
    addCopy(1, "B1", "1 hét");
    db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz, kolcsdatum, lejardatum, cim) "
            "values ('R1', 'B1', 'Könyv', 2, ?, ?, 'Cím 1')",
        { QDate(2024, 3, 1), QDate(2024, 4, 10) });
    EXPECT_EQ(desk->extend(reader("R1"), "B1", "Könyv"), "");
    EXPECT_EQ(due("B1"), today.addDays(7)); // not 2024.04.17.
    EXPECT_EQ(count("select statusz from kolcson"), 3);
    EXPECT_EQ(count("select count(*) from kolcsdok where dokvkod = 'B1'"), 1);

    db.exec("update kolcson set statusz = 254");
    EXPECT_EQ(desk->extend(reader("R1"), "B1", "Könyv"), "Többször nem lehet hosszabbítani!");
    EXPECT_EQ(count("select statusz from kolcson"), 254);

    db.exec("update kolcson set statusz = 0");
    db.exec("delete from kpld");
    EXPECT_EQ(desk->extend(reader("R1"), "B1", "Könyv"),
        "A dokumentum nem található az adatbázisban, így nem hosszabbítható meg!");
}

TEST_F(LendingTest, ReturningTheLastLoanLeavesTheReminderCycle)
{
    addReader(3, "Tóth Ede", "R3", "Felnőtt", 2);
    addCopy(1, "B1", "4 hét");
    addCopy(2, "B2", "4 hét");
    EXPECT_EQ(lend("R3", "B1"), "");
    EXPECT_EQ(lend("R3", "B2"), "");
    EXPECT_TRUE(desk->giveBack(reader("R3"), "B1", "Könyv"));
    EXPECT_EQ(count("select keskod from olvaso where id = 3"), 2);
    EXPECT_TRUE(desk->giveBack(reader("R3"), "B2", "Könyv"));
    EXPECT_EQ(count("select keskod from olvaso where id = 3"), 0);
    EXPECT_EQ(count("select count(*) from kolcson"), 0);
    EXPECT_FALSE(desk->giveBack(reader("R3"), "B2", "Könyv"));
}

TEST_F(LendingTest, AReservationOfTheReturnedTitleIsOfferedAndMarkedOnYes)
{
    addCopy(1, "B1", "4 hét");
    EXPECT_EQ(lend("R1", "B1"), "");
    db.exec("insert into elojegyz (id, olvkod, szerzo, cim, datum, vissza) values (1, 'R2', 'G', 'Cím 1', ?, '0')",
        { QDate(2024, 3, 1) });
    dialogs.answer(QMessageBox::Yes);
    EXPECT_TRUE(desk->giveBack(reader("R1"), "B1", "Könyv"));
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_EQ(
        dialogs.texts("question").value(0), "A(z) Cím 1 című dokumentumot\n előjegyezte: R2\nEz az a dokumentum?");
    EXPECT_EQ(db.scalar("select vissza from elojegyz where id = 1").toString(), "1");
}

TEST_F(LendingTest, ReturnAllDoesNothingAtTenLoans)
{
    for (int i = 1; i <= 10; ++i) {
        addCopy(i, QString("B%1").arg(i), "4 hét");
        EXPECT_EQ(lend("R1", QString("B%1").arg(i)), "");
    }
    EXPECT_EQ(desk->returnAll(reader("R1")), 0);
    EXPECT_TRUE(dialogs.texts("question").isEmpty());
    EXPECT_EQ(count("select count(*) from kolcson"), 10);

    db.exec("delete from kolcson where vonalkod = 'B10'");
    dialogs.answer(QMessageBox::No);
    EXPECT_EQ(desk->returnAll(reader("R1")), 0);
    EXPECT_EQ(count("select count(*) from kolcson"), 9);
    dialogs.answer(QMessageBox::Yes);
    EXPECT_EQ(desk->returnAll(reader("R1")), 9);
    EXPECT_EQ(count("select count(*) from kolcson"), 0);
}

TEST_F(LendingTest, ExtendAllFollowsEachCopysOwnCode)
{
    addCopy(1, "B1", "1 hét");
    addCopy(2, "B2", "Megrendelés alatt");
    addCopy(3, "B3", "4 hét");
    for (const char* b : { "B1", "B2", "B3" })
        db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz, kolcsdatum, lejardatum, cim) "
                "values ('R1', ?, 'Könyv', ?, ?, ?, 'X')",
            { b, QString(b) == "B3" ? 254 : 0, QDate(2024, 3, 1), QDate(2024, 3, 20) });
    db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz, kolcsdatum, lejardatum, cim) "
            "values ('R1', 'GONE', 'Könyv', 0, ?, ?, 'X')",
        { QDate(2024, 3, 1), QDate(2024, 3, 20) });
    const lending::ExtendAllResult result = desk->extendAll(reader("R1"));
    EXPECT_EQ(result.extended, 3);
    EXPECT_EQ(result.refused, 1);
    EXPECT_EQ(due("B1"), today.addDays(7));
    EXPECT_EQ(due("B2"), today.addDays(28)); // the code offers no date
    EXPECT_EQ(due("B3"), QDate(2024, 3, 20)); // at the limit
    EXPECT_EQ(due("GONE"), today); // no longer in the catalogue
    EXPECT_EQ(dialogs.texts("information"), QStringList { "Többször nem lehet hosszabbítani!" });

    dialogs.clear();
    EXPECT_EQ(desk->extendAll(reader("R2")).extended, 0);
    EXPECT_EQ(dialogs.texts("information"), QStringList { "Az olvasónál nincsenek ilyen dokumentumok!" });
}

TEST_F(LendingTest, FindsCopiesByTheThreeCriteria)
{
    addCopy(7, "B1", "4 hét", 101);
    addCopy(7, "B2", "4 hét", 102);
    EXPECT_EQ(lending::findCopies(db, lending::FindBy::Barcode, " B2 ").size(), 1);
    EXPECT_EQ(lending::findCopies(db, lending::FindBy::InventoryNumber, "101").value(0).barcode, "B1");
    EXPECT_EQ(lending::findCopies(db, lending::FindBy::SerialNumber, "7").size(), 2);
    EXPECT_TRUE(lending::findCopies(db, lending::FindBy::SerialNumber, "x'7").isEmpty());
}

TEST_F(LendingTest, ReceiptListsTheLoans)
{
    addCopy(1, "B1", "4 hét");
    EXPECT_EQ(lend("R1", "B1"), "");
    db.exec("update olvaso set tel = '123' where id = 1");
    const QStringList lines = lending::receiptLines(reader("R1"), "Eger,  Fő u. 1.", lending::loansOf(db, "R1"));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[1], "   Kiss Anna   Vonalkód: R1");
    EXPECT_EQ(lines[2], "   Lakcím: Eger,  Fő u. 1.  Tel.:123");
    EXPECT_EQ(lines[6], "   Gárdonyi Géza: Cím 1  2024.04.12.  Felnőtt  ");
    EXPECT_EQ(lines.last(), "                   olvasó aláírása");
}

} // namespace
