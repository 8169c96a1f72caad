#include "db/RowSet.h"
#include "platform/DataForm.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace zentar;
using platform::Field;

namespace {

// A table with one column of every kind the form edits, two rows, and a form over it.
class DataFormTest : public test::DbTest {
protected:
    void SetUp() override
    {
        test::DbTest::SetUp();
        db.exec("create table urlap (id integer not null primary key, nev varchar(40), kod varchar(10), "
                "datum date, szam integer, ar double precision, megj blob sub_type text, tipus varchar(20), "
                "aktiv varchar(1), rogzito varchar(40))");
        db.exec("insert into urlap (id, nev, kod, datum, szam, ar, megj, tipus, aktiv) "
                "values (1, 'Áprily Lajos', 'AL', '2024-03-15', 12, 1250.5, 'első sor\nmásodik', 'Könyv', 'i')");
        db.exec("insert into urlap (id, nev) values (2, 'Babits Mihály')");
        rows = std::make_unique<db::RowSet>(db);
        rows->setSelect("select * from urlap order by id");
        rows->setInsertSql("insert into urlap (id, nev, kod, datum, szam, ar, megj, tipus, aktiv, rogzito) "
                           "values (:id, :nev, :kod, :datum, :szam, :ar, :megj, :tipus, :aktiv, :rogzito)");
        rows->setUpdateSql("update urlap set nev=:nev, kod=:kod, datum=:datum, szam=:szam, ar=:ar, megj=:megj, "
                           "tipus=:tipus, aktiv=:aktiv, rogzito=:rogzito where id=:old_id");
        window = std::make_unique<QWidget>();
        form = std::make_unique<platform::DataForm>(*rows, window.get());
        auto* tabs = new QTabWidget(window.get());
        form->addTab(tabs, "Adatok",
                     {
                         Field::number("id", "Azonosító:").readonly(),
                         Field::text("nev", "Név:").max(40).hint("A szerző neve"),
                         Field::text("kod", "Kód:").max(10).upper(),
                         Field::date("datum", "Dátum:"),
                         Field::number("szam", "Szám:"),
                         Field::decimal("ar", "Ár:"),
                     });
        auto* other = new QFormLayout;
        form->addRows(other, {
                                 Field::memo("megj", "Megjegyzés:").max(20),
                                 Field::combo("tipus", "Típus:", {"Könyv", "AV", "Hangzó"}),
                                 Field::check("aktiv", "Aktív"),
                                 Field::text("rogzito", "Rögzítette:").readonly(),
                             });
        rows->open();
    }
    void TearDown() override
    {
        form.reset();
        window.reset();
        rows.reset();
        test::DbTest::TearDown();
    }

    QLineEdit* line(const char* column) { return form->editor<QLineEdit>(column); }

