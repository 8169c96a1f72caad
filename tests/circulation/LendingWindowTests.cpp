#include "circulation/CirculationWindow.h"
#include "circulation/HistoryTab.h"
#include "circulation/LendingTab.h"
#include "platform/MenuActions.h"
#include "platform/TextFile.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace zentar;
using circulation::CirculationWindow;

namespace {

class LendingWindowTest : public test::DbTest {
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        context().login.setLibrarianName("Kovács Ilona");
        context().login.setDepartment("Felnőtt");
        db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Diák', 5, 0)");
        db.exec("insert into olvkat (katnev, kolcsdok, tagdij) values ('Tiltott', 0, 0)");
        addReader(1, "Kiss Anna", "R1");
        addReader(2, "Nagy Béla", "R2");
        db.exec("insert into konyv (id, doktipus, szerzo, fc) values (1, 'Könyv', 'Gárdonyi Géza', 'Egri csillagok')");
        db.exec(
            "insert into konyv (id, doktipus, szerzo, fc) values (2, 'Könyv', 'Jókai Mór', 'A kőszívű ember fiai')");
        addCopy(1, 1, "B1");
        addCopy(2, 1, "B2");
        addCopy(3, 2, "B3");
        (*test::modules().windows.find(menu::Circulation))(context());
        window = host.last<CirculationWindow>();
        ASSERT_NE(window, nullptr);
        window->tabs()->setCurrentIndex(CirculationWindow::Lending);
    }
    void addReader(int id, const QString& name, const QString& barcode, const QString& category = "Diák")
    {
        db.exec("insert into olvaso (id, nyilvszam, nev, vonalkod, reszleg, keskod, kat, neme, beirdatum) "
                "values (?, ?, ?, ?, 'Felnőtt', 0, ?, 'n', ?)",
            { id, id, name, barcode, category, QDate(2024, 1, 10) });
    }
    void addCopy(int serial, int record, const QString& barcode)
    {
        db.exec("insert into kpld (sorszam, id, vonalkod, lszam, statusz) values (?, ?, ?, ?, '3 hét')",
            { serial, record, barcode, 100 + serial });
    }
    template <typename T> T* child(const char* name) const
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // A scanner types the code and Enter.
    void scan(const char* fieldName, const QString& code)
    {
        auto* field = child<QLineEdit>(fieldName);
        field->clear();
        QTest::keyClicks(field, code);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void scanReader(const QString& barcode)
    {
        child<QComboBox>("readerSearchBy")->setCurrentIndex(0);
        scan("readerSearchText", barcode);
    }
    bool enabled(const char* name) { return child<QPushButton>(name)->isEnabled(); }
    int count(const QString& sql) { return db.scalar(sql).toInt(); }

    CirculationWindow* window = nullptr;
};

TEST_F(LendingWindowTest, ScannedCopiesLendThemselvesAndAnotherReadersCopyLoadsTheBorrower)
{
    scanReader("R1");
    EXPECT_EQ(child<QLineEdit>("lendingReaderName")->text(), "Kiss Anna");
    EXPECT_EQ(child<QLineEdit>("lendingKolcsdok")->text(), "5");
    scan("docSearchText", "B1");
    scan("docSearchText", "B3");
    EXPECT_EQ(count("select count(*) from kolcson where olvkod = 'R1'"), 2);
    EXPECT_EQ(child<QTableWidget>("loans")->rowCount(), 2);
    EXPECT_EQ(child<QLabel>("loanCount")->text(), "Száma : 2");
    EXPECT_EQ(child<QLabel>("lendingStatus")->text(), "Kölcsönzés OK.");
    EXPECT_TRUE(child<QLineEdit>("docSearchText")->text().isEmpty()); // ready for the next scan
    EXPECT_EQ(count("select count(*) from kolcsdok"), 2);
    EXPECT_EQ(count("select count(*) from latogato"), 1);

    // The second reader scans the first reader's copy: the borrower is loaded, the indicators
    // blink, return and extension are offered.
    scanReader("R2");
    EXPECT_EQ(child<QTableWidget>("loans")->rowCount(), 0);
    scan("docSearchText", "B1");
    EXPECT_EQ(child<QLineEdit>("lendingReaderName")->text(), "Kiss Anna");
    EXPECT_TRUE(window->lending()->blinking());
    EXPECT_FALSE(enabled("btnLend"));
    EXPECT_TRUE(enabled("btnExtend"));
    EXPECT_TRUE(enabled("btnReturn"));
    EXPECT_EQ(child<QLineEdit>("newDue")->text(), "2024.04.05.");

    child<QPushButton>("btnReturn")->click();
    EXPECT_FALSE(window->lending()->blinking());
    EXPECT_EQ(count("select count(*) from kolcson"), 1);
    EXPECT_EQ(child<QTableWidget>("loans")->rowCount(), 1);
    EXPECT_FALSE(enabled("btnReturn"));

    // A click on the loan selects it for extension.
    child<QTableWidget>("loans")->setCurrentCell(0, 0);
    window->lending()->selectLoan(0);
    EXPECT_TRUE(enabled("btnExtend"));
    child<QPushButton>("btnExtend")->click();
    EXPECT_EQ(count("select statusz from kolcson"), 1);

    child<QPushButton>("btnPrintReceipt")->click();
    ASSERT_EQ(printer->printed.size(), 1);
    EXPECT_TRUE(dialogs.texts("error").isEmpty()) << dialogs.texts().join("\n").toStdString();
}

TEST_F(LendingWindowTest, SeveralCopiesWaitForTheButtonAndAZeroAllowanceRefuses)
{
    scanReader("R1");
    child<QComboBox>("docSearchBy")->setCurrentIndex(2); // "Sorszám"
    scan("docSearchText", "1");
    EXPECT_EQ(child<QLabel>("docCount")->text(), "2 db");
    EXPECT_EQ(count("select count(*) from kolcson"), 0);
    EXPECT_TRUE(enabled("btnDocNext"));
    child<QPushButton>("btnDocNext")->click();
    EXPECT_EQ(child<QLineEdit>("docSearchText")->text(), "B2");
    EXPECT_TRUE(enabled("btnLend"));
    child<QPushButton>("btnLend")->click();
    EXPECT_EQ(db.scalar("select vonalkod from kolcson").toString(), "B2");

    addReader(3, "Tóth Ede", "R3", "Tiltott");
    scanReader("R3");
    dialogs.clear();
    child<QComboBox>("docSearchBy")->setCurrentIndex(0);
    scan("docSearchText", "B3");
    EXPECT_EQ(dialogs.texts("information"), QStringList { "Az olvasó nem kölcsönözhet!" });
    EXPECT_EQ(count("select count(*) from kolcson"), 1);
}

TEST_F(LendingWindowTest, HistoryFindsTheReadersLoansAndSavesTheList)
{
    scanReader("R1");
    scan("docSearchText", "B1");
    scan("docSearchText", "B3");
    window->tabs()->setCurrentIndex(CirculationWindow::History);
    scan("historyReaderText", "R1");
    EXPECT_EQ(child<QLabel>("historyCount")->text(), "Találatok száma: 2 db");

    child<QComboBox>("historyDocumentBy")->setCurrentIndex(1);
    scan("historyDocumentText", " EGRI ");
    EXPECT_EQ(child<QLabel>("historyCount")->text(), "Találatok száma: 1 db");

    child<QComboBox>("historyMonth")->setCurrentIndex(12); // "Év összesen"
    child<QPushButton>("btnHistoryPeriod")->click();
    EXPECT_EQ(child<QLabel>("historyCount")->text(), "Találatok száma: 2 db");
    EXPECT_TRUE(child<QTableWidget>("historyGrid")->isColumnHidden(7));
    child<QComboBox>("historyMonth")->setCurrentIndex(1); // February
    child<QPushButton>("btnHistoryPeriod")->click();
    EXPECT_EQ(child<QLabel>("historyCount")->text(), "Találatok száma: 0 db");

    scan("historyReaderText", "R1");
    child<QPushButton>("btnHistorySave")->click();
    const QString path = context().folders.exportFile("doklista.txt");
    EXPECT_EQ(dialogs.texts("information").last(), QString("Az adatok a \"%1\" file-ban találhatók!").arg(path));
    const QStringList lines = platform::readTextFile(path);
    EXPECT_TRUE(lines.contains("Egri csillagok  2024.03.15.")) << lines.join("|").toStdString();
}

} // namespace
