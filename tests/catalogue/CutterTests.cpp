#include "support/QtPrinters.h"
#include "catalogue/Cutter.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace zentar;
using namespace zentar::catalogue;
using zentar::test::DbTest;

namespace {

// The Hungarian alphabet as the lookup codes it: one character at a time, acute vowels on their
// base letters, ö and ü after o and u.
const QString kAlphabet = QStringLiteral("abcdefghijklmnoöpqrstuüvwxyz");

int alphabeticalCompare(const QString& a, const QString& b)
{
    const QString x = a.toLower();
    const QString y = b.toLower();
    for (int i = 0; i < std::min(x.size(), y.size()); ++i) {
        const int d = int(kAlphabet.indexOf(x.at(i)) - kAlphabet.indexOf(y.at(i)));
        if (d != 0)
            return d;
    }
    return int(x.size() - y.size());
}

// A Cutter number as the decimal fraction it stands for: "K68" is 0.68, "K" is 0.
double cutterFraction(const QString& mark)
{
    return QString(QStringLiteral("0.") + mark.mid(1) + QLatin1Char('0')).toDouble();
}

class CutterTest : public DbTest {
protected:
    QString mark(const QString& author, const QString& title = {})
    {
        return cutter::codedLookup(db, author, title).value_or(QStringLiteral("-"));
    }
    QString code(const QString& author, const QString& title = {}) { return cutter::codeValue(db, author, title); }

