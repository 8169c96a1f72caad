#include "circulation/ChoiceGroup.h"
#include "circulation/CirculationWindow.h"
#include "circulation/RegistrationTab.h"
#include "circulation/ReservationsTab.h"
#include "platform/MenuActions.h"
#include "platform/RowSetGrid.h"
#include "catalogue/CardEditor.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTabWidget>

using namespace zentar;
using circulation::CirculationWindow;

namespace {

class CirculationTest : public test::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        context().login.setLibrarianName("Kovács Ilona");
        db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Regisztrált tag', 0, 0)");
        db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Diák', 5, 1500)");
    }

    CirculationWindow* open()
    {
        (*test::modules().windows.find(menu::Circulation))(context());
        window = host.last<CirculationWindow>();
        tab = window->registration();
        return window;
    }
    template <typename T> T* child(const char* name) const
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    void type(const char* column, const QVariant& value) { tab->form().setValue(column, value); }
    void searchFor(int criterion, const QString& text)
    {
        child<QComboBox>("searchBy")->setCurrentIndex(criterion);
        child<QLineEdit>("searchText")->setText(text);
        click("btnSearch");
    }
    // "Új olvasó", the name, the barcode, the sex and the category, then " &Mentés".
    void registerReader(
        const QString& name, const QString& barcode, const QString& sex = "n", const QString& category = "Diák")
    {
        click("btnNewReader");
        type("nev", name);
        type("vonalkod", barcode);
        type("kat", category);
        if (!sex.isEmpty())
            tab->choice("neme")->choose(sex);
        click("btnSave");
    }
    int readers() { return db.scalar("select count(*) from olvaso").toInt(); }
    QVariantMap stored(const QString& name) { return db.rows("select * from olvaso where nev = ?", { name }).value(0); }

    CirculationWindow* window = nullptr;
    circulation::RegistrationTab* tab = nullptr;
};

TEST_F(CirculationTest, OpensFromTheMenuWithItsTabsAndTopFields)
{
    context().login.setDepartment("");
    open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Beiratkozás, Kölcsönzés, Hosszabbítás, Visszahozatal");
    const QStringList titles { "Beiratkozás", "Kölcsönzés", "Olvasott dok.", "Előjegyzés", "Látogatók", "Internet",
        "Rendezvények", "Karbantartás", "Import" };
    QTabWidget* tabs = window->tabs();
    ASSERT_EQ(tabs->count(), titles.size());
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_EQ(tabs->tabText(i), titles.at(i));
        const bool enabled = i == CirculationWindow::Registration || i == CirculationWindow::Lending
            || i == CirculationWindow::History || i == CirculationWindow::Reservations
            || i == CirculationWindow::Import;
        EXPECT_EQ(tabs->isTabEnabled(i), enabled) << i;
    }
    EXPECT_EQ(child<QLineEdit>("department")->text(), "Felnőtt");
    EXPECT_EQ(context().login.department(), "Felnőtt");
    EXPECT_EQ(child<QLineEdit>("librarian")->text(), "Kovács Ilona");
    EXPECT_EQ(child<QLineEdit>("today")->text(), "2024.03.15.");
    EXPECT_FALSE(child<QPushButton>("btnSave")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("btnDelete")->isEnabled());

    // A later tab takes its place enabled.
    auto* page = new QWidget;
    window->setTabPage(CirculationWindow::Visitors, page);
    EXPECT_EQ(tabs->widget(CirculationWindow::Visitors), page);
    EXPECT_TRUE(tabs->isTabEnabled(CirculationWindow::Visitors));
    EXPECT_EQ(tabs->tabText(CirculationWindow::Visitors), "Látogatók");
}

