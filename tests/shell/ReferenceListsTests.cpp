#include "platform/MenuActions.h"
#include "platform/RowSetGrid.h"
#include "platform/TextFile.h"
#include "shell/FunctionKeys.h"
#include "shell/InfoWindows.h"
#include "shell/ReaderCategoriesDialog.h"
#include "shell/ReferenceListsDialog.h"
#include "support/TestDatabase.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace zentar;

namespace {

// Types into a line edit the way a user does (the edit reports the change as edited).
void type(QLineEdit* edit, const QString& text)
{
    ASSERT_TRUE(edit);
    edit->setFocus();
    edit->insert(text);
}

class ReferenceListsTest : public test::DbTest {
protected:
    int count(const QString& table) { return db.scalar(QStringLiteral("select count(*) from ") + table).toInt(); }
};

} // namespace

TEST_F(ReferenceListsTest, EveryWindowOfTheMenuHasAnOpener)
{
    for (const char* action : {menu::ReaderCategories, menu::ReferenceLists, menu::FunctionKeys, menu::Help,
                               menu::Licence, menu::About})
        EXPECT_TRUE(test::modules().windows.contains(QString::fromLatin1(action))) << action;
}

TEST_F(ReferenceListsTest, NewOccupationsAreNumberedFromOne)
{
    ASSERT_EQ(count(QStringLiteral("foglalk")), 0);
    shell::ReaderCategoriesDialog dialog(context());
    auto* occupation = dialog.findChild<QLineEdit*>(QStringLiteral("foglalk"));
    auto* department = dialog.findChild<QComboBox*>(QStringLiteral("reszleg"));
    ASSERT_TRUE(occupation && department);
    EXPECT_EQ(department->findText(QStringLiteral("Gyerek")), 1); // departments in order

    dialog.findChild<QPushButton*>(QStringLiteral("btnNewOccupation"))->click();
    type(occupation, QStringLiteral("Tanuló"));
    department->setCurrentText(QStringLiteral("Gyerek"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnSaveOccupation"))->click();

    dialog.newOccupation();
    type(occupation, QStringLiteral("Nyugdíjas"));
    ASSERT_TRUE(dialog.saveOccupation());
    EXPECT_TRUE(dialogs.messages().empty());

    const auto rows = db.rows(QStringLiteral("select id, foglalk, reszleg from foglalk order by id"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].value("id").toInt(), 1);
    EXPECT_EQ(rows[0].value("foglalk").toString(), QStringLiteral("Tanuló"));
    EXPECT_EQ(rows[0].value("reszleg").toString(), QStringLiteral("Gyerek"));
    EXPECT_EQ(rows[1].value("id").toInt(), 2);

    // Editing keeps the id; deleting asks nothing.
    dialog.occupations().setCurrentIndex(1); // new rows stay where they were added
    occupation->clear();
    type(occupation, QStringLiteral("Nyugdíjas pedagógus"));
    ASSERT_TRUE(dialog.saveOccupation());
    EXPECT_EQ(db.scalar(QStringLiteral("select foglalk from foglalk where id = 2")).toString(), QStringLiteral("Nyugdíjas pedagógus"));
    ASSERT_TRUE(dialog.deleteOccupation());
    EXPECT_EQ(count(QStringLiteral("foglalk")), 1);
}

TEST_F(ReferenceListsTest, GridEditsReaderCategoriesAndRefusesBadNumbers)
{
    shell::ReaderCategoriesDialog dialog(context());
    auto* grid = dialog.findChild<platform::RowSetGrid*>(QStringLiteral("gridOlvkat"));
    ASSERT_TRUE(grid);
    grid->findChild<QPushButton*>(QStringLiteral("btnAppend"))->click();
    auto* model = grid->model();
    ASSERT_EQ(model->rowCount(), 1);
    EXPECT_FALSE(model->setData(model->index(0, 1), QStringLiteral("sok")));
    EXPECT_EQ(dialogs.texts(QStringLiteral("warning")), QStringList{QStringLiteral("Ide csak egész szám írható: sok")});
    // Saving without a name is refused with a message, nothing written.
    EXPECT_FALSE(grid->save());
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")), QStringList{QStringLiteral("Adja meg a kategória megnevezését!")});
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("Diák")));
    ASSERT_TRUE(model->setData(model->index(0, 1), QStringLiteral("5")));
    ASSERT_TRUE(model->setData(model->index(0, 3), QStringLiteral("igen"))); // one character kept
    grid->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
    auto row = db.rows(QStringLiteral("select * from olvkat"));
    ASSERT_EQ(row.size(), 1);
    EXPECT_EQ(row[0].value("katnev").toString(), QStringLiteral("Diák"));
    EXPECT_EQ(row[0].value("kolcsdok").toInt(), 5);
    EXPECT_TRUE(row[0].value("tagdij").isNull());
    EXPECT_EQ(row[0].value("fkap").toString(), QStringLiteral("i"));

    // Renaming the key works through the old value; moving to a new row saves the edit first.
    ASSERT_TRUE(model->setData(model->index(0, 0), QStringLiteral("Diák, tanuló")));
    grid->append();
    EXPECT_EQ(db.scalar(QStringLiteral("select katnev from olvkat")).toString(), QStringLiteral("Diák, tanuló"));
}

