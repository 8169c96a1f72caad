#include "circulation/Readers.h"
#include "circulation/Reservations.h"
#include "support/TestDatabase.h"

using namespace zentar;
namespace readers = zentar::circulation::readers;
namespace reservations = zentar::circulation::reservations;

namespace {

TEST(ReaderRules, RegistrationIsValidForOneYearToTheDay)
{
    struct Case {
        QDate registered;
        QDate today;
        bool expired;
    } cases[] = {
        { QDate(2023, 3, 15), QDate(2024, 3, 15), false },
        { QDate(2023, 3, 15), QDate(2024, 3, 16), true },
        { QDate(2023, 3, 16), QDate(2024, 3, 16), false },
        { QDate(2022, 12, 31), QDate(2024, 1, 1), true },
        { QDate(2024, 3, 15), QDate(2024, 3, 15), false },
        { QDate(2023, 2, 28), QDate(2024, 2, 29), true }, // leap day: "2023.02.29" compared as text
        { QDate(2023, 3, 1), QDate(2024, 2, 29), false },
        { QDate(), QDate(2024, 3, 15), false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.registered.toString().toStdString() + " / " + c.today.toString().toStdString());
        EXPECT_EQ(readers::registrationExpired(c.registered, c.today), c.expired);
    }
}

TEST(ReaderRules, SaveChecksBarcodeBeforeSex)
{
    struct Case {
        const char* category;
        const char* barcode;
        const char* sex;
        QString refusal;
    } cases[] = {
        { "Regisztrált tag", "", "f", {} },
        { "Regisztrált tag", "", "", readers::sexRequiredText() },
        { "Felnőtt olvasó", "", "n", readers::barcodeRequiredText() },
        { "", "  ", "n", readers::barcodeRequiredText() },
        { "Felnőtt olvasó", "", "", readers::barcodeRequiredText() },
        { "Felnőtt olvasó", "A123", "", readers::sexRequiredText() },
        { "", "A123", "f", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.category) + "/" + c.barcode + "/" + c.sex);
        EXPECT_EQ(readers::saveRefusal(QString::fromUtf8(c.category), c.barcode, c.sex), c.refusal);
    }
}

TEST(ReaderRules, SteppingByNumberLooksUpTheNeighbourOtherwiseMovesWithinTheResult)
{
    using readers::SearchBy;
    EXPECT_FALSE(readers::neighbour(SearchBy::Name, 5, +1));
    EXPECT_FALSE(readers::neighbour(SearchBy::Barcode, 5, -1));
    EXPECT_FALSE(readers::neighbour(SearchBy::RegistrationNumber, 1, -1)); // below 2 going back
    EXPECT_FALSE(readers::neighbour(SearchBy::RegistrationNumber, 0, +1)); // not positive going forward
    EXPECT_FALSE(readers::neighbour(SearchBy::SerialNumber, QVariant(), +1));
    ASSERT_TRUE(readers::neighbour(SearchBy::RegistrationNumber, 2, -1));
    ASSERT_TRUE(readers::neighbour(SearchBy::SerialNumber, 1, +1));
    EXPECT_TRUE(readers::neighbour(SearchBy::SerialNumber, 1, +1)->sql.contains("id > ?"));
}

TEST(ReaderRules, CardLinesOnlyForDataThatIsSet)
{
    QVariantMap reader { { "nev", "Kiss Anna" }, { "szhely", "Pécs" }, { "szulido", QDate(2010, 5, 4) },
        { "anev", QVariant() }, { "allvaros", "Budapest XI." }, { "allcim", "Fő u. 1." },
        { "beirdatum", QDate(2024, 3, 15) } };
    const QList<readers::CardLine> lines = readers::cardLines(reader, QDate(2024, 3, 15));
    QStringList texts;
    for (const auto& line : lines)
        texts << line.text;
    EXPECT_EQ(texts,
        QStringList({ "Kiss Anna", "Pécs  2010.05.04.", "Budapest XI.  Fő u. 1.", "Beiratkozás dátuma: 2024.03.15." }));
    EXPECT_TRUE(lines.first().bold);
    EXPECT_FALSE(lines.at(1).bold);

    reader = { { "nev", "Nagy Béla" }, { "szulido", QDate(2030, 1, 1) }, { "allcim", "Fő u. 2." } };
    EXPECT_EQ(readers::cardLines(reader, QDate(2024, 3, 15)).size(), 2); // the name and the street
}

