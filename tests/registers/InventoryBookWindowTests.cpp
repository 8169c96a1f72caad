// The "Leltárkönyv" window as the librarian uses it: opened from its menu item, its buttons clicked.
#include "platform/MenuActions.h"
#include "platform/RowSetGrid.h"
#include "registers/AccessionTab.h"
#include "registers/InventoryBookWindow.h"
#include "registers/InventoryEntryTab.h"
#include "registers/InventoryListTab.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

using namespace zentar;

namespace {

class InventoryBookWindowTest : public test::DbTest {
protected:
    void SetUp() override
    {
        test::DbTest::SetUp();
        (*test::modules().windows.find(menu::InventoryBook))(context());
        window = host.last<registers::InventoryBookWindow>();
        ASSERT_TRUE(window);
    }

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
    template <typename T = QPushButton> T* find(const char* name)
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    template <typename T = QPushButton> T* in(QWidget* tab, const char* name)
    {
        T* w = tab->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    void type(const char* name, const QString& text)
    {
        auto* edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        edit->insert(text);
    }
    void search(int type, int criterion, const QString& text)
    {
        find<QComboBox>("doktipus")->setCurrentIndex(type);
        find<QComboBox>("szempont")->setCurrentIndex(criterion);
        find<QLineEdit>("keresoszoveg")->setText(text);
        find("btnSearch")->click();
    }
    QVariant current(const char* column) { return window->rows().value(QString::fromLatin1(column)); }
    QString countShown() { return find<QLabel>("talalat")->text(); }
    QVariant stored(int id, const char* column)
    {
        return db.scalar(QStringLiteral("select %1 from lkonyv where id = ?").arg(QString::fromLatin1(column)), { id });
    }

    registers::InventoryBookWindow* window = nullptr;
};

TEST_F(InventoryBookWindowTest, OpensFromItsMenuItemWithThreeTabs)
{
    EXPECT_EQ(window->windowTitle(), "Leltárkönyv");
    QTabWidget* tabs = window->tabs();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Adatbevitel");
    EXPECT_EQ(tabs->tabText(1), "Lista");
    EXPECT_EQ(tabs->tabText(2), "Gyarapodási jegyzék");
    EXPECT_EQ(find<QComboBox>("doktipus")->currentText(), "Könyv");
    EXPECT_EQ(find<QComboBox>("szempont")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("szempont")->placeholderText(), "Leltári szám");
    EXPECT_EQ(find<QSpinBox>("ev")->value(), 2024);
    QPointer<QWidget> guard(window);
    find("btnExit")->click();
    EXPECT_TRUE(guard.isNull() || !guard->isVisible());
}

TEST_F(InventoryBookWindowTest, NewLineInAnEmptyTableGetsIdOneAndLaterSavesStampTheChange)
{
    context().login.setLibrarianName("Kiss Anna");
    find("btnNew")->click();
    EXPECT_TRUE(window->entryTab()->isNewLine());
    type("cim", "Egri csillagok");
    type("lszam", "12");
    find<QRadioButton>("megvaneIgen")->click();
    find<QComboBox>("doktipus")->setCurrentIndex(1); // AV
    find("btnSave")->click();
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(db.scalar("select count(*) from lkonyv").toInt(), 1);
    EXPECT_EQ(stored(1, "cim").toString(), "Egri csillagok");
    EXPECT_EQ(stored(1, "doktipus").toString(), "AV");
    EXPECT_EQ(stored(1, "megvane").toString(), "i");
    // A new line gets neither the changer's stamp nor the creator and entry date from this window.
    EXPECT_TRUE(stored(1, "kvtaros2").isNull());
    EXPECT_TRUE(stored(1, "kelet").isNull());
    EXPECT_FALSE(find("btnSave")->isEnabled());
    EXPECT_FALSE(window->entryTab()->isNewLine());

    // Changed again: saved under the search panel's type, with the librarian and today.
    find<QComboBox>("doktipus")->setCurrentIndex(0);
    type("szerzo", "Gárdonyi Géza");
    ASSERT_TRUE(find("btnSave")->isEnabled());
    find("btnSave")->click();
    EXPECT_EQ(stored(1, "szerzo").toString(), "Gárdonyi Géza");
    EXPECT_EQ(stored(1, "doktipus").toString(), "Könyv");
    EXPECT_EQ(stored(1, "kvtaros2").toString(), "Kiss Anna");
    EXPECT_EQ(stored(1, "mdatum").toDate(), QDate(2024, 3, 15));

    find("btnNew")->click();
    type("cim", "Második");
    find("btnSave")->click();
    EXPECT_EQ(stored(2, "cim").toString(), "Második");
}

TEST_F(InventoryBookWindowTest, SearchesByAuthorPrefixTitleSubstringAndNumber)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 1 }, { "szerzo", "Gárdonyi Géza" },
        { "cim", "Egri csillagok" } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lszam", 2 }, { "szerzo", "Jókai Mór" },
        { "cim", "A kőszívű ember fiai" } });
    addLine({ { "id", 3 }, { "doktipus", "AV" }, { "lszam", 2 }, { "szerzo", "Gárdonyi Géza" },
        { "cim", "Egri csillagok (film)" } });

    search(0, 0, "GÁR");
    EXPECT_EQ(countShown(), "1");
    EXPECT_EQ(current("id").toInt(), 1);
    EXPECT_TRUE(find("btnSave")->isEnabled());
    search(0, 1, "SZÍVŰ");
    EXPECT_EQ(current("id").toInt(), 2);
    search(1, 1, "csillag");
    EXPECT_EQ(current("id").toInt(), 3);
    search(0, 2, "2");
    EXPECT_EQ(current("id").toInt(), 2);
    search(0, -1, "x' or '1'='1");
    EXPECT_EQ(countShown(), "0");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_FALSE(find("btnSave")->isEnabled());
}