TEST_F(ReferenceListsTest, DeletingALanguageAsksFirstAndDeletesOnlyThatRow)
{
    for (const char* lang : {"angol", "német", "német"})
        db.exec(QStringLiteral("insert into nyelv (nyelv, kod, penz) values (?, ?, ?)"),
                {QString::fromUtf8(lang), QStringLiteral("x"), QStringLiteral("EUR")});
    shell::ReferenceListsDialog dialog(context());
    platform::RowSetGrid* grid = dialog.languageGrid();
    auto* del = grid->findChild<QPushButton*>(QStringLiteral("btnDelete"));
    ASSERT_TRUE(del);
    EXPECT_EQ(del->text(), QStringLiteral(" &Törlés"));
    dialog.languages().setCurrentIndex(1); // the first "német"

    dialogs.answerDelete(false);
    del->click();
    ASSERT_EQ(dialogs.texts(QStringLiteral("delete")), QStringList{QStringLiteral("Biztosan törölni kívánja ? ")});
    EXPECT_EQ(count(QStringLiteral("nyelv")), 3);

    dialogs.answerDelete(true);
    del->click();
    // Two equal rows: only the one deleted goes.
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from nyelv where nyelv = ?"), {QStringLiteral("német")}).toInt(), 1);
    EXPECT_EQ(count(QStringLiteral("nyelv")), 2);
    EXPECT_EQ(dialog.languages().count(), 2);
}

TEST_F(ReferenceListsTest, PostcodeGridPrintsItsCells)
{
    db.exec(QStringLiteral("insert into irszam (helyseg, irszam) values (?, ?)"), {QStringLiteral("Őriszentpéter"), 9941});
    db.exec(QStringLiteral("insert into irszam (helyseg, irszam) values (?, ?)"), {QStringLiteral("Ajka"), 8400});
    shell::ReferenceListsDialog dialog(context());
    auto* grid = dialog.findChild<platform::RowSetGrid*>(QStringLiteral("gridIrszam"));
    ASSERT_TRUE(grid);
    grid->run(platform::RowSetGrid::Action::Preview);
    ASSERT_EQ(printer->previews.size(), 1);
    EXPECT_EQ(printer->previews.first().pages.first().lines().mid(0, 4),
              (QStringList{QStringLiteral("Irányítószámok"), QStringLiteral("Település neve Ir. szám"), QStringLiteral("Ajka 8400"), QStringLiteral("Őriszentpéter 9941")}));
}

TEST_F(ReferenceListsTest, NewCompanyGetsTheNextIdAndKeepsItWhenEdited)
{
    db.exec(QStringLiteral("insert into ceg (id, cegnev) values (7, 'Régi Kft.')"));
    shell::ReferenceListsDialog dialog(context());
    dialog.findChild<QPushButton*>(QStringLiteral("btnNewCompany"))->click();
    type(dialog.findChild<QLineEdit*>(QStringLiteral("cegnev")), QStringLiteral("Új Könyvesbolt Bt."));
    type(dialog.findChild<QLineEdit*>(QStringLiteral("email")), QStringLiteral("bolt@pelda.hu"));
    dialog.findChild<QPushButton*>(QStringLiteral("btnSaveCompany"))->click();
    EXPECT_EQ(db.scalar(QStringLiteral("select id from ceg where cegnev = ?"), {QStringLiteral("Új Könyvesbolt Bt.")}).toInt(), 8);

    type(dialog.findChild<QLineEdit*>(QStringLiteral("tel")), QStringLiteral("1234"));
    ASSERT_TRUE(dialog.saveCompany());
    EXPECT_EQ(db.scalar(QStringLiteral("select tel from ceg where id = 8")).toString(), QStringLiteral("1234"));
    EXPECT_EQ(count(QStringLiteral("ceg")), 2);
}

