#include "platform/Rtf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zentar::platform;

namespace {

const QString kAllAccents = QStringLiteral("áéíóöőúüű ÁÉÍÓÖŐÚÜŰ");

QTextCharFormat charFormat(double size, bool bold = false, bool italic = false, bool underline = false,
                           const QString& family = QStringLiteral("DejaVu Serif"))
{
    QTextCharFormat f;
    f.setFontFamilies(QStringList{family});
    f.setFontPointSize(size);
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    return f;
}

// A catalogue-card-like text: a centred bold heading, an indented description, a bullet list.
void buildCard(QTextDocument& doc)
{
    QTextCursor c(&doc);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centred);
    c.insertText(QStringLiteral("Gárdonyi Géza: Egri csillagok"), charFormat(14, true));

    QTextBlockFormat indented;
    indented.setTextIndent(40);
    indented.setLeftMargin(20);
    c.insertBlock(indented);
    c.insertText(QStringLiteral("Budapest : Móra, 2012. – "), charFormat(11));
    c.insertText(QStringLiteral("376 p."), charFormat(11, false, true));
    c.insertText(QStringLiteral(" {zárójel} \\ jel\tlap"), charFormat(11, false, false, true, QStringLiteral("DejaVu Sans")));

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    c.insertBlock(right);
    c.insertText(kAllAccents, charFormat(10));

    c.insertBlock(QTextBlockFormat());
    c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("Tárgyszó: történelmi regény"), charFormat(11));
    c.insertBlock();
    c.insertText(QStringLiteral("Őrült űrhajó"), charFormat(11, true));
}

QList<QTextBlock> blocks(const QTextDocument& doc)
{
    QList<QTextBlock> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b;
    return out;
}

QTextCharFormat formatAt(const QTextBlock& block, int fragment)
{
    int i = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it, ++i) {
        if (i == fragment)
            return it.fragment().charFormat();
    }
    return {};
}

} // namespace

