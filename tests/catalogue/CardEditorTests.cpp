#include "catalogue/CardComposer.h"
#include "catalogue/CardEditor.h"
#include "platform/TextFile.h"
#include "support/QtPrinters.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace zentar;
using namespace zentar::catalogue;

namespace {

const QString kCaption = QStringLiteral("Katalógus cédula szerkesztése, nyomtatása");

class CardEditorTest : public test::DbTest {
protected:
    CardEditor* openEditor()
    {
        CardEditor* editor = CardEditor::open(context());
        editors.push_back(editor);
        return editor;
    }
    void trigger(CardEditor* editor, const char* action)
    {
        auto* found = editor->findChild<QAction*>(QLatin1String(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
    QString path(const QString& name) const { return QDir(workDir.path()).filePath(name); }
    static bool isBold(const QTextBlock& block)
    {
        return block.begin().fragment().charFormat().fontWeight() >= QFont::DemiBold;
    }

    void TearDown() override
    {
        host.closeAll();
        EXPECT_TRUE(dialogs.allAnswersUsed());
        test::DbTest::TearDown();
    }

    std::vector<CardEditor*> editors;
};

TEST_F(CardEditorTest, OpensEmptyWithItsToolsAndTakesLinesOneByOne)
{
    CardEditor* editor = openEditor();
    EXPECT_EQ(editor->windowTitle(), kCaption);
    EXPECT_EQ(editor->findChild<QSpinBox*>(QStringLiteral("fontSize"))->value(), 10);
    for (const char* name : { "actNew", "actOpen", "actSave", "actSaveAs", "actPrinterSetup", "actPrint", "actExit",
             "actCut", "actCopy", "actPaste", "actCharacterCount", "actFont", "actUndo", "actBold", "actItalic",
             "actUnderline", "actAlignLeft", "actAlignCenter", "actAlignRight", "actBullets", "actCardSize" })
        EXPECT_NE(editor->findChild<QAction*>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(editor->findChild<QAction*>(QStringLiteral("actCardSize"))->toolTip(),
        QStringLiteral("Katalógus cédula méret"));

    editor->addLine(QString()); // a leading empty line stays
    editor->addLine(QStringLiteral("Példányadatok:"), true);
    editor->addLine(QStringLiteral("Leltári szám:  K 12"));
    EXPECT_EQ(editor->plainText(), QStringLiteral("\nPéldányadatok:\nLeltári szám:  K 12"));
    const QTextDocument* doc = editor->editor()->document();
    EXPECT_TRUE(isBold(doc->findBlockByNumber(1)));
    EXPECT_FALSE(isBold(doc->findBlockByNumber(2)));
    EXPECT_TRUE(editor->isModified());

    // Several editors at once, each with its own text.
    CardEditor* second = openEditor();
    second->addLine(QStringLiteral("Másik"));
    EXPECT_NE(second, editor);
    EXPECT_EQ(editor->plainText(), QStringLiteral("\nPéldányadatok:\nLeltári szám:  K 12"));
    EXPECT_EQ(second->plainText(), QStringLiteral("Másik"));

    // The reader card keeps the librarian in the editor until it is closed.
    CardEditor* modal = CardEditor::open(context(), CardEditor::Show::Modal);
    EXPECT_EQ(modal->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(host.last<CardEditor>(), modal);
}

TEST_F(CardEditorTest, CardSizeCutsEveryLineToFortyCharactersKeepingBold)
{
    CardEditor* editor = openEditor();
    const QString long50 = QStringLiteral("Magyar népzene a Kárpát-medencéből, válogatás 123");
    editor->addLine(long50, true);
    editor->addLine(QStringLiteral("rövid"));
    editor->addLine(QString(40, QLatin1Char('x')));
    editor->addLine(QString(41, QLatin1Char('y')));
    trigger(editor, "actCardSize");
    EXPECT_EQ(editor->plainText().split('\n'),
        (QStringList {
            long50.left(40), QStringLiteral("rövid"), QString(40, QLatin1Char('x')), QString(40, QLatin1Char('y')) }));
    EXPECT_TRUE(isBold(editor->editor()->document()->firstBlock()));
    // One step to undo.
    editor->editor()->undo();
    EXPECT_EQ(editor->plainText().split('\n').first(), long50);
}

TEST_F(CardEditorTest, NewDocumentOnChangedTextAsksFirst)
{
    CardEditor* editor = openEditor();
    editor->addLine(QStringLiteral("Egri csillagok"));

    dialogs.answer(QMessageBox::Cancel);
    trigger(editor, "actNew");
    ASSERT_EQ(dialogs.texts(QStringLiteral("question")),
        QStringList { QStringLiteral("A [Untitled] fájl tartalma megváltozott.\n\nKívánja menteni a változásokat?\n"
                                     "(helyi lemezre, szövegfájlként!)") });
    EXPECT_EQ(editor->plainText(), QStringLiteral("Egri csillagok"));
    EXPECT_EQ(editor->windowTitle(), kCaption);

    dialogs.answer(QMessageBox::No);
    trigger(editor, "actNew");
    EXPECT_EQ(editor->plainText(), QString());
    EXPECT_FALSE(editor->isModified());
    EXPECT_EQ(editor->windowTitle(), kCaption + QStringLiteral(" - [Untitled]"));

    // Unchanged text: no question.
    dialogs.clear();
    trigger(editor, "actNew");
    EXPECT_TRUE(dialogs.texts().isEmpty());

    // Yes saves first (through the save dialog, as there is no file yet), then empties.
    editor->addLine(QStringLiteral("Mentendő"));
    dialogs.answer(QMessageBox::Yes);
    dialogs.answerFile(path(QStringLiteral("elso.rtf")));
    trigger(editor, "actNew");
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("elso.rtf"))));
    EXPECT_EQ(editor->plainText(), QString());

    // Yes, then the save dialog cancelled: the text stays.
    editor->addLine(QStringLiteral("Marad"));
    dialogs.answer(QMessageBox::Yes);
    dialogs.answerFile(QString());
    trigger(editor, "actNew");
    EXPECT_EQ(editor->plainText(), QStringLiteral("Marad"));
    EXPECT_TRUE(editor->isModified());
}

TEST_F(CardEditorTest, SavedRtfOpensAgainWithItsBoldLines)
{
    CardEditor* editor = openEditor();
    const QStringList lines = { QStringLiteral("894.511"), QStringLiteral("Gárdonyi Géza"),
        QStringLiteral("    Egri csillagok  :  regény. — Budapest : Móra, 2001.") };
    editor->addLine(lines[0]);
    editor->addLine(lines[1], true);
    editor->addLine(lines[2]);
    const QString file = path(QStringLiteral("cedula.rtf"));
    dialogs.answerFile(file);
    trigger(editor, "actSave");
    EXPECT_EQ(editor->windowTitle(), kCaption + QStringLiteral(" - cedula.rtf"));
    EXPECT_EQ(editor->fileName(), file);
    EXPECT_FALSE(editor->isModified());
    // Unchanged: "&Mentés" does nothing (an unscripted dialog would fail the test).
    trigger(editor, "actSave");

    CardEditor* other = openEditor();
    dialogs.answerFile(file);
    trigger(other, "actOpen");
    EXPECT_EQ(other->windowTitle(), kCaption + QStringLiteral(" - cedula.rtf"));
    EXPECT_EQ(other->plainText().split('\n'), lines);
    const QTextDocument* doc = other->editor()->document();
    EXPECT_FALSE(isBold(doc->findBlockByNumber(0)));
    EXPECT_TRUE(isBold(doc->findBlockByNumber(1)));
    EXPECT_FALSE(isBold(doc->findBlockByNumber(2)));
    EXPECT_FALSE(other->isModified());

    // A change and "&Mentés" writes to the same file without asking.
    other->editor()->textCursor().insertText(QStringLiteral("Új: "));
    EXPECT_TRUE(other->isModified());
    trigger(other, "actSave");
    EXPECT_FALSE(other->isModified());
    CardEditor* third = openEditor();
    dialogs.answerFile(file);
    trigger(third, "actOpen");
    EXPECT_EQ(third->plainText().split('\n').first(), QStringLiteral("Új: 894.511"));
}

TEST_F(CardEditorTest, PlainTextFilesAreWindows1250WithCrLf)
{
    CardEditor* editor = openEditor();
    editor->addLine(QStringLiteral("Tőzsér Árpád"));
    editor->addLine(QStringLiteral("    Űrhajó"));
    const QString file = path(QStringLiteral("cedula.txt"));
    dialogs.answerFile(file);
    trigger(editor, "actSaveAs");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(),
        QByteArray("T\xf5zs\xe9r \xc1rp\xe1"
                   "d\r\n    \xdbrhaj\xf3\r\n"));

    CardEditor* other = openEditor();
    dialogs.answerFile(file);
    trigger(other, "actOpen");
    EXPECT_EQ(other->plainText(), QStringLiteral("Tőzsér Árpád\n    Űrhajó"));
    EXPECT_EQ(other->windowTitle(), kCaption + QStringLiteral(" - cedula.txt"));
}

TEST_F(CardEditorTest, OpeningAFileThatIsNotRtfKeepsTheText)
{
    const QString file = path(QStringLiteral("hibas.rtf"));
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("nem rtf");
    broken.close();
    CardEditor* editor = openEditor();
    editor->addLine(QStringLiteral("Marad"));
    dialogs.answer(QMessageBox::No);
    dialogs.answerFile(file);
    trigger(editor, "actOpen");
    EXPECT_EQ(dialogs.texts(QStringLiteral("error")).size(), 1);
    EXPECT_EQ(editor->plainText(), QStringLiteral("Marad"));
    EXPECT_EQ(editor->windowTitle(), kCaption);
}

TEST_F(CardEditorTest, PrintsWithTheFileNameAsJobTitleAndCountsCharacters)
{
    CardEditor* editor = openEditor();
    editor->addLine(QStringLiteral("Egri csillagok"));
    editor->addLine(QStringLiteral("ISBN 963"));
    trigger(editor, "actCharacterCount");
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
        QStringList { QStringLiteral("A szöveg 23 karaktert tartalmaz.") });