TEST(ReaderRules, AddressJoinsTownAndStreetWithinFiftyCharacters)
{
    EXPECT_EQ(readers::address({ { "allvaros", "Pécs" }, { "allcim", "Fő u. 1." } }), "Pécs,  Fő u. 1.");
    EXPECT_EQ(readers::address({ { "allvaros", "Pécs" } }), "Pécs");
    EXPECT_EQ(readers::address({ { "allvaros", QString(40, 'x') }, { "allcim", QString(40, 'y') } }).size(), 50);
}

class ReaderDataTest : public test::DbTest {
protected:
    void addReader(int id, const QString& name, const QString& barcode, const QVariant& number = QVariant(),
        const QVariantMap& more = {})
    {
        QVariantMap values { { "id", id }, { "nev", name }, { "vonalkod", barcode.isEmpty() ? QVariant() : barcode },
            { "nyilvszam", number }, { "neme", "n" } };
        for (auto it = more.begin(); it != more.end(); ++it)
            values.insert(it.key(), it.value());
        QStringList columns = values.keys();
        db.exec(QStringLiteral("insert into olvaso (%1) values (%2)")
                    .arg(columns.join(','), QStringList(columns.size(), "?").join(',')),
            values.values());
    }
    void addLoan(const QString& reader, const QString& copy, const QDate& due = QDate(2024, 4, 1))
    {
        db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz, kolcsdatum, lejardatum, cim) "
                "values (?, ?, 'Könyv', 0, ?, ?, 'Egri csillagok')",
            { reader, copy, QDate(2024, 3, 1), due });
    }
    void addReservation(
        int id, const QString& reader, const QString& title, const QDate& date, const QString& back = "0")
    {
        db.exec("insert into elojegyz (id, olvkod, szerzo, cim, datum, vissza) values (?, ?, 'Gárdonyi Géza', ?, ?, ?)",
            { id, reader, title, date, back });
    }
    QString flag(const QString& barcode)
    {
        return db.scalar("select elojegyz from olvaso where vonalkod = ?", { barcode }).toString();
    }
};

TEST_F(ReaderDataTest, KeysStartAtOneAndFollowTheMaximum)
{
    EXPECT_EQ(readers::nextSerialNumber(db), 1);
    EXPECT_EQ(readers::nextRegistrationNumber(db), 1);
    addReader(7, "Kiss Anna", "A1", 0);
    addReader(3, "Nagy Béla", "A2", -2);
    EXPECT_EQ(readers::nextSerialNumber(db), 8);
    EXPECT_EQ(readers::nextRegistrationNumber(db), 1); // last years' numbers are 0 and below
    addReader(9, "Tóth Éva", "A3", 41);
    EXPECT_EQ(readers::nextRegistrationNumber(db), 42);
}

TEST_F(ReaderDataTest, ComputedColumnsFollowTheReaderWindowsColumns)
{
    addReader(5, "Kiss Anna", "A1", 3, { { "reszleg", "Felnőtt" } });
    db.exec("update olvaso set vonalkod = 'B7', reszleg = 'Gyerek' where id = 5");
    const QVariantMap row = db.rows("select sorszam, olvkod, lhely1 from olvaso where id = 5").first();
    EXPECT_EQ(row.value("sorszam").toInt(), 5);
    EXPECT_EQ(row.value("olvkod").toString(), "B7");
    EXPECT_EQ(row.value("lhely1").toString(), "Gyerek");
    // The statements of the year-end and reminder steps find the reader by them.
    EXPECT_EQ(db.rows("select nev from olvaso where olvkod = 'B7' and lhely1 = 'Gyerek'").size(), 1);
    db.exec("delete from olvaso where sorszam = ?", { 5 });
    EXPECT_EQ(db.scalar("select count(*) from olvaso").toInt(), 0);
}