TEST_F(InventoryBookWindowTest, PreviousAndNextStepOrWalkTheBookByInventoryNumber)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 1 }, { "cim", "Egy" } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lszam", 2 }, { "cim", "Kettő" } });
    addLine({ { "id", 4 }, { "doktipus", "Periodika" }, { "lszam", 4 }, { "cim", "Négy" } });
    addLine({ { "id", 5 }, { "doktipus", "Könyv" }, { "lszam", 5 }, { "cim", "Öt" } });

    // One line numbered 1, no criterion chosen: both buttons do nothing.
    search(0, -1, "1");
    ASSERT_EQ(countShown(), "1");
    for (const char* button : { "btnPrevious", "btnNext", "btnPrevious" }) {
        find(button)->click();
        EXPECT_EQ(current("lszam").toInt(), 1) << button;
        EXPECT_EQ(window->rows().count(), 1);
    }
    EXPECT_EQ(find<QLineEdit>("cim")->text(), "Egy");

    // Number 5: the buttons walk the book, whatever the document type.
    search(0, -1, "5");
    find("btnPrevious")->click();
    EXPECT_EQ(current("id").toInt(), 4);
    EXPECT_EQ(find<QLineEdit>("cim")->text(), "Négy");
    // Saving overwrites the line's document type with the search panel's.
    find("btnSave")->click();
    EXPECT_EQ(stored(4, "doktipus").toString(), "Könyv");
    find("btnNext")->click();
    EXPECT_EQ(current("id").toInt(), 5);

    // With a criterion chosen the buttons only step within the result.
    search(0, 2, "2");
    find("btnPrevious")->click();
    find("btnNext")->click();
    EXPECT_EQ(current("id").toInt(), 2);
    EXPECT_EQ(window->rows().count(), 1);
}