TEST(Rtf, CardRoundTripKeepsTextParagraphsAndFormatting)
{
    QTextDocument original;
    buildCard(original);
    const QByteArray bytes = rtf::write(original);
    // Pure ASCII, Unicode letters as \uN with their Windows-1250 byte for older readers.
    for (char ch : bytes)
        ASSERT_LT(uchar(ch), 0x80);
    EXPECT_TRUE(bytes.contains("\\u337\\'f5")); // ő
    EXPECT_TRUE(bytes.contains("\\u369\\'fb")); // ű
    EXPECT_TRUE(bytes.contains("\\u336\\'d5")); // Ő
    EXPECT_TRUE(bytes.contains("\\u368\\'db")); // Ű

    QTextDocument copy;
    ASSERT_TRUE(rtf::read(copy, bytes));
    EXPECT_EQ(copy.toPlainText(), original.toPlainText());
    const QList<QTextBlock> b = blocks(copy);
    ASSERT_EQ(b.size(), 5);

    EXPECT_TRUE(b[0].blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(formatAt(b[0], 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(b[0], 0).fontPointSize(), 14);
    EXPECT_EQ(formatAt(b[0], 0).fontFamilies().toStringList(), QStringList{QStringLiteral("DejaVu Serif")});

    EXPECT_NEAR(b[1].blockFormat().textIndent(), 40, 0.5);
    EXPECT_NEAR(b[1].blockFormat().leftMargin(), 20, 0.5);
    EXPECT_FALSE(formatAt(b[1], 0).fontItalic());
    EXPECT_TRUE(formatAt(b[1], 1).fontItalic());
    EXPECT_TRUE(formatAt(b[1], 2).fontUnderline());
    EXPECT_EQ(formatAt(b[1], 2).fontFamilies().toStringList(), QStringList{QStringLiteral("DejaVu Sans")});
    EXPECT_EQ(b[1].text(), QStringLiteral("Budapest : Móra, 2012. – 376 p. {zárójel} \\ jel\tlap"));

    EXPECT_TRUE(b[2].blockFormat().alignment() & Qt::AlignRight);
    EXPECT_EQ(b[2].text(), kAllAccents);
    EXPECT_EQ(formatAt(b[2], 0).fontPointSize(), 10);

    ASSERT_NE(b[3].textList(), nullptr);
    EXPECT_EQ(b[3].textList(), b[4].textList());
    EXPECT_EQ(b[3].textList()->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(formatAt(b[4], 0).fontWeight(), QFont::Bold);

    // Written again, the bytes are the same: nothing drifts from save to save.
    EXPECT_EQ(rtf::write(copy), bytes);
}

TEST(Rtf, WordProcessorFileLoadsWithItsTextIntact)
{
    QString path = QStringLiteral(ZENTAR_FIXTURES_DIR "/libreoffice-card.rtf");
    QTemporaryDir dir;
    // With LibreOffice installed, a file it has just written is read as well.
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (!office.isEmpty()) {
        QTextDocument source;
        source.setPlainText(QStringLiteral("x"));
        QProcess convert;
        QFile::copy(path, dir.filePath(QStringLiteral("in.rtf")));
        convert.setWorkingDirectory(dir.path());
        convert.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("rtf"),
                               QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), dir.filePath(QStringLiteral("in.rtf"))});
        if (convert.waitForFinished(120000) && QFile::exists(dir.filePath(QStringLiteral("out/in.rtf"))))
            path = dir.filePath(QStringLiteral("out/in.rtf"));
    }
    QTextDocument doc;
    QString error;
    ASSERT_TRUE(rtf::load(doc, path, &error)) << error.toStdString();
    const QStringList lines = doc.toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6) << doc.toPlainText().toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("Gárdonyi Géza: Egri csillagok"));
    EXPECT_EQ(lines[1], QStringLiteral("Budapest : Móra, 2012. – 376 p. ; 21 cm"));
    EXPECT_EQ(lines[2], QStringLiteral("Árvíztűrő tükörfúrógép – ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"));
    EXPECT_EQ(lines[3], QStringLiteral("Tárgyszó: történelmi regény"));
    EXPECT_EQ(lines[4], QStringLiteral("ETO: 894.511-31 link"));
    EXPECT_EQ(lines[5], QStringLiteral("Leltári szám: 12345"));

    const QList<QTextBlock> b = blocks(doc);
    EXPECT_TRUE(b[0].blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(formatAt(b[0], 0).fontWeight(), QFont::Bold);
    EXPECT_GT(b[1].blockFormat().textIndent(), 0);
    EXPECT_TRUE(formatAt(b[1], 1).fontItalic());
    ASSERT_NE(b[3].textList(), nullptr);
    EXPECT_EQ(b[3].textList(), b[4].textList());
    EXPECT_TRUE(formatAt(b[3], 0).fontUnderline());
    EXPECT_TRUE(b[5].blockFormat().alignment() & Qt::AlignRight);
    EXPECT_EQ(formatAt(b[5], 0).fontPointSize(), 10);
    EXPECT_EQ(formatAt(b[5], 0).fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Sans")});
}

TEST(Rtf, OlderFilesWithoutUnicodeAndNonRtfInput)
{
    // \'xx in the font's code page (Central European), \uc0 with no fallback, unknown groups.
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(doc, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset238 Arial;}}"
                               "{\\*\\unknowngroup ignored text}{\\colortbl;\\red1\\green2\\blue3;}"
                               "\\pard \\'f5\\'fb\\'d5\\'db {\\uc0\\u8364 } \\{x\\}\\par second}"));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("őűŐŰ € {x}\nsecond"));

    QTextDocument untouched;
    untouched.setPlainText(QStringLiteral("marad"));
    EXPECT_FALSE(rtf::read(untouched, "Ez nem RTF"));
    EXPECT_EQ(untouched.toPlainText(), QStringLiteral("marad"));
}
