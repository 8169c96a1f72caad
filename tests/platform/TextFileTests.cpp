#include "platform/TextFile.h"
#include "platform/Windows1250.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zentar::platform;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct EncodeCase {
    const char* utf8;
    QByteArray bytes;
};

} // namespace

TEST(Windows1250, EncodesHungarianLettersAndReplacesWhatTheCodePageLacks)
{
    const EncodeCase cases[] = {
        {"ő", "\xF5"}, {"ű", "\xFB"}, {"Ő", "\xD5"}, {"Ű", "\xDB"},
        {"áéíóöúü", "\xE1\xE9\xED\xF3\xF6\xFA\xFC"}, {"ÁÉÍÓÖÚÜ", "\xC1\xC9\xCD\xD3\xD6\xDA\xDC"},
        {"€ „x”", "\x80 \x84x\x94"},
        {"Ñandú", "?and\xFA"}, // Ñ is not in Windows-1250
        {"東京", "??"},
        {"a😀b", "a?b"}, // a character beyond the BMP is one "?"
    };
    for (const EncodeCase& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        EXPECT_EQ(encodeWindows1250(text).toHex(' '), c.bytes.toHex(' ')) << c.utf8;
    }
}

TEST(Windows1250, TableAgreesWithIconv)
{
    QByteArray defined;
    for (int b = 0x80; b <= 0xFF; ++b) {
        if (decodeWindows1250(QByteArray(1, char(b))) != QString(QChar(QChar::ReplacementCharacter)))
            defined += char(b);
    }
    ASSERT_EQ(defined.size(), 123); // 0x81, 0x83, 0x88, 0x90 and 0x98 are unassigned
    QProcess iconv;
    iconv.start(QStringLiteral("iconv"), {QStringLiteral("-f"), QStringLiteral("CP1250"), QStringLiteral("-t"), QStringLiteral("UTF-8")});
    if (!iconv.waitForStarted())
        GTEST_SKIP() << "iconv is not installed";
    iconv.write(defined);
    iconv.closeWriteChannel();
    ASSERT_TRUE(iconv.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(iconv.readAllStandardOutput()), decodeWindows1250(defined));
    EXPECT_EQ(encodeWindows1250(decodeWindows1250(defined)), defined);
}

TEST(TextFile, WritesWindows1250WithCrLfAndReplacesTheFileOnEveryRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export/konyv.txt"));
    QString error;
    ASSERT_TRUE(writeTextFile(path, {QStringLiteral("Gárdonyi Géza|Egri csillagok|"), QString(), QStringLiteral("ŐŰ őű 中")}, &error))
        << error.toStdString();
    EXPECT_EQ(fileBytes(path), QByteArray("G\xE1rdonyi G\xE9za|Egri csillagok|\r\n\r\n\xD5\xDB \xF5\xFB ?\r\n"));
    EXPECT_EQ(readTextFile(path), (QStringList{QStringLiteral("Gárdonyi Géza|Egri csillagok|"), QString(), QStringLiteral("ŐŰ őű ?")}));

    ASSERT_TRUE(writeTextFile(path, {QStringLiteral("rövid")}));
    EXPECT_EQ(fileBytes(path), QByteArray("r\xF6vid\r\n"));
}

TEST(TextFile, IncrementalWriterKeepsTheOldFileUntilCommitted)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leltarkonyv.txt"));
    ASSERT_TRUE(writeTextFile(path, {QStringLiteral("régi")}));
    {
        TextFileWriter writer(path);
        writer.writeLine(QStringLiteral("félbehagyott"));
        // destroyed without commit: a failed export leaves the old file
    }
    EXPECT_EQ(readTextFile(path), QStringList{QStringLiteral("régi")});

    TextFileWriter writer(path);
    QStringList expected;
    for (int i = 0; i < 20000; ++i) {
        expected << QStringLiteral("%1|Őrült nyúl ű|").arg(i);
        writer.writeLine(expected.last());
    }
    QString error;
    ASSERT_TRUE(writer.commit(&error)) << error.toStdString();
    EXPECT_EQ(readTextFile(path), expected);
    EXPECT_FALSE(fileBytes(path).contains("\n\n"));
}

TEST(TextFile, UnwritableFileReportsThePath)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("fajl"));
    ASSERT_TRUE(writeTextFile(blocker, {QStringLiteral("x")}));
    QString error;
    EXPECT_FALSE(writeTextFile(blocker + QStringLiteral("/alatta.txt"), {QStringLiteral("x")}, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("A fájl nem írható: "))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("alatta.txt")));
    bool ok = true;
    EXPECT_TRUE(readTextFile(dir.filePath(QStringLiteral("nincs.ini")), &ok).isEmpty());
    EXPECT_FALSE(ok);
}