TEST_F(CirculationTest, NewReadersGetPresetsAndTheNextKeys)
{
    context().login.setDepartment("Gyerek");
    open();
    click("btnNewReader");
    EXPECT_FALSE(child<QPushButton>("btnNewReader")->isEnabled());
    EXPECT_EQ(tab->choice("fkap")->value(), "i");
    EXPECT_EQ(tab->choice("av")->value(), "n");
    EXPECT_EQ(tab->choice("fogy")->value(), "n");
    EXPECT_EQ(tab->choice("neme")->value(), "");
    EXPECT_EQ(tab->form().text("reszleg"), "Gyerek");
    EXPECT_EQ(tab->form().value("beirdatum").toDate(), QDate(2024, 3, 15));
    type("nev", "Kiss Anna");
    type("vonalkod", "A1");
    type("kat", "Diák");
    EXPECT_EQ(child<QLineEdit>("tagdij")->text(), "1500");
    tab->choice("neme")->choose("n");
    click("btnSave");
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.texts().join('|').toStdString();

    QVariantMap anna = stored("Kiss Anna");
    EXPECT_EQ(anna.value("id").toInt(), 1);
    EXPECT_EQ(anna.value("nyilvszam").toInt(), 1);
    EXPECT_EQ(anna.value("vonalkod").toString(), "A1");
    EXPECT_EQ(anna.value("neme").toString(), "n");
    EXPECT_EQ(anna.value("fkap").toString(), "i");
    EXPECT_EQ(anna.value("av").toString(), "n");
    EXPECT_EQ(anna.value("keskod").toInt(), 0);
    EXPECT_EQ(anna.value("reszleg").toString(), "Gyerek");
    EXPECT_EQ(anna.value("kvtaros").toString(), "Kovács Ilona");
    EXPECT_EQ(anna.value("regdatum").toDate(), QDate(2024, 3, 15));
    EXPECT_EQ(anna.value("beirdatum").toDate(), QDate(2024, 3, 15));
    EXPECT_FALSE(child<QPushButton>("btnSave")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("btnNewReader")->isEnabled());
    EXPECT_EQ(child<QLineEdit>("id")->text(), "1");

    registerReader("Nagy Béla", "A2", "f");
    EXPECT_EQ(stored("Nagy Béla").value("id").toInt(), 2);
    EXPECT_EQ(stored("Nagy Béla").value("nyilvszam").toInt(), 2);

    // A typed registration number is kept.
    click("btnNewReader");
    type("nev", "Tóth Éva");
    type("vonalkod", "A3");
    type("nyilvszam", 17);
    tab->choice("neme")->choose("n");
    tab->choice("av")->choose("i");
    EXPECT_EQ(tab->form().value("avbeir").toDate(), QDate(2024, 3, 15));
    click("btnSave");
    EXPECT_EQ(stored("Tóth Éva").value("nyilvszam").toInt(), 17);
    EXPECT_EQ(stored("Tóth Éva").value("id").toInt(), 3);
    EXPECT_EQ(stored("Tóth Éva").value("avbeir").toDate(), QDate(2024, 3, 15));
}

TEST_F(CirculationTest, SaveChecksWriteNothingWhenTheyFail)
{
    open();
    registerReader("Kiss Anna", "", "n", "Diák");
    EXPECT_EQ(dialogs.texts("warning"), QStringList { "A vonalkódot meg kell adni!" });
    EXPECT_EQ(readers(), 0);
    // The typed values stay: the librarian adds the barcode and saves.
    EXPECT_EQ(tab->form().text("nev"), "Kiss Anna");

    dialogs.clear();
    type("vonalkod", "A1");
    tab->choice("neme")->load(QVariant());
    click("btnSave");
    EXPECT_EQ(dialogs.texts("warning"), QStringList { "Válassza ki az olvasó nemét!" });
    EXPECT_EQ(readers(), 0);

    dialogs.clear();
    registerReader("Regisztrált Rózsa", "", "n", "Regisztrált tag");
    EXPECT_TRUE(dialogs.texts("warning").isEmpty());
    EXPECT_EQ(readers(), 1);
    EXPECT_TRUE(stored("Regisztrált Rózsa").value("vonalkod").isNull());
}

TEST_F(CirculationTest, DuplicateNameAndBarcodeAreWarnedOnlyForANewReader)
{
    open();
    registerReader("Kiss Anna", "A1");
    dialogs.clear();
    click("btnNewReader");
    type("nev", "Kiss Anna");
    tab->nameLeft();
    type("vonalkod", "A1");
    tab->barcodeLeft();
    EXPECT_EQ(dialogs.texts("warning"),
        QStringList({ "Ilyen nevű olvasó már van az adatbázisban!\nAz olvasó(k) adata(i): \n  1",
            "Ilyen vonalkódú olvasó már van az adatbázisban!\nAz olvasó(k) adata(i): \n  1" }));
    tab->choice("neme")->choose("n");
    click("btnSave"); // warnings only
    EXPECT_EQ(readers(), 2);

    dialogs.clear();
    searchFor(0, "A1");
    tab->nameLeft();
    tab->barcodeLeft();
    EXPECT_TRUE(dialogs.texts("warning").isEmpty());
}