    std::unique_ptr<db::RowSet> rows;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<platform::DataForm> form;
};

TEST_F(DataFormTest, BuildsLabelledEditorsAndShowsTheCurrentRowAsTheRowSetMoves)
{
    EXPECT_EQ(form->label("nev")->text(), "Név:");
    EXPECT_EQ(form->editor("nev")->toolTip(), "A szerző neve");
    EXPECT_EQ(window->findChild<QLineEdit*>("kod"), line("kod"));
    EXPECT_EQ(form->label("aktiv"), nullptr);
    EXPECT_EQ(form->editor<QCheckBox>("aktiv")->text(), "Aktív");

    EXPECT_EQ(line("id")->text(), "1");
    EXPECT_EQ(line("nev")->text(), "Áprily Lajos");
    EXPECT_EQ(line("datum")->text(), "2024.03.15.");
    EXPECT_EQ(line("szam")->text(), "12");
    EXPECT_EQ(line("ar")->text(), "1250,5");
    EXPECT_EQ(form->editor<QPlainTextEdit>("megj")->toPlainText(), "első sor\nmásodik");
    EXPECT_EQ(form->editor<QComboBox>("tipus")->currentText(), "Könyv");
    EXPECT_TRUE(form->editor<QCheckBox>("aktiv")->isChecked());
    EXPECT_EQ(form->value("datum"), QVariant(QDate(2024, 3, 15)));
    EXPECT_EQ(form->value("aktiv"), QVariant("i"));
    EXPECT_FALSE(form->isModified());

    rows->next();
    EXPECT_EQ(line("nev")->text(), "Babits Mihály");
    EXPECT_EQ(line("datum")->text(), "");
    EXPECT_EQ(form->editor<QComboBox>("tipus")->currentText(), "");
    EXPECT_FALSE(form->editor<QCheckBox>("aktiv")->isChecked());
    EXPECT_FALSE(form->isModified());
    EXPECT_TRUE(form->changedColumns().isEmpty()) << form->changedColumns().join(",").toStdString();
}

TEST_F(DataFormTest, TypingMarksTheFormModifiedAndWriteBackSavesOnlyWhatChanged)
{
    rows->next(); // Babits: every column but nev is null
    QSignalSpy modified(form.get(), &platform::DataForm::modifiedChanged);
    QTest::keyClicks(line("szam"), "7x3"); // the letter is refused
    ASSERT_EQ(modified.count(), 1);
    EXPECT_TRUE(modified.first().first().toBool());
    form->editor<QCheckBox>("aktiv")->setChecked(true);
    form->editor<QComboBox>("tipus")->setCurrentIndex(1);
    EXPECT_EQ(form->changedColumns(), QStringList({"szam", "tipus", "aktiv"}));

    ASSERT_TRUE(form->writeBack());
    EXPECT_FALSE(form->isModified());
    rows->apply();
    const QVariantMap row = db.rows("select * from urlap where id = 2").first();
    EXPECT_EQ(row.value("szam").toInt(), 73);
    EXPECT_EQ(row.value("tipus").toString(), "AV");
    EXPECT_EQ(row.value("aktiv").toString(), "i");
    // Fields left alone stay null, not empty texts.
    EXPECT_TRUE(row.value("kod").isNull());
    EXPECT_TRUE(row.value("megj").isNull());
    EXPECT_TRUE(row.value("datum").isNull());
    // After the apply the form shows the saved row, unmodified.
    EXPECT_EQ(line("szam")->text(), "73");
    EXPECT_FALSE(form->isModified());
}

TEST_F(DataFormTest, MaxLengthUpperCaseAndReadOnlyFields)
{
    line("kod")->clear();
    QTest::keyClicks(line("kod"), "abcdefghijklmn");
    EXPECT_EQ(line("kod")->text(), "ABCDEFGHIJ");
    form->editor<QPlainTextEdit>("megj")->clear();
    QTest::keyClicks(form->editor<QPlainTextEdit>("megj"), "huszonot karakternel hosszabb");
    EXPECT_EQ(form->editor<QPlainTextEdit>("megj")->toPlainText(), "huszonot karakternel");

    EXPECT_TRUE(line("rogzito")->isReadOnly());
    QTest::keyClicks(line("rogzito"), "valaki");
    EXPECT_EQ(line("rogzito")->text(), "");
    // Code may still fill a read-only field, and it is written back.
    form->setValue("rogzito", "Kiss Anna");
    EXPECT_TRUE(form->isModified());
    ASSERT_TRUE(form->writeBack());
    rows->apply();
    const QVariantMap row = db.rows("select kod, megj, rogzito from urlap where id = 1").first();
    EXPECT_EQ(row.value("kod").toString(), "ABCDEFGHIJ");
    EXPECT_EQ(row.value("megj").toString(), "huszonot karakternel");
    EXPECT_EQ(row.value("rogzito").toString(), "Kiss Anna");
}

TEST_F(DataFormTest, AnUnreadableDateStopsTheWriteBack)
{
    line("datum")->setText("2024.13.45.");
    QString error;
    EXPECT_FALSE(form->writeBack(&error));
    EXPECT_EQ(error, "Hibás dátum (Dátum): 2024.13.45.");
    EXPECT_FALSE(rows->isEditing());
    line("datum")->setText("2024.02.29");
    ASSERT_TRUE(form->writeBack());
    rows->apply();
    EXPECT_EQ(db.scalar("select datum from urlap where id = 1").toDate(), QDate(2024, 2, 29));
}

TEST_F(DataFormTest, NewRowStartsEmptyAndCodeSetValuesShowInTheEditors)
{
    line("nev")->setText("félbehagyott");
    rows->append();
    EXPECT_EQ(line("nev")->text(), "");
    EXPECT_FALSE(form->isModified());
    // A value the window sets on the row set shows at once and is not overwritten by the form.
    rows->setValue("id", 3);
    EXPECT_EQ(line("id")->text(), "3");
    line("nev")->insert("Csáth Géza");
    ASSERT_TRUE(form->writeBack());
    rows->apply();
    EXPECT_EQ(db.scalar("select nev from urlap where id = 3").toString(), "Csáth Géza");
    EXPECT_EQ(rows->count(), 3);
}

TEST_F(DataFormTest, LeavingAFieldCallsItsHandlerButAnotherWindowTakingFocusDoesNot)
{
    int left = 0;
    form->onLeave("kod", [&] { ++left; });
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(line("kod"), &tab);
    EXPECT_EQ(left, 1);
    QFocusEvent otherWindow(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(line("kod"), &otherWindow);
    EXPECT_EQ(left, 1);
    QApplication::sendEvent(line("nev"), &tab);
    EXPECT_EQ(left, 1);
}

} // namespace