TEST_F(ReferenceListsTest, FunctionKeysKeepTheirLinesWhenOneIsEmpty)
{
    shell::FunctionKeysWindow window(context());
    for (int key = 2; key <= 12; ++key) {
        if (key != 7)
            window.findChild<QLineEdit*>(QStringLiteral("editF%1").arg(key))->setText(QStringLiteral("szöveg ő%1").arg(key));
    }
    window.findChild<QPushButton*>(QStringLiteral("btnSave"))->click();

    const QString path = workDir.filePath(QStringLiteral("zentar.ini"));
    const QStringList lines = platform::readTextFile(path);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("szöveg ő2")); // line 1 is F2
    EXPECT_EQ(lines[5], QString()); // F7
    for (int key = 8; key <= 12; ++key)
        EXPECT_EQ(lines[key - 2], QStringLiteral("szöveg ő%1").arg(key));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("sz\xF6veg \xF5" "2\r\n"));
    EXPECT_EQ(context().login.functionKey(12), QStringLiteral("szöveg ő12"));
    EXPECT_EQ(context().login.functionKey(7), QString());

    // Opened again, the window shows the file; F2 to F6 take at most 50 characters.
    shell::FunctionKeysWindow again(context());
    EXPECT_EQ(again.texts(), lines);
    EXPECT_EQ(again.findChild<QLineEdit*>(QStringLiteral("editF6"))->maxLength(), 50);
    again.print();
    ASSERT_EQ(printer->printed.size(), 1);
    const QStringList printed = printer->printed.first().pages.first().lines();
    EXPECT_EQ(printed.mid(0, 5), (QStringList{QString(), QStringLiteral("  A funkcióbillentyűk értékei"), QString(),
                                              QStringLiteral("  F2:  szöveg ő2"), QStringLiteral("  F3:  szöveg ő3")}));
    EXPECT_EQ(printed.at(8), QStringLiteral("  F7:  "));
}

TEST_F(ReferenceListsTest, HelpShowsTheDeliveredTopicsInOrder)
{
    shell::HelpDialog dialog(context());
    QListWidget* topics = dialog.topics();
    ASSERT_GE(topics->count(), 5);
    EXPECT_EQ(topics->item(0)->text(), QStringLiteral("A program használata"));
    EXPECT_EQ(dialog.text()->document()->firstBlock().text(), QStringLiteral("A program használata"));
    for (int i = 0; i < topics->count(); ++i) {
        topics->setCurrentRow(i);
        EXPECT_GT(dialog.text()->toPlainText().size(), 80) << topics->item(i)->text().toStdString();
        EXPECT_FALSE(dialog.text()->toPlainText().contains(QLatin1Char('\\')));
    }
    topics->setCurrentRow(4);
    EXPECT_TRUE(dialog.text()->toPlainText().contains(QStringLiteral("F2–F12 billentyűkhöz")));
}

TEST_F(ReferenceListsTest, LicenceIsWrittenWhenMissingShownAndPrintedUnderItsJobTitle)
{
    const QString path = workDir.filePath(QStringLiteral("licensz.rtf"));
    ASSERT_FALSE(QFile::exists(path));
    shell::LicenceDialog dialog(context());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Licensz szerződés"));
    const QString text = dialog.text()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("MIT licenc")));
    EXPECT_TRUE(text.contains(QStringLiteral("Zentar fejlesztői")));
    EXPECT_TRUE(text.contains(QStringLiteral("SZOFTVERBŐL")));

    dialog.findChild<QPushButton*>(QStringLiteral("btnPrint"))->click();
    ASSERT_EQ(printer->richText.size(), 1);
    EXPECT_EQ(printer->richText.first().title, QStringLiteral("licensz.rtf"));
    EXPECT_TRUE(QFile::exists(workDir.filePath(QStringLiteral("licensz.pdf"))));
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).first().contains(QStringLiteral("licensz.pdf")));

    // A licence file the library changed is shown as it is, not overwritten.
    ASSERT_TRUE(QFile::remove(path));
    QFile own(path);
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("{\\rtf1\\ansi Saj\\'e1t sz\\u246\\'f6veg}");
    own.close();
    shell::LicenceDialog second(context());
    EXPECT_EQ(second.text()->toPlainText(), QStringLiteral("Saját szöveg"));
}