TEST_F(ReaderDataTest, DuplicateWarningsListTheReadersFound)
{
    addReader(1, "Kiss Anna", "A1", 4, { { "anev", "Nagy Mária" }, { "szulido", QDate(2011, 2, 3) } });
    addReader(2, "Kiss Anna", "A2", QVariant(), { { "szulido", QDate(1899, 1, 1) } });
    EXPECT_EQ(readers::duplicateNameWarning(db, "Kiss Anna"),
        "Ilyen nevű olvasó már van az adatbázisban!\nAz olvasó(k) adata(i): \n  1  Nagy Mária  2011.02.03.\n  2");
    EXPECT_EQ(readers::duplicateNameWarning(db, "Kiss"), "");
    EXPECT_EQ(readers::duplicateBarcodeWarning(db, "A2"),
        "Ilyen vonalkódú olvasó már van az adatbázisban!\nAz olvasó(k) adata(i): \n  2");
    EXPECT_EQ(readers::duplicateBarcodeWarning(db, "' or '1'='1"), "");
}

TEST_F(ReaderDataTest, DeleteIsRefusedWithoutSerialNumberOrWithALoan)
{
    addReader(1, "Kiss Anna", "A1");
    addLoan("A1", "K100");
    EXPECT_EQ(readers::deleteRefusal(db, 0, "A9"), "Törölni csak azt az olvasót lehet, akinek a sorszáma>0!");
    EXPECT_EQ(
        readers::deleteRefusal(db, 1, "A1"), "Az olvasó nem törölhető, mert kikölcsönzött dokumentumok vannak nála!");
    EXPECT_EQ(readers::deleteRefusal(db, 1, "A2"), "");
}

TEST_F(ReaderDataTest, NewBarcodeTakesTheLoansAndReservations)
{
    addLoan("A1", "K1");
    addLoan("A1", "K2");
    addLoan("A2", "K3");
    addLoan("", "K4");
    addReservation(1, "A1", "Egri csillagok", QDate(2024, 3, 1));
    EXPECT_EQ(readers::moveToNewBarcode(db, "A1", "B1"), 2);
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = 'B1'").toInt(), 2);
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = 'A2'").toInt(), 1);
    EXPECT_EQ(db.scalar("select olvkod from elojegyz where id = 1").toString(), "B1");
    // A reader without a barcode has no loans: loans without a reader code stay where they are.
    EXPECT_EQ(readers::moveToNewBarcode(db, "", "C1"), 0);
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = ''").toInt(), 1);
}

TEST_F(ReaderDataTest, PostalCodeOfANewTownIsLearntOnce)
{
    EXPECT_EQ(readers::postalCode(db, "Zalaszentgrót"), 0);
    EXPECT_FALSE(readers::learnPostalCode(db, "Zalaszentgrót", "abc"));
    EXPECT_TRUE(readers::learnPostalCode(db, "Zalaszentgrót", "8790"));
    EXPECT_FALSE(readers::learnPostalCode(db, "Zalaszentgrót", "8790"));
    EXPECT_EQ(db.scalar("select count(*) from irszam where helyseg = 'Zalaszentgrót'").toInt(), 1);
    EXPECT_EQ(readers::postalCode(db, "Zalaszentgrót"), 8790);
}

TEST_F(ReaderDataTest, FactsOfAShownReader)
{
    db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Diák', 5, 1500)");
    db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Nyugdíjas', -1, -1)");
    db.exec("insert into kesed (id, kesdij) values (2, 300)");
    addReader(1, "Kiss Anna", "A1", 1,
        { { "kat", "Diák" }, { "beirdatum", QDate(2023, 3, 14) }, { "keskod", 2 }, { "allvaros", "Pécs" } });
    addLoan("A1", "K1", QDate(2024, 3, 14));
    addLoan("A1", "K2", QDate(2024, 4, 14));
    addReader(2, "Nagy Béla", "", 2, { { "kat", "Nyugdíjas" }, { "beirdatum", QDate(2023, 3, 15) } });
    addReader(3, "Tóth Éva", "A3", 3);

    const auto row = [this](int id) { return db.rows("select * from olvaso where id = ?", { id }).first(); };
    const readers::ReaderFacts anna = readers::facts(db, row(1), QDate(2024, 3, 15));
    EXPECT_EQ(anna.messages, QStringList { "Az olvasónak lejárt a beiratkozási ideje" });
    EXPECT_TRUE(anna.canBorrow);
    EXPECT_EQ(anna.fee, "1500");
    EXPECT_EQ(anna.loanAllowance, "5");
    EXPECT_EQ(anna.loanCount, 2);
    EXPECT_TRUE(anna.late);
    EXPECT_EQ(anna.lateFee, "300");
    EXPECT_EQ(anna.address, "Pécs");

    const readers::ReaderFacts bela = readers::facts(db, row(2), QDate(2024, 3, 15));
    EXPECT_EQ(bela.messages, QStringList { "Az olvasónak nincs vonalkódja!\nÍgy nem kölcsönözhet!" });
    EXPECT_FALSE(bela.canBorrow);
    EXPECT_EQ(bela.fee, "");
    EXPECT_EQ(bela.loanAllowance, "");

    const readers::ReaderFacts eva = readers::facts(db, row(3), QDate(2024, 3, 15));
    EXPECT_TRUE(eva.messages.isEmpty());
    EXPECT_FALSE(eva.late);
    EXPECT_EQ(eva.loanCount, 0);
}