TEST_F(CirculationTest, FindsReadersByTheFourCriteriaAndSteps)
{
    open();
    registerReader("Kiss Anna", "A1");
    registerReader("Kiss Ádám", "A2", "f");
    registerReader("Nagy Béla", "A3", "f");
    registerReader("Tóth Éva", "A4");
    db.exec("delete from olvaso where nev = 'Nagy Béla'"); // a gap in both numbers
    dialogs.clear();

    searchFor(1, "KISS");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Ádám");
    EXPECT_TRUE(child<QPushButton>("btnNext")->isEnabled());
    click("btnNext");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Anna");
    click("btnNext");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Anna"); // the end of the result

    searchFor(0, "A4");
    EXPECT_EQ(tab->form().text("nev"), "Tóth Éva");
    searchFor(3, "2");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Ádám");
    click("btnNext");
    EXPECT_EQ(tab->form().text("nev"), "Tóth Éva"); // serial number 3 was deleted
    click("btnPrevious");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Ádám");
    searchFor(2, "1");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Anna");
    click("btnPrevious"); // below 2: within the result
    EXPECT_EQ(tab->form().text("nev"), "Kiss Anna");
    click("btnNext");
    EXPECT_EQ(tab->form().text("nev"), "Kiss Ádám");
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.texts().join('|').toStdString();

    // Enter in the search field searches too.
    child<QComboBox>("searchBy")->setCurrentIndex(0);
    child<QLineEdit>("searchText")->setText("nincs");
    emit child<QLineEdit>("searchText")->returnPressed();
    EXPECT_EQ(dialogs.texts("information"), QStringList { "Az olvasó nem található az adatbázisban!" });
    EXPECT_FALSE(tab->hasReader());
    EXPECT_FALSE(child<QPushButton>("btnDelete")->isEnabled());
    searchFor(2, "nem szám");
    EXPECT_EQ(dialogs.texts("information").size(), 2);
}

TEST_F(CirculationTest, ShowingAReaderWarnsAndAnnouncesTheReservation)
{
    db.exec("insert into olvaso (id, nyilvszam, nev, vonalkod, neme, kat, beirdatum, elojegyz) "
            "values (1, 1, 'Kiss Anna', 'A1', 'n', 'Diák', '2023-03-14', '1')");
    db.exec("insert into olvaso (id, nyilvszam, nev, neme, kat, beirdatum) "
            "values (2, 2, 'Regisztrált Rózsa', 'n', 'Regisztrált tag', '2023-03-15')");
    db.exec("insert into elojegyz (id, olvkod, szerzo, cim, datum, vissza) "
            "values (1, 'A1', 'Gárdonyi Géza', 'Egri csillagok', '2024-03-01', '1')");
    open();
    searchFor(0, "A1");
    EXPECT_EQ(dialogs.texts("information"),
        QStringList(
            { "Az olvasónak lejárt a beiratkozási ideje", "Az olvasó előjegyezte a(z) Egri csillagok című könyvet!" }));
    EXPECT_EQ(db.scalar("select count(*) from elojegyz").toInt(), 0);
    EXPECT_EQ(child<QLineEdit>("tagdij")->text(), "1500");
    EXPECT_TRUE(tab->readerSelected());
    // Saving the reader afterwards does not set the cleared flag again.
    type("tel", "06-30-1234567");
    click("btnSave");
    EXPECT_EQ(db.scalar("select elojegyz from olvaso where id = 1").toString(), "0");
    EXPECT_EQ(db.scalar("select tel from olvaso where id = 1").toString(), "06-30-1234567");

    dialogs.clear();
    searchFor(1, "regisztrált");
    EXPECT_EQ(dialogs.texts("information"), QStringList { "Az olvasónak nincs vonalkódja!\nÍgy nem kölcsönözhet!" });
    EXPECT_FALSE(tab->readerSelected());
    EXPECT_EQ(child<QLineEdit>("tagdij")->text(), "0");
}