    // A small table of our own in place of the delivered one.
    void useTable(const QStringList& betuAndKod)
    {
        const auto codes = cutter::readLetterCodes(db);
        db.exec("delete from cutter");
        for (int i = 0; i + 1 < betuAndKod.size(); i += 2)
            db.exec("insert into cutter (betu, kod, kod2) values (?, ?, ?)",
                { betuAndKod[i], betuAndKod[i + 1], cutter::sortCode(betuAndKod[i], codes) });
    }
};

TEST_F(CutterTest, DeliveredTableWalksInAlphabeticalOrderAndMarksNeverDecrease)
{
    const auto rows = db.rows("select betu, kod, kod2 from cutter order by kod2");
    ASSERT_FALSE(rows.isEmpty());
    for (int i = 1; i < rows.size(); ++i) {
        const QString before = rows[i - 1]["betu"].toString();
        const QString betu = rows[i]["betu"].toString();
        ASSERT_LT(alphabeticalCompare(before, betu), 0) << before.toStdString() << " / " << betu.toStdString();
        ASSERT_LT(rows[i - 1]["kod2"].toString(), rows[i]["kod2"].toString());
        const QString previousMark = rows[i - 1]["kod"].toString();
        const QString mark = rows[i]["kod"].toString();
        ASSERT_EQ(mark.left(1), betu.left(1).toUpper());
        if (before.left(1) == betu.left(1)) {
            ASSERT_LE(cutterFraction(previousMark), cutterFraction(mark))
                << before.toStdString() << " " << previousMark.toStdString() << " / " << betu.toStdString() << " "
                << mark.toStdString();
        }
    }
}

TEST_F(CutterTest, DeliveredMarksFollowTheLibraryOfCongressRules)
{
    // Consonant + second letter (o → 6) + expansion of the third (s → 7, v → 8).
    EXPECT_EQ(mark("Kossuth Lajos"), QStringLiteral("K67"));
    EXPECT_EQ(mark("Kovács János"), QStringLiteral("K68"));
    // Initial vowel (r → 7), initial S (z in w-z → 9), Qu (e → 4).
    EXPECT_EQ(mark("Arany János"), QStringLiteral("A73"));
    EXPECT_EQ(mark("Szabó Magda"), QStringLiteral("S93"));
    EXPECT_EQ(mark("Queneau, Raymond"), QStringLiteral("Q4"));
}

TEST_F(CutterTest, ShelfOrderFollowsAuthorOrder)
{
    const QString kossuth = mark("Kossuth Lajos");
    const QString kovacs = mark("Kovács András");
    const QString kolcsey = mark("Kölcsey Ferenc");
    EXPECT_LE(cutterFraction(kossuth), cutterFraction(kovacs));
    EXPECT_LE(cutterFraction(kovacs), cutterFraction(kolcsey));
    for (const char* author : { "Kodály Zoltán", "Kosztolányi Dezső", "Kós Károly", "Kovai Lőrinc", "Kozma Andor",
             "Kozárd", "Kowalski", "Koltai" }) {
        SCOPED_TRACE(author);
        EXPECT_LE(cutterFraction(mark(QString::fromUtf8(author))), cutterFraction(kolcsey));
    }
    EXPECT_LE(cutterFraction(kolcsey), cutterFraction(mark("Körösi Csoma Sándor")));
    EXPECT_LE(cutterFraction(kolcsey), cutterFraction(mark("Krúdy Gyula")));
}

TEST_F(CutterTest, CodeValueFollowsHungarianAlphabeticalOrder)
{
    struct Case {
        const char* before;
        const char* after;
    };
    const Case ordered[] = {
        { "Ozsvári", "Örkény" },
        { "Ódry", "Ozora" },
        { "Uzsoki", "Üveges" },
        { "Uzsoki", "Űrhajós" },
        { "Olga", "Ozsvári" },
        { "Ábel", "Abonyi" },
        { "Zrínyi", "Zsigmond" },
        { "Nagy", "Nyáry" },
        // Two-letter Hungarian letters are coded one character at a time: "cs" files as c + s.
        { "Csaba", "Cukor" },
    };
    for (const Case& c : ordered) {
        SCOPED_TRACE(std::string(c.before) + " < " + c.after);
        EXPECT_LT(code(QString::fromUtf8(c.before)), code(QString::fromUtf8(c.after)));
    }
    // Acute vowels are folded onto their base letters; ő and ű onto ö and ü.
    EXPECT_EQ(code("Ábel"), code("Abel"));
    EXPECT_EQ(code("Éva Ódry Úr"), code("eva odry ur"));
    EXPECT_EQ(code("Őri"), code("Öri"));
    EXPECT_EQ(code("Űr"), code("Ür"));
    EXPECT_NE(code("Ör"), code("Or"));
}

TEST_F(CutterTest, SourceTextIsCutThenStrippedOfArticleAndPunctuation)
{
    // No author: the title's first 12 characters, then the article goes, leaving nine.
    EXPECT_EQ(cutter::codedSourceText("", "Az ember tragédiája"), QStringLiteral("ember tra"));
    EXPECT_EQ(code("", "Az ember tragédiája"), code("embertra"));
    EXPECT_EQ(cutter::codedSourceText("", "A Pál utcai fiúk"), QStringLiteral("pál utcai "));
    EXPECT_EQ(cutter::codedSourceText("  ", "Anna Karenina"), QStringLiteral("anna karenin"));
    // First apostrophe, first hyphen, first full stop.
    EXPECT_EQ(cutter::codedSourceText("O'Neill-Tóth", ""), QStringLiteral("oneilltóth"));
    EXPECT_EQ(cutter::codedSourceText("D'Ar'cy-Ka-l", ""), QStringLiteral("dar'cyka-l"));
    // A second apostrophe has no letter code: it adds nothing and the coding goes on.
    EXPECT_EQ(code("D'Ar'cy"), code("Darcy"));
    EXPECT_EQ(code("Kos2s#uth"), code("Kossuth"));
    // A comma after a space joins the surname's parts; a comma before the first space stays.
    EXPECT_EQ(cutter::codedSourceText("Van Gogh, Vincent", ""), QStringLiteral("vangogh vi"));
    EXPECT_EQ(cutter::codedSourceText("Kovács, János", ""), QStringLiteral("kovács, jáno"));
    // Twelve letters make the longest code value.
    EXPECT_EQ(code("Megszentségteleníthetetlen").size(), 24);
}

TEST_F(CutterTest, CodedLookupTakesTheRowBelowTheCodeValue)
{
    useTable({ "Ka", "K1", "Ko", "K2", "Kos", "K3", "Kö", "K4" });
    EXPECT_EQ(mark("Kossuth"), QStringLiteral("K3"));
    // Equal to a kod2: the row before it gives the mark.
    EXPECT_EQ(mark("Kos"), QStringLiteral("K2"));
    EXPECT_EQ(mark("Kölcsey"), QStringLiteral("K4"));
    EXPECT_EQ(mark("Zoltán"), QStringLiteral("K4"));
    // Nothing below the code value, or no code value at all: the mark stays.
    EXPECT_FALSE(cutter::codedLookup(db, "Ka", "").has_value());
    EXPECT_FALSE(cutter::codedLookup(db, "Abai", "").has_value());
    EXPECT_FALSE(cutter::codedLookup(db, "", "").has_value());
    EXPECT_FALSE(cutter::codedLookup(db, "123 '#", "").has_value());

    db.exec("delete from cutter");
    EXPECT_FALSE(cutter::codedLookup(db, "Kossuth", "").has_value());
}

TEST_F(CutterTest, PlainLookupPlacesTheTextAmongThePrefixes)
{
    useTable({ "Ab", "A1", "Ko", "K2", "Kov", "K3", "Ö", "Ö1", "Sz", "S9" });
    const auto plain = [&](const char* author, const char* title = "") {
        return cutter::plainLookup(db, QString::fromUtf8(author), QString::fromUtf8(title)).value_or("-");
    };
    EXPECT_EQ(plain("Kovács"), QStringLiteral("K3"));
    EXPECT_EQ(plain("kovács"), QStringLiteral("K3")); // first letter in capitals
    EXPECT_EQ(plain("Kov"), QStringLiteral("K3")); // an equal prefix is taken
    EXPECT_EQ(plain("Kossuth"), QStringLiteral("K2"));
    EXPECT_EQ(plain("Őri"), QStringLiteral("Ö1")); // folded to Ö
    EXPECT_EQ(plain("", "Szép Ilona"), QStringLiteral("S9"));
    EXPECT_EQ(plain("Aaron"), QStringLiteral("A1")); // before every row: the first row
    EXPECT_EQ(plain("Zsolt"), QStringLiteral("S9")); // after every row: the last row
    EXPECT_EQ(plain(""), QStringLiteral("-")); // nothing to look up: the mark stays

    db.exec("delete from cutter");
    EXPECT_EQ(plain("Kovács"), QString()); // empty table: an empty mark
}

TEST_F(CutterTest, PrefixLookupShortensTheTextUntilARowMatches)
{
    const auto prefix = [&](const char* author, const char* title = "") {
        return cutter::prefixLookup(db, QString::fromUtf8(author), QString::fromUtf8(title)).value_or("-");
    };
    // Delivered table: "Kovács János" → "Kov".
    EXPECT_EQ(prefix("Kovács János"), QStringLiteral("K68"));
    EXPECT_EQ(prefix("KOVÁCS"), QStringLiteral("K68"));
    EXPECT_EQ(prefix("", "Ördögszekér"), db.scalar("select kod from cutter where betu = ?", { "Örd" }).toString());

    useTable({ "Kov", "K3", "Kov", "K2", "Kovács J", "K5" });
    EXPECT_EQ(prefix("Kovács Jenő"), QStringLiteral("K5")); // the longest matching prefix
    EXPECT_EQ(prefix("KOVÁCS JENŐ"), QStringLiteral("K5")); // case aside
    EXPECT_EQ(prefix("Kovalik"), QStringLiteral("K2")); // two rows match: the first in betu, kod order
    EXPECT_EQ(prefix("Nagy"), QStringLiteral("-")); // text used up: the mark stays
    EXPECT_EQ(prefix(""), QStringLiteral("-"));
}

TEST_F(CutterTest, LibraryTableLoadsFromCsvAndReplacesTheDeliveredRows)
{
    const auto codes = cutter::readLetterCodes(db);
    const auto loaded = cutter::loadTableFromCsvText(db,
        QStringLiteral("betu;kod\n"
                       "Kovács;K72\n"
                       "\"Kos, A\";K71\n"
                       "Őri;Ö12\n"
                       "csak előtag\n"
                       "\n"
                       "Nagy;N14\r\n"));
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(loaded.rows, 4);
    EXPECT_EQ(loaded.skippedLines, QList<int> { 5 });
    EXPECT_EQ(db.scalar("select count(*) from cutter").toInt(), 4);
    EXPECT_EQ(
        db.scalar("select kod2 from cutter where betu = ?", { "Őri" }).toString(), cutter::sortCode("öri", codes));
    EXPECT_EQ(mark("Kovácsné"), QStringLiteral("K72"));

    // The wide form: a number, then the prefixes that take it under each initial letter.
    ASSERT_TRUE(cutter::loadTableFromCsvText(db, "11,ea,ia\n12,eam,ib\n").ok);
    EXPECT_EQ(db.scalar("select kod from cutter where betu = ?", { "ib" }).toString(), QStringLiteral("I12"));
    EXPECT_EQ(db.scalar("select count(*) from cutter").toInt(), 4);

    // A file without any row changes nothing.
    const auto empty = cutter::loadTableFromCsvText(db, "prefix,mark\n\n");
    EXPECT_FALSE(empty.ok);
    EXPECT_FALSE(empty.error.isEmpty());
    EXPECT_EQ(db.scalar("select count(*) from cutter").toInt(), 4);
    const auto missing = cutter::loadTableFromCsv(db, workDir.filePath("nincs.csv"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains("nincs.csv"));
}

TEST_F(CutterTest, WindowsCodePageCsvLoads)
{
    const QString path = workDir.filePath("sajat.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("Kov\xE1"
                          "cs,K72\r\n\xD5ri,\xD6"
                          "12\r\n")); // Windows-1250
    file.close();
    const auto loaded = cutter::loadTableFromCsv(db, path);
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(db.scalar("select kod from cutter where betu = ?", { "Kovács" }).toString(), QStringLiteral("K72"));
    EXPECT_EQ(db.scalar("select kod from cutter where betu = ?", { "Őri" }).toString(), QStringLiteral("Ö12"));
}

TEST_F(CutterTest, ThreeFigureCutterSanbornTableLoads)
{
    const QString dir = test::sharedDataDir();
    if (dir.isEmpty() || !QFile::exists(dir + "/cutter/cutter_sanborn_3fig_long.csv"))
        GTEST_SKIP() << "shared data folder cutter/ is not present";

    const auto wide = cutter::loadTableFromCsv(db, dir + "/cutter/cutter_sanborn_3fig.csv");
    ASSERT_TRUE(wide.ok) << wide.error.toStdString();
    const auto wideRows = db.rows("select betu, kod from cutter order by betu, kod");

    const auto loaded = cutter::loadTableFromCsv(db, dir + "/cutter/cutter_sanborn_3fig_long.csv");
    ASSERT_TRUE(loaded.ok) << loaded.error.toStdString();
    EXPECT_EQ(loaded.rows, 12330);
    EXPECT_TRUE(loaded.skippedLines.isEmpty());
    EXPECT_EQ(db.rows("select betu, kod from cutter order by betu, kod"), wideRows);
    EXPECT_EQ(db.scalar("select count(*) from cutter where kod2 is null or kod2 = ''").toInt(), 0);

    // Surnames from the table's own test list file under their three-figure marks.
    EXPECT_EQ(mark("Lentino, Noemia"), QStringLiteral("L574"));
    EXPECT_EQ(mark("Burroughs, Edgar"), QStringLiteral("B972"));
    // The table's own test list: surname, forename, number. Our lookup codes the first 12
    // characters without spaces and takes the row below an equal code, so the names whose
    // letters equal a prefix of the table ("Armstrong, W" and "armstrong w") or that meet a
    // prefix with a space ("Ford, Henry") file one row earlier; every other case agrees.
    const QStringList differing
        = { "armstrong", "anderson,r", "huntington", "hutchinson", "nicholson", "wallace", "ford" };
    QFile cases(dir + "/cutter/cutter_sanborn_3fig_tests.csv");
    ASSERT_TRUE(cases.open(QIODevice::ReadOnly));
    int checked = 0;
    for (const QString& line : QString::fromUtf8(cases.readAll()).split('\n')) {
        const QStringList fields = line.trimmed().split(',');
        if (fields.size() < 3
            || std::any_of(differing.begin(), differing.end(), [&](const QString& d) { return line.startsWith(d); }))
            continue;
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(mark(fields[0] + ", " + fields[1]), fields[0].left(1).toUpper() + fields[2]);
        ++checked;
    }
    EXPECT_EQ(checked, 39);
}

} // namespace