TEST_F(ReaderDataTest, AnnouncementTakesTheReservationThatCameBackFirst)
{
    addReader(1, "Kiss Anna", "A1", 1, { { "elojegyz", "1" } });
    addReservation(1, "A1", "Tüskevár", QDate(2024, 1, 10), "0");
    addReservation(2, "A1", "Egri csillagok", QDate(2024, 2, 10), "1");
    addReservation(3, "A2", "Egri csillagok", QDate(2024, 1, 1), "1");

    EXPECT_EQ(reservations::takeAnnouncement(db, "A1"),
        std::optional<QString>("Az olvasó előjegyezte a(z) Egri csillagok című könyvet!"));
    EXPECT_EQ(db.scalar("select count(*) from elojegyz where id = 2").toInt(), 0);
    // The waiting reservation stays, and the flag no longer announces it.
    EXPECT_EQ(db.scalar("select count(*) from elojegyz").toInt(), 2);
    EXPECT_EQ(flag("A1"), "0");
    EXPECT_FALSE(reservations::takeAnnouncement(db, "A9"));
}

TEST_F(ReaderDataTest, ReservationCheckOffersTheEarliestSameTitle)
{
    addReader(1, "Kiss Anna", "A1");
    addReader(2, "Nagy Béla", "A2");
    addReservation(1, "A2", "Egri csillagok", QDate(2024, 3, 1));
    addReservation(2, "A1", "Egri csillagok", QDate(2024, 2, 1));
    addReservation(3, "A1", "Egri%", QDate(2024, 1, 1));
    addReservation(4, "A2", "Rock n' roll", QDate(2024, 1, 1));
    addReservation(5, "A2", "Egri csillagok", QDate(2023, 1, 1), "1"); // already back: not offered again

    auto found = reservations::forLoanTitle(db, "Egri csillagok");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->id, 2);
    EXPECT_EQ(
        reservations::question(*found), "A(z) Egri csillagok című dokumentumot\n előjegyezte: A1\nEz az a dokumentum?");
    EXPECT_FALSE(reservations::forLoanTitle(db, "Egri")); // no wildcard
    ASSERT_TRUE(reservations::forLoanTitle(db, "Rock 'n' roll"));
    EXPECT_EQ(reservations::forLoanTitle(db, "Rock 'n' roll")->id, 4);

    // "Ez az a dokumentum?" answered No changes nothing; Yes marks it and the reader.
    dialogs.answer(QMessageBox::No);
    EXPECT_FALSE(reservations::checkLoanTitle(db, dialogs, "Egri csillagok"));
    EXPECT_EQ(db.scalar("select vissza from elojegyz where id = 2").toString(), "0");
    dialogs.answer(QMessageBox::Yes);
    EXPECT_TRUE(reservations::checkLoanTitle(db, dialogs, "Egri csillagok"));
    EXPECT_EQ(db.scalar("select vissza from elojegyz where id = 2").toString(), "1");
    EXPECT_EQ(flag("A1"), "1");
    EXPECT_NE(flag("A2"), "1");
    // The next extension of the same title offers the next reservation.
    EXPECT_EQ(reservations::forLoanTitle(db, "Egri csillagok")->id, 1);
    EXPECT_EQ(reservations::nextId(db), 6);
}

} // namespace