TEST_F(CirculationTest, YearlyRegistrationGivesTheNextNumber)
{
    db.exec("insert into olvaso (id, nyilvszam, nev, vonalkod, neme, beirdatum, regdatum) "
            "values (1, 0, 'Kiss Anna', 'A1', 'n', '2022-09-01', '2020-09-01')");
    db.exec("insert into olvaso (id, nyilvszam, nev, vonalkod, neme, beirdatum) "
            "values (2, 6, 'Nagy Béla', 'A2', 'f', '2024-01-10')");
    db.exec("insert into olvaso (id, nyilvszam, nev, vonalkod, beirdatum) "
            "values (3, 0, 'Tóth Éva', 'A3', '2022-09-01')");
    open();
    searchFor(0, "A1");
    dialogs.clear();
    click("btnRegister");
    QVariantMap anna = stored("Kiss Anna");
    EXPECT_EQ(anna.value("nyilvszam").toInt(), 7);
    EXPECT_EQ(anna.value("beirdatum").toDate(), QDate(2024, 3, 15));
    EXPECT_EQ(anna.value("regdatum").toDate(), QDate(2020, 9, 1));
    EXPECT_EQ(anna.value("kvtaros").toString(), "Kovács Ilona");
    EXPECT_FALSE(child<QPushButton>("btnRegister")->isEnabled());

    searchFor(0, "A3"); // no sex chosen: nothing happens
    dialogs.clear();
    click("btnRegister");
    EXPECT_EQ(stored("Tóth Éva").value("nyilvszam").toInt(), 0);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(CirculationTest, DeletingAReaderWithALoanIsRefused)
{
    open();
    registerReader("Kiss Anna", "A1");
    registerReader("Nagy Béla", "A2", "f");
    db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz) values ('A1', 'K1', 'Könyv', 0)");
    dialogs.clear();
    searchFor(0, "A1");
    click("btnDelete");
    EXPECT_EQ(dialogs.texts("warning"),
        QStringList { "Az olvasó nem törölhető, mert kikölcsönzött dokumentumok vannak nála!" });
    EXPECT_EQ(readers(), 2);

    searchFor(0, "A2");
    dialogs.answerDelete(false);
    click("btnDelete");
    EXPECT_EQ(readers(), 2);
    dialogs.answerDelete(true);
    click("btnDelete");
    EXPECT_EQ(readers(), 1);
    EXPECT_FALSE(tab->hasReader());
    EXPECT_FALSE(child<QPushButton>("btnDelete")->isEnabled());
}

TEST_F(CirculationTest, BarcodeChangeMovesTheLoansWithTheReader)
{
    open();
    registerReader("Kiss Anna", "A1");
    for (const char* copy : { "K1", "K2" })
        db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz) values ('A1', ?, 'Könyv', 0)", { copy });
    db.exec("insert into kolcson (olvkod, vonalkod, doktipus, statusz) values ('A9', 'K3', 'Könyv', 0)");
    dialogs.clear();
    searchFor(0, "A1");
    click("btnBarcodeChange");
    EXPECT_TRUE(child<QLineEdit>("newBarcode")->isVisibleTo(window));
    child<QLineEdit>("newBarcode")->setText("B1");
    click("btnBarcodeSave");
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(stored("Kiss Anna").value("vonalkod").toString(), "B1");
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = 'B1'").toInt(), 2);
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = 'A9'").toInt(), 1);
    EXPECT_FALSE(child<QLineEdit>("newBarcode")->isVisibleTo(window));

    // A reader who cannot be saved keeps the loans: both or neither.
    searchFor(0, "B1");
    tab->choice("neme")->load(QVariant());
    click("btnBarcodeChange");
    child<QLineEdit>("newBarcode")->setText("C1");
    click("btnBarcodeSave");
    EXPECT_EQ(dialogs.texts("warning"), QStringList { "Válassza ki az olvasó nemét!" });
    EXPECT_EQ(db.scalar("select count(*) from kolcson where olvkod = 'B1'").toInt(), 2);
    EXPECT_EQ(stored("Kiss Anna").value("vonalkod").toString(), "B1");
}

TEST_F(CirculationTest, ANewTownsPostalCodeIsLearntAndFilledInForTheNextReader)
{
    open();
    click("btnNewReader");
    type("allvaros", "Zalaszentgrót");
    tab->townLeft(0);
    type("allirsz", "8790");
    tab->postalCodeLeft(0);
    tab->postalCodeLeft(0);
    type("nev", "Kiss Anna");
    type("vonalkod", "A1");
    tab->choice("neme")->choose("n");
    click("btnSave");
    EXPECT_EQ(db.scalar("select count(*) from irszam where helyseg = 'Zalaszentgrót'").toInt(), 1);

    click("btnNewReader");
    EXPECT_EQ(tab->form().text("allirsz"), "");
    type("allvaros", "Zalaszentgrót");
    tab->townLeft(0);
    EXPECT_EQ(tab->form().text("allirsz"), "8790");
    // The temporary address works the same way.
    type("idvaros", "Zalaszentgrót");
    tab->townLeft(1);
    EXPECT_EQ(tab->form().text("idirsz"), "8790");
    EXPECT_EQ(db.scalar("select count(*) from irszam where helyseg = 'Zalaszentgrót'").toInt(), 1);
}

