#include "support/QtPrinters.h"
#include "catalogue/BookAnalyticsTab.h"
#include "catalogue/BookCopiesTab.h"
#include "catalogue/BookRecordTab.h"
#include "catalogue/BookWindow.h"
#include "catalogue/CardEditor.h"
#include "platform/FunctionKeyInput.h"
#include "platform/MenuActions.h"
#include "platform/TextFile.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

using namespace zentar;
using namespace zentar::catalogue::book;
using zentar::test::DbTest;

namespace {

class BookWindowTest : public DbTest {
protected:
    BookWindow* open(const char* action)
    {
        context().login.setLibrarianName(QStringLiteral("Kiss Anna"));
        const auto* opener = test::modules().windows.find(QString::fromLatin1(action));
        EXPECT_NE(opener, nullptr);
        if (!opener)
            return nullptr;
        (*opener)(context());
        return host.last<BookWindow>();
    }

    static void type(platform::DataForm& form, const QString& column, const QString& text)
    {
        form.setValue(column, text);
    }
};

TEST_F(BookWindowTest, MenuItemsOpenTheirModes)
{
    struct Case {
        const char* action;
        const char* caption;
        const char* docType;
        const char* isbn;
        QStringList disabled;
        bool analytic;
    };
    const Case cases[] = {
        {menu::CatalogueBook, "Katalogizálás: könyv", "Könyv", "ISBN:", {}, true},
        {menu::CatalogueVideo, "Katalogizálás: AV (video)", "AV", "Azonosító szám:", {"kiegadat", "nyomda"}, false},
        {menu::CatalogueMultimedia, "Katalogizálás: multimédia", "Multimédia", "Azonosító jel:",
         {"kiegadat", "pc", "pac", "nyomda"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        BookWindow* window = open(c.action);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(context().login.documentType(), QString::fromUtf8(c.docType));
        platform::DataForm& form = window->recordTab()->form();
        EXPECT_EQ(form.label("isbn")->text(), QString::fromUtf8(c.isbn));
        for (const QString column : {"kiegadat", "pc", "pac", "nyomda", "szerzo", "fc"})
            EXPECT_EQ(form.editor(column)->isEnabled(), !c.disabled.contains(column)) << column.toStdString();
        EXPECT_EQ(window->tabs()->isTabVisible(2), c.analytic);
        EXPECT_EQ(window->tabs()->count(), 4);
    }
    // Each choice opens a window of its own.
    BookWindow* first = open(menu::CatalogueBook);
    EXPECT_NE(open(menu::CatalogueBook), first);
}

TEST_F(BookWindowTest, RecordCopiesAndSearchThroughTheWindow)
{
    db.exec("update konyvtar set kvtkod = 'ISK1'");
    db.exec("insert into kvtarkod (kvtarkod) values ('ISK1')");
    BookWindow* window = open(menu::CatalogueBook);
    ASSERT_NE(window, nullptr);
    BookRecordTab* record = window->recordTab();
    platform::DataForm& form = record->form();

    // Without a title nothing is written and the typed data stays.
    type(form, "szerzo", "Gárdonyi Géza");
    EXPECT_FALSE(record->save());
    EXPECT_EQ(dialogs.texts("warning"), QStringList{"Főcím megadása kötelező!"});
    EXPECT_EQ(db.scalar("select count(*) from konyv").toInt(), 0);
    EXPECT_EQ(form.text("szerzo"), QStringLiteral("Gárdonyi Géza"));

    type(form, "fc", "Egri csillagok");
    type(form, "tft", "Nagy Péter#Kiss Anna#");
    type(form, "sc1", "Diákkönyvtár");
    type(form, "utalo", "Ziegler Géza");
    record->appendReference();
    EXPECT_EQ(form.text("utalo"), QStringLiteral("Ziegler Géza-->Gárdonyi Géza"));
    record->runCutter();
    EXPECT_FALSE(form.text("raktj").isEmpty());
    EXPECT_EQ(form.text("nyelv"), QStringLiteral("magyar"));
    EXPECT_EQ(form.text("pnem"), QStringLiteral(",-Ft"));
    ASSERT_TRUE(record->save());
    EXPECT_FALSE(record->saveButton()->isEnabled());
    EXPECT_EQ(window->currentRecordId(), 1);
    EXPECT_EQ(window->findChild<QLineEdit*>("recordKey")->text(), QStringLiteral("1"));
    EXPECT_EQ(db.scalar("select count(*) from kszerzo where id = 1").toInt(), 4);

    // Copies: the next number, a barcode equal to it, saved with its inventory line, multiplied twice.
    window->tabs()->setCurrentIndex(1);
    BookCopiesTab* copies = window->copiesTab();
    EXPECT_EQ(copies->countLabel()->text(), QStringLiteral("0 db"));
    copies->nextNumber();
    EXPECT_EQ(copies->form().text("lszam"), QStringLiteral("1"));
    EXPECT_EQ(copies->form().text("tulaj"), QStringLiteral("ISK1"));
    type(copies->form(), "vonalkod", "1");
    ASSERT_TRUE(copies->saveCopy());
    EXPECT_EQ(db.scalar("select beszdatum from kpld").toString(), QStringLiteral("2024"));
    EXPECT_EQ(db.scalar("select cim from lkonyv where lszam = 1").toString(), QStringLiteral("Egri csillagok"));
    copies->multiplyCount()->setValue(2);
    copies->multiply();
    EXPECT_EQ(copies->countLabel()->text(), QStringLiteral("3 db"));
    QStringList barcodes;
    for (const QVariantMap& row : db.rows("select vonalkod from kpld order by lszam"))
        barcodes << row["vonalkod"].toString();
    EXPECT_EQ(barcodes, (QStringList{"1", "2", "3"}));
    EXPECT_EQ(copies->titles().count(), 2);
    EXPECT_EQ(copies->authors().count(), 4);

    // Deleting a copy (the last one made, number 3) leaves its inventory line.
    EXPECT_EQ(copies->form().text("lszam"), QStringLiteral("3"));
    dialogs.answerDelete(true);
    copies->deleteCopy();
    EXPECT_EQ(db.scalar("select count(*) from kpld").toInt(), 2);
    EXPECT_EQ(db.scalar("select count(*) from lkonyv").toInt(), 3);

    // A number another record has is confirmed first.
    window->tabs()->setCurrentIndex(0);
    record->newRecord();
    type(form, "fc", "Második könyv");
    ASSERT_TRUE(record->save());
    window->tabs()->setCurrentIndex(1);
    type(copies->form(), "lszam", "2");
    dialogs.answer(QMessageBox::No);
    EXPECT_FALSE(copies->saveCopy());
    EXPECT_EQ(dialogs.texts("question").value(0),
              QStringLiteral("Ilyen leltári számú dokumentum már létezik. Folytatja a mentést?"));

    // Found again by title, author, inventory number and barcode.
    window->tabs()->setCurrentIndex(0);
    const std::pair<const char*, const char*> searches[] = {
        {"Főcím", "egri"}, {"Szerző", "gárdonyi"}, {"Leltári szám", "1"}, {"Vonalkód", "2"}};
    for (const auto& [criterion, text] : searches) {
        SCOPED_TRACE(criterion);
        record->criterion()->setCurrentText(QString::fromUtf8(criterion));
        record->searchText()->setText(QString::fromUtf8(text));
        record->search();
        EXPECT_EQ(window->currentRecordId(), 1);
        EXPECT_EQ(form.text("fc"), QStringLiteral("Egri csillagok"));
        EXPECT_EQ(record->countLabel()->text(), QStringLiteral("1 db"));
    }
}

TEST_F(BookWindowTest, NyomtatOpensTheCardOfTheRecordOnTheScreenInEveryMode)
{
    for (const char* action : {menu::CatalogueBook, menu::CatalogueVideo, menu::CatalogueMultimedia}) {
        BookWindow* window = open(action);
        ASSERT_NE(window, nullptr);
        platform::DataForm& form = window->recordTab()->form();
        type(form, "fc", "Egri csillagok");
        type(form, "szerzo", "Gárdonyi Géza");
        auto* print = window->findChild<QPushButton*>("btnPrint");
        ASSERT_TRUE(print && print->isEnabled()) << action;
        print->click();
        auto* editor = host.last<catalogue::CardEditor>();
        ASSERT_NE(editor, nullptr) << action;
        // Unsaved fields count: the card is made from what the librarian sees.
        EXPECT_TRUE(editor->editor()->toPlainText().contains(QStringLiteral("Egri csillagok"))) << action;
        EXPECT_EQ(db.scalar("select count(*) from konyv").toInt(), 0);
    }
}

TEST_F(BookWindowTest, AnalyticTabWritesPartsUnderTheHost)
{
    BookWindow* window = open(menu::CatalogueBook);
    ASSERT_NE(window, nullptr);
    type(window->recordTab()->form(), "fc", "Elbeszélő költemények");
    ASSERT_TRUE(window->recordTab()->save());
    window->tabs()->setCurrentIndex(2);
    BookAnalyticsTab* analytics = window->analyticsTab();
    type(analytics->form(), "szerzo", "Arany János");
    type(analytics->form(), "fc", "Toldi");
    ASSERT_TRUE(analytics->saveAnalytic());
    analytics->newAnalytic();
    type(analytics->form(), "fc", "Toldi estéje");
    ASSERT_TRUE(analytics->saveAnalytic());
    EXPECT_EQ(analytics->countLabel()->text(), QStringLiteral("2 db"));
    EXPECT_EQ(db.scalar("select count(*) from kcim where doktipus = 'Könyv AN' and id = 1").toInt(), 2);
    window->tabs()->setCurrentIndex(0);
    ASSERT_TRUE(window->recordTab()->save());
    EXPECT_EQ(db.scalar("select count(*) from kcim where doktipus = 'Könyv AN' and id = 1").toInt(), 2);
}

TEST_F(BookWindowTest, FunctionKeysAppendTheirTextsAndTheWheelScrollsTheWindow)
{
    QStringList keys;
    for (int i = 2; i <= 12; ++i)
        keys << QStringLiteral("F%1 szöveg").arg(i);
    ASSERT_TRUE(platform::writeTextFile(context().folders.workFile("zentar.ini"), keys));
    BookWindow* window = open(menu::CatalogueBook);
    ASSERT_NE(window, nullptr);
    platform::DataForm& form = window->recordTab()->form();
    type(form, "megj", "Megjegyzés: ");
    for (auto [column, key] : {std::pair{"szerzo", Qt::Key_F2}, {"megj", Qt::Key_F12}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(form.editor(column), &press);
    }
    EXPECT_EQ(form.text("szerzo"), QStringLiteral("F2 szöveg"));
    EXPECT_EQ(form.text("megj"), QStringLiteral("Megjegyzés: F12 szöveg"));
    EXPECT_TRUE(form.isModified());

    window->resize(600, 300); // small enough to scroll
    QApplication::processEvents();
    platform::WheelScroll* wheel = window->wheel();
    EXPECT_EQ(wheel->scroll(1), 0); // not above the top
    EXPECT_EQ(wheel->scroll(-3), 30);
    EXPECT_EQ(wheel->scroll(1), 20);
}

} // namespace