TEST_F(InventoryBookWindowTest, DeleteAsksTheSharedConfirmation)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 1 }, { "cim", "Egy" } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lszam", 1 }, { "cim", "Másik egy" } });
    search(0, -1, "1");
    ASSERT_EQ(countShown(), "2");
    dialogs.answerDelete(false);
    find("btnDelete")->click();
    EXPECT_EQ(db.scalar("select count(*) from lkonyv").toInt(), 2);
    dialogs.answerDelete(true);
    find("btnDelete")->click();
    EXPECT_EQ(db.scalar("select count(*) from lkonyv").toInt(), 1);
    EXPECT_EQ(countShown(), "1");
    EXPECT_EQ(current("id").toInt(), 2);
    EXPECT_TRUE(dialogs.allAnswersUsed());
    // The list tab shows the same rows and totals.
    EXPECT_EQ(window->listTab()->totals().rows, 1);
}

TEST_F(InventoryBookWindowTest, ListShowsTotalsMovesTheCurrentLineAndPreviewsBothLayouts)
{
    db.exec("update konyvtar set kvtnev = ?", { "Petőfi Gimnázium" });
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 30 }, { "cim", "Alma" }, { "gynyt", "2024/1" },
        { "egyszam", 1 }, { "ar", 1000.5 } });
    addLine({ { "id", 2 }, { "doktipus", "Könyv" }, { "lszam", 10 }, { "cim", "Cseresznye" }, { "gynyt", "2024/1" },
        { "egyszam", 2 }, { "ar", 0.0 } });
    addLine({ { "id", 3 }, { "doktipus", "AV" }, { "lszam", 20 }, { "cim", "Barack" }, { "gynyt", "2024/1" },
        { "egyszam", 1 }, { "ar", 5.0 } });
    QWidget* tab = window->listTab();

    // No type chosen and none used before: an empty list.
    in<QLineEdit>(tab, "listErtek")->setText("2024/1");
    in(tab, "btnList")->click();
    EXPECT_EQ(in<QLabel>(tab, "talalatokSzama")->text(), "Találatok száma: 0 db");
    // The type last used by a search.
    search(1, -1, "20");
    in(tab, "btnList")->click();
    EXPECT_EQ(in<QLabel>(tab, "talalatokSzama")->text(), "Találatok száma: 1 db");

    in<QComboBox>(tab, "listDoktipus")->setCurrentIndex(0);
    in(tab, "btnList")->click();
    EXPECT_EQ(in<QLabel>(tab, "talalatokSzama")->text(), "Találatok száma: 2 db");
    EXPECT_EQ(in<QLabel>(tab, "egysegszam")->text(), "Egységszám: 3 db");
    EXPECT_EQ(in<QLabel>(tab, "ertek")->text(), "Érték: 1000,5 Ft");
    auto* grid = in<platform::RowSetGrid>(tab, "listGrid");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->model()->headerData(15, Qt::Horizontal).toString(), "gynyt");
    // The list moves the data-entry tab's line.
    window->rows().setCurrentIndex(1);
    EXPECT_EQ(find<QLineEdit>("cim")->text(), "Alma");

    in(tab, "btnPrintPortrait")->click();
    in(tab, "btnPrintLandscape")->click();
    ASSERT_EQ(printer->previews.size(), 2);
    const QString heading = "Petőfi Gimnázium       Egész könyvtár";
    EXPECT_EQ(printer->previews.at(0).orientation, QPageLayout::Portrait);
    EXPECT_EQ(printer->previews.at(0).pages.first().lines().first(), heading);
    EXPECT_TRUE(printer->previews.at(0).pages.last().lines().contains("Összesen: 3 1000,5"));
    EXPECT_EQ(printer->previews.at(1).orientation, QPageLayout::Landscape);
    EXPECT_TRUE(printer->previews.at(1).pages.last().lines().last().startsWith(heading));

    // Title order; the upper end belongs to the number range only.
    EXPECT_FALSE(in<QLineEdit>(tab, "listIg")->isEnabled());
    in<QComboBox>(tab, "listSzempont")->setCurrentIndex(1);
    EXPECT_TRUE(in<QLineEdit>(tab, "listIg")->isEnabled());
    in<QLineEdit>(tab, "listErtek")->setText("1");
    in<QLineEdit>(tab, "listIg")->setText("29");
    in<QRadioButton>(tab, "orderCim")->click();
    in(tab, "btnList")->click();
    EXPECT_EQ(window->rows().count(), 1);
    in<QLineEdit>(tab, "listIg")->setText("");
    in(tab, "btnList")->click();
    EXPECT_EQ(window->rows().valueAt(0, "cim").toString(), "Alma");
    EXPECT_EQ(window->rows().valueAt(1, "cim").toString(), "Cseresznye");
    in<QLineEdit>(tab, "listIg")->setText("harminc");
    in(tab, "btnList")->click();
    EXPECT_EQ(dialogs.texts("warning"), QStringList { "A leltári szám csak egész szám lehet: harminc" });
}

