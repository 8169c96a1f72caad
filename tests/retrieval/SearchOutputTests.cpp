#include "platform/MenuActions.h"
#include "platform/TextFile.h"
#include "retrieval/SearchOutput.h"
#include "retrieval/SearchWindow.h"
#include "catalogue/CardEditor.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>

using namespace zentar;
using namespace zentar::retrieval;

namespace {

class SearchOutputTest : public test::DbTest {
protected:
    void SetUp() override
    {
        test::DbTest::SetUp();
        // A book with an analytic entry, a single subject heading, two ISBNs, price and binding;
        // one copy at home, one on loan, one discarded.
        db.exec("insert into konyv (id, doktipus, szakj, raktj, szerzo, fc, ac, szerad, kiadas, kiadev, ter, isbn, "
                "kotes, ar, pnem, tszo, nyelv, sc1, sorszam) values (1, 'Könyv', '894.511', 'K 12', 'Kosztolányi "
                "Dezső', 'Esti Kornél', 'novellák', 'Kosztolányi Dezső', 'Budapest : Osiris', '2004', '320 p.', "
                "'963-389-111-1#963-389-222-2', 'kötött', 2490, ',-Ft', 'magyar irodalom', 'magyar', 'Osiris "
                "klasszikusok', '12')");
        db.exec("insert into kv_an (id, konyvid, szerzo, fc, ac, ter, tszo, tft) values (1, 1, 'Kosztolányi Dezső', "
                "'Esti Kornél csodálatos utazása', 'novella', '12-20. p.', 'utazás#humor', 'Esti Kornél')");
        db.exec("insert into kpld (sorszam, id, lbetu, lszam, lszam2, beszdatum, statusz, lhely, vonalkod) values "
                "(1, 1, 'K', 101, 0, '2024', '3 hét', 'Felnőtt', 'B101')");
        db.exec("insert into kpld (sorszam, id, lszam, beszdatum, statusz, lhely, vonalkod, kotszam) values "
                "(2, 1, 102, '2024', '3 hét', 'Gyerek', 'B102', '2')");
        db.exec("insert into kpld (sorszam, id, lszam, lszam2, statusz, lhely, vonalkod) values "
                "(3, 1, 103, 2, 'Selejtezve', 'Felnőtt', 'B103')");
        db.exec("insert into kszerzo (sorszam, doktipus, id, szerzo) values (1, 'Könyv', 1, 'Kosztolányi Dezső')");
        db.exec("insert into kcim (sorszam, doktipus, id, cim) values (1, 'Könyv', 1, 'Esti Kornél')");
    }
    void lend(const QString& barcode, const QString& reader, const QDate& due)
    {
        // The loan table comes with circulation; created here when this build has none yet.
        if (db.scalar("select count(*) from rdb$relations where rdb$relation_name = 'KOLCSON'").toInt() == 0)
            db.exec("create table kolcson (olvkod varchar(20), vonalkod varchar(40), lejardatum date)");
        db.exec("insert into kolcson (olvkod, vonalkod, lejardatum) values (?, ?, ?)", {reader, barcode, due});
    }
    static QStringList texts(const OutputLines& lines)
    {
        QStringList out;
        for (const OutputLine& line : lines)
            out << line.text;
        return out;
    }
    void TearDown() override
    {
        host.closeAll();
        test::DbTest::TearDown();
    }
};

const QStringList kCopies = {
    " ", "Példányadatok:",
    "Leltári szám:  K 101      Besz. dátum: 2024  3 hét     Lelőhely: Felnőtt", "A dokumentum bent van.",
    "Leltári szám:   102    Kötet:  2      Besz. dátum: 2024  3 hét     Lelőhely: Gyerek",
    "Kikölcsönözve. Az olvasó vonalkódja: R77  Lejárati idő: 2024.04.05.",
    "Leltári szám:   103/2  Selejtezve     Lelőhely: Felnőtt", ""};

const QStringList kAnalytics = {" ", "Analitika:", "Kosztolányi Dezső",
                                "Esti Kornél csodálatos utazása : novella. — 12-20. p.", "   Tft.: Esti Kornél",
                                "         utazás", "          humor", " "};

TEST_F(SearchOutputTest, RecordDisplayWithAnalyticsCopiesAndLoans)
{
    lend("B102", "R77", QDate(2024, 4, 5));
    RecordOutput output(db);
    const OutputLines lines = output.display(1);
    QStringList expected = {"Szakjelzet : 894.511", "Raktári jelzet: K 12", "Szerző:  Kosztolányi Dezső",
                            "Főcím:  Esti Kornél", "Alcím:  novellák", "Szerzőségi adatcsoport: Kosztolányi Dezső",
                            "Kiadás: Budapest : Osiris", "Kiadási év: 2004", "Terjedelem:  320 p.",
                            "Sorozat címe: Osiris klasszikusok", "Sorozat száma:  12",
                            "ISBN :  963-389-111-1#963-389-222-2", "Kötés:  kötött", "Ár: 2490,-Ft",
                            "Tárgyszó:  magyar irodalom", "A dokumentum nyelve:  magyar"};
    expected << kAnalytics << kCopies;
    EXPECT_EQ(texts(lines), expected);
    // Only the two block titles are bold.
    QStringList bold;
    for (const OutputLine& line : lines)
        if (line.bold)
            bold << line.text;
    EXPECT_EQ(bold, (QStringList{"Analitika:", "Példányadatok:"}));
}

TEST_F(SearchOutputTest, CardTextOfABookWithCopiesAndAnalytics)
{
    lend("B102", "R77", QDate(2024, 4, 5));
    RecordOutput output(db);
    QStringList expected = {"894.511", "K 12", "Kosztolányi Dezső",
                            "    Esti Kornél : novellák / Kosztolányi Dezső. — Budapest : Osiris, 2004. — 320 p.. — "
                            "(Osiris klasszikusok ; 12.)",
                            "ISBN 963-389-111-1    kötött : 2490,-Ft", "ISBN 963-389-222-2",
                            "                    magyar irodalom"};
    expected << kCopies << kAnalytics;
    EXPECT_EQ(texts(output.cardText(1)), expected);
}

TEST_F(SearchOutputTest, WithoutTheLoanTableEveryCopyIsAtHome)
{
    // An older database without the loan table still shows its copies.
    db.exec("drop table kolcson");
    RecordOutput output(db);
    EXPECT_EQ(texts(output.display(1)).count("A dokumentum bent van."), 2);
}

TEST_F(SearchOutputTest, NoCopiesNoBlockAndNoPriceOfZero)
{
    const QVariantMap record = {{"fc", "Cím"}, {"ar", 0}, {"pnem", ",-Ft"}, {"isbn", "7"}, {"tszo", "a#b"}};
    EXPECT_EQ(texts(cardTextLines(record)), (QStringList{"    Cím", "7", "                   a",
                                                         "                    b"}));
    LoanLookup loans(db);
    EXPECT_TRUE(copiesBlock({}, loans).isEmpty());
    EXPECT_TRUE(analyticsBlock({}).isEmpty());
    EXPECT_EQ(texts(recordFieldLines(record)), (QStringList{"Főcím:  Cím", "ISBN :  7", "Tárgyszó:  a#b"}));
}

TEST_F(SearchOutputTest, CardRecordsFollowHitOrderWithoutAnalyticRecords)
{
    HitList hits;
    hits.columns = {"doktipus", "id"};
    hits.rows = {{"Könyv", 5}, {"Könyv AN", 6}, {"AV", 7}};
    EXPECT_EQ(cardRecordIds(hits, {2, 1, 0}), (QList<int>{5, 7}));
}

TEST_F(SearchOutputTest, SavedListLayout)
{
    HitList hits;
    hits.kind = HitList::Kind::Search;
    hits.criterion = Criterion::Title;
    hits.columns = {"szakj", "raktj", "szerzo", "cim", "fc", "kiadas"};
    hits.rows = {{"894", "K 12", "Kosztolányi Dezső", "Esti Kornél", "Esti", "Budapest : Osiris"},
                 {QVariant(), QVariant(), QVariant(), "Őszi kert", "Ősz", QVariant()}};
    EXPECT_EQ(savedListLines(hits),
              (QStringList{"", "", "          Könyv lista",
                           "Kosztolányi Dezső :  Esti Kornél   894  K 12     Budapest : Osiris", " :  Őszi kert"}));
    hits.criterion = Criterion::Subject;
    EXPECT_EQ(savedListLines(hits).at(3), "Kosztolányi Dezső :  Esti   894  K 12");
}

TEST_F(SearchOutputTest, TheWindowFromTheMenu)
{
    const auto* opener = test::modules().windows.find(QString::fromLatin1(menu::SearchCatalogue));
    ASSERT_NE(opener, nullptr);
    const QString login = QStringLiteral("KV1");
    context().login.setLibrarianCode(login);
    (*opener)(context());
    auto* window = host.last<SearchWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(context().login.librarianCode(), login); // opening the search changes no login state
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keresés: könyv, AV (video), multimédia, hangzó (zene, "
                                                    "hangoskönyv), szakdolgozat, disszertáció, analitikus kiadvány"));
    auto* criterion = window->findChild<QComboBox*>("criterion");
    auto* text = window->findChild<QLineEdit*>("searchText");
    auto* second = window->findChild<QLineEdit*>("secondValue");
    auto* grid = window->findChild<QTableView*>("hitGrid");
    auto* show = window->findChild<QPushButton*>("showButton");
    auto* count = window->findChild<QLabel*>("hitCount");
    EXPECT_EQ(criterion->count(), 14);
    EXPECT_EQ(window->findChild<QComboBox*>("lhely")->itemText(0), kEverywhere);
    for (int i = 0; i < 14; ++i) {
        criterion->setCurrentIndex(i);
        EXPECT_EQ(second->isEnabled(), i == 0 || i == 1 || i == 4 || i == 11) << i;
    }