    dialogs.answerFile(path(QStringLiteral("egri.rtf")));
    trigger(editor, "actSave");
    dialogs.clear();
    trigger(editor, "actPrint");
    ASSERT_EQ(printer->richText.size(), 1);
    EXPECT_EQ(printer->richText[0].title, QStringLiteral("egri.rtf"));
    EXPECT_EQ(printer->richText[0].text, QStringLiteral("Egri csillagok\nISBN 963"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("egri.pdf"))));
}

TEST_F(CardEditorTest, BookCardOfARecordOpensInANewEditor)
{
    db.exec(QStringLiteral("insert into konyv (id, doktipus, szerzo, fc, kiadas, kiadev, tft, eto, ar, pnem) "
                           "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        { 7, QStringLiteral("Könyv"), QStringLiteral("Gárdonyi Géza"), QStringLiteral("Egri csillagok"),
            QStringLiteral("Budapest : Móra"), QStringLiteral("2001"), QStringLiteral("Nagy Éva#Kiss Péter#Tóth Ede"),
            QStringLiteral("8"), 0, QStringLiteral(",-Ft") });
    CardEditor* editor = openBookCard(context(), 7);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(host.last<CardEditor>(), editor);
    EXPECT_EQ(editor->plainText().split('\n'),
        (QStringList { "Gárdonyi Géza", "    Egri csillagok. — Budapest : Móra, 2001.", "8",
            "Nagy Éva. —  Kiss Péter. —  Tóth Ede" }));

    // The same record on a sound-recording card.
    CardEditor* sound = openSoundRecordingCard(context(), 7);
    ASSERT_NE(sound, nullptr);
    EXPECT_NE(sound, editor);
    EXPECT_EQ(sound->plainText().split('\n'),
        (QStringList { "Gárdonyi Géza", "Egri csillagok. —  Budapest : Móra", "8",
            "Tft.: Nagy Éva. —  Kiss Péter. —  Tóth Ede" }));

    EXPECT_EQ(openBookCard(context(), 99), nullptr);
    EXPECT_EQ(dialogs.texts(QStringLiteral("warning")),
        QStringList { QStringLiteral("A(z) 99. sorszámú rekord nem található.") });
}

} // namespace