TEST_F(InventoryBookWindowTest, ExportWritesTheBookIntoTheWorkingFolderAndNamesThePath)
{
    addLine({ { "id", 1 }, { "doktipus", "Könyv" }, { "lszam", 3 }, { "cim", "Tűzvész" }, { "ar", 0.0 },
        { "kelet", QDate(2000, 1, 1) } });
    window->findChild<QPushButton*>("btnExport")->click();
    const QString path = workDir.filePath("leltarkonyv.txt");
    EXPECT_EQ(dialogs.texts("information"),
        QStringList { QStringLiteral("Kész, az adatok a %1 fájlban találhatók").arg(QDir::toNativeSeparators(path)) });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
        QByteArray("doktipus|lbetu|lszam|lszam2|kelet|szerzo|cim|kotet|kiadev|egysszam|szakj|raktj|"
                   "beszmod|ar|pnem|gynyt|lhely\r\n"
                   "K\xF6nyv||3||||T\xFBzv\xE9sz|||||||||||\r\n"));
}

TEST_F(InventoryBookWindowTest, AccessionListAndBreakdownOfTheYear)
{
    db.exec("insert into konyv (id, doktipus, raktj, fc, isbn, kotes) values (1, 'Könyv', 'K 11', 'Kőszív', '111#222', "
            "'kötött')");
    db.exec("insert into kpld (sorszam, id, lszam, lhely, beszdatum) values (1, 1, 8, 'Olvasóterem', '2024')");
    db.exec("insert into kpld (sorszam, id, lszam, beszdatum) values (2, 1, 9, '2023')");
    db.exec("insert into lhely (lhely) values ('Olvasóterem')");
    addLine({ { "id", 1 }, { "gynyt", "2024/1" }, { "lhely", "Olvasóterem" }, { "egyszam", 2 } });
    auto* tab = window->accessionTab();

    in(tab, "btnAccessionList")->click();
    EXPECT_EQ(in<QLabel>(tab, "beszerzettDb")->text(), "Beszerzett dokumentumok száma: 1");
    const QString path = workDir.filePath("gyjegyz.txt");
    EXPECT_EQ(dialogs.texts("information"),
        QStringList { QStringLiteral("A gyarapodási jegyzék elkészült.\nLista a \"%1\" file-ba elmentve!")
                          .arg(QDir::toNativeSeparators(path)) });
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        file.readAll(), QByteArray("  K 11  K\xF5sz\xEDv  ISBN 111    k\xF6t\xF6tt  ISBN 222  8  Olvas\xF3terem\r\n"));

    in(tab, "btnBreakdown")->click();
    auto* grid = in<QTableWidget>(tab, "lelohelyGrid");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Lelőhely");
    EXPECT_EQ(grid->item(0, 0)->text(), "Olvasóterem");
    EXPECT_EQ(grid->item(0, 1)->text(), "2");
    EXPECT_EQ(grid->item(1, 0)->text(), "Összesen:");
    EXPECT_EQ(grid->item(1, 1)->text(), "2");
    in(tab, "btnPrintBreakdown")->click();
    ASSERT_EQ(printer->previews.size(), 1);
    EXPECT_EQ(printer->previews.first().pages.first().lines().mid(0, 4),
        (QStringList { "Gyarapodás lelőhelyek szerint", "Lelőhely db", "Olvasóterem 2", "Összesen: 2" }));
}

} // namespace