    criterion->setCurrentIndex(13);
    text->setText("x");
    window->findChild<QPushButton*>("searchButton")->click();
    EXPECT_EQ(dialogs.texts("information"), QStringList{"Kérem adjon meg pontosabb adatot!"});

    criterion->setCurrentIndex(0);
    text->setText("koszto");
    window->findChild<QPushButton*>("searchButton")->click();
    EXPECT_EQ(count->text(), "2 db"); // one row per location (and volume)
    EXPECT_FALSE(show->isEnabled());
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(), "Szerző és szerzőségi adatok");
    EXPECT_EQ(grid->columnWidth(8), 145);
    EXPECT_TRUE(grid->isColumnHidden(10));

    grid->selectRow(0);
    emit grid->clicked(grid->model()->index(0, 0));
    EXPECT_EQ(window->selectedRecordId(), 1);
    EXPECT_TRUE(show->isEnabled());
    show->click();
    auto* display = host.last<catalogue::CardEditor>();
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->plainText().contains("Példányadatok:"));

    grid->selectAll();
    window->findChild<QPushButton*>("cardButton")->click();
    auto* card = host.last<catalogue::CardEditor>();
    ASSERT_NE(card, display);
    EXPECT_EQ(card->windowTitle(), "Bibliográfiai leírás katalógus cédula formátum");
    EXPECT_EQ(card->plainText().count("    Esti Kornél : novellák"), 2);

    window->findChild<QPushButton*>("printButton")->click();
    ASSERT_EQ(printer->previews.size(), 1);
    const auto& page = printer->previews.first().pages.first();
    EXPECT_TRUE(page.contains(QStringLiteral("Sorszám szakj. rakt.          szerző")));
    EXPECT_TRUE(page.lines().last().contains(QStringLiteral("2 894.511 K 12 Kosztolányi Dezső Esti Kornél 2004")))
        << page.lines().join('\n').toStdString();

    context().folders.exports = workDir.filePath("export/lists");
    window->findChild<QPushButton*>("saveListButton")->click();
    const QString path = workDir.filePath("export/lists/konyv.txt");
    EXPECT_EQ(dialogs.texts("information").last(),
              QStringLiteral("Az adatok a \"%1\" file-ban találhatók!").arg(QDir::toNativeSeparators(path)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\r\n\r\n          K\xF6nyv lista\r\nKosztol\xE1nyi"));

    window->findChild<QPushButton*>("newestButton")->click();
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(count->text(), "2 db"); // the newest list leaves the count alone
}

} // namespace