TEST_F(CirculationTest, ReaderCardIsPrinted)
{
    open();
    click("btnNewReader");
    type("nev", "Kiss Anna");
    type("vonalkod", "A1");
    type("szhely", "Pécs");
    type("szulido", "2010.05.04.");
    type("anev", "Nagy Mária");
    type("allvaros", "Pécs");
    type("allcim", "Fő u. 1.");
    tab->choice("neme")->choose("n");
    click("btnSave");
    click("btnPrint");
    // The card opens in a new, modal card editor, one paragraph a line, the name in bold.
    auto* editor = host.last<catalogue::CardEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(editor->editor()->toPlainText().split(QLatin1Char('\n')),
        QStringList(
            { "Kiss Anna", "Pécs  2010.05.04.", "Nagy Mária", "Pécs  Fő u. 1.", "Beiratkozás dátuma: 2024.03.15." }));
    QTextCursor first(editor->editor()->document()->firstBlock());
    first.movePosition(QTextCursor::EndOfBlock);
    EXPECT_TRUE(first.charFormat().font().bold());
}

TEST_F(CirculationTest, HelpTexts)
{
    open();
    click("btnHelp");
    click("btnBarcodeHelp");
    const QStringList texts = dialogs.texts("information");
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.at(0).split('\n').size(), 6);
    EXPECT_TRUE(texts.at(0).startsWith("Új olvasó: új olvasó felvitele előtt kell megnyomni a gombot\n"));
    EXPECT_EQ(texts.at(1),
        "Ha az olvasónál van kikölcsönzött dokumentum,\nés elvesztette az olvasójegyét,\n"
        "itt cserélheti a vonalkódját.");
}

TEST_F(CirculationTest, NewReservationIsTheLoadedReaders)
{
    open();
    registerReader("Kiss Anna", "A1");
    searchFor(0, "A1");
    window->tabs()->setCurrentIndex(CirculationWindow::Reservations);
    auto* reservations = window->reservations();
    EXPECT_EQ(child<QLineEdit>("readerBarcode")->text(), "A1");
    EXPECT_EQ(child<QLineEdit>("readerName")->text(), "Kiss Anna");

    click("btnNewReservation");
    reservations->form().setValue("szerzo", "Gárdonyi Géza");
    reservations->form().setValue("cim", "Egri csillagok");
    click("btnSaveReservation");
    const QList<QVariantMap> rows = db.rows("select * from elojegyz");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().value("id").toInt(), 1);
    EXPECT_EQ(rows.first().value("olvkod").toString(), "A1");
    EXPECT_EQ(rows.first().value("cim").toString(), "Egri csillagok");
    EXPECT_EQ(rows.first().value("datum").toDate(), QDate(2024, 3, 15));
    EXPECT_EQ(rows.first().value("vissza").toString(), "0");
    EXPECT_EQ(reservations->grid()->model()->rowCount(), 1);

    // Without a reader "Mentés" writes nothing.
    child<QLineEdit>("readerBarcode")->setText("nincs");
    dialogs.clear();
    click("btnFindReader");
    click("btnNewReservation");
    reservations->form().setValue("cim", "Tüskevár");
    click("btnSaveReservation");
    EXPECT_EQ(db.scalar("select count(*) from elojegyz").toInt(), 1);

    // The list in title order; "Törlés" removes the current row.
    db.exec("insert into elojegyz (id, olvkod, cim, datum, vissza) values (5, 'A1', 'Abigél', '2024-03-20', '0')");
    child<QWidget>("orderByTitle")->setProperty("checked", true);
    reservations->reload();
    EXPECT_EQ(reservations->rows().value("cim").toString(), "Abigél");
    click("btnDeleteReservation");
    EXPECT_EQ(db.scalar("select count(*) from elojegyz where id = 5").toInt(), 0);
}

} // namespace
