#include "catalogue/CardComposer.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zentar::catalogue;

namespace {

// A record with every field of the book card filled.
QVariantMap fullBookRecord()
{
    return {
        { "szakj", "894.511" },
        { "raktj", "K 72" },
        { "szerzo", "Kovács János" },
        { "kiegadat", "(1950-)" },
        { "fc", "A tenger" },
        { "ac", "regény" },
        { "pc", "The sea" },
        { "pac", "novel" },
        { "szerad", "Kovács János ; ill. Nagy Éva" },
        { "kiadjel", "2. kiad" },
        { "kiadas", "Budapest : Móra" },
        { "kiadev", "2001" },
        { "nyomda", "Alföldi Ny." },
        { "ter", "215 p. : ill. ; 20 cm" },
        { "sc1", "Móra klasszikusok" },
        { "issn", "0133-1234#0200-5678" },
        { "sc2", "Ifjúsági sorozat" },
        { "sorszam", "12" },
        { "megj", "Bibliogr.: p. 210.#Mutató" },
        { "tartmeg", "A part#A hajó" },
        { "isbn", "963-11-1111-1#963-11-2222-2" },
        { "kotes", "kötött" },
        { "ar", 1500.0 },
        { "pnem", ",-Ft" },
        { "tmt", "Balaton#" },
        { "kotet", "1. köt.#<Tél>" },
        { "eto", "894.511-31#087.5" },
        { "tft", "Nagy Éva#Kiss Péter" },
        { "tszo", "tenger##hajózás" },
        { "mt", "Szabó Anna#Tóth Ede" },
        { "utalo", "Kovacs J.-->Kovács János" },
        { "nyelv", "magyar" },
    };
}

TEST(BookCard, EveryItemInOrderWithItsPunctuation)
{
    const QStringList expected = {
        "894.511",
        "K 72",
        "Kovács János",
        "(1950-)",
        "    A tenger  :  regény  =  The sea  :  novel  /  Kovács János ; ill. Nagy Éva. — 2. kiad. — "
        "Budapest : Móra, 2001. — (Alföldi Ny.). —  215 p. : ill. ; 20 cm — (Móra klasszikusok, ISSN  "
        "0133-1234. Ifjúsági sorozat, ISSN  0200-5678 ; 12.)",
        "Bibliogr.: p. 210.",
        "Mutató",
        "Tart. még: A part#A hajó",
        "ISBN 963-11-1111-1    kötött : 1500,-Ft",
        "ISBN 963-11-2222-2",
        "*Balaton",
        "1. köt.",
        "<Tél>",
        "894.511-31",
        "087.5",
        "Nagy Éva. —  Kiss Péter",
        "tenger",
        "hajózás",
        "Mt.: Szabó Anna. —  Tóth Ede",
        "Kovacs J.-->Kovács János",
    };
    EXPECT_EQ(card::bookCard(fullBookRecord()), expected);
}

struct BookCase {
    const char* name;
    QVariantMap record;
    QStringList lines;
};

void PrintTo(const BookCase& c, std::ostream* os)
{
    *os << c.name;
}

class BookCardCase : public ::testing::TestWithParam<BookCase> { };

TEST_P(BookCardCase, Lines)
{
    EXPECT_EQ(card::bookCard(GetParam().record), GetParam().lines);
}

const BookCase bookCases[] = {
    { "TitleOnly", { { "fc", "Egri csillagok" } }, { "    Egri csillagok" } },
    { "NullAndEmptyFieldsAddNothing",
        { { "fc", "Egri csillagok" }, { "szerzo", QVariant() }, { "ac", "" }, { "ar", QVariant() }, { "megj", "" },
            { "tft", "" } },
        { "    Egri csillagok" } },
    { "YearAfterPublicationStatement", { { "fc", "Cím" }, { "kiadas", "Budapest : Móra" }, { "kiadev", "1998" } },
        { "    Cím. — Budapest : Móra, 1998." } },
    { "YearWithoutPublicationStatement", { { "fc", "Cím" }, { "kiadev", "[1998]" } }, { "    Cím. — [1998]." } },
    { "ThreeFurtherAuthorsOnOneLine", { { "fc", "Cím" }, { "tft", "Nagy Éva#Kiss Péter#Tóth Ede" } },
        { "    Cím", "Nagy Éva. —  Kiss Péter. —  Tóth Ede" } },
    { "OneCharacterUdc", { { "fc", "Cím" }, { "eto", "8" } }, { "    Cím", "8" } },
    { "UdcKeepsEmptyPieces", { { "fc", "Cím" }, { "eto", "8##9" } }, { "    Cím", "8", "", "9" } },
    { "PriceZeroIsNotPrinted",
        { { "fc", "Cím" }, { "isbn", "963-11-1111-1" }, { "kotes", "fűzött" }, { "ar", 0 }, { "pnem", ",-Ft" } },
        { "    Cím", "ISBN 963-11-1111-1    fűzött" } },
    { "PriceZeroWithoutIsbnOrBinding", { { "fc", "Cím" }, { "ar", 0.0 }, { "pnem", ",-Ft" } }, { "    Cím" } },
    { "TwoIsbnsGiveTwoLines",
        { { "fc", "Cím" }, { "isbn", "963-11-1111-1#963-11-2222-2" }, { "ar", "990" }, { "pnem", ",-Ft" } },
        { "    Cím", "ISBN 963-11-1111-1 : 990,-Ft", "ISBN 963-11-2222-2" } },
    { "PriceWithoutIsbn", { { "fc", "Cím" }, { "kotes", "kötött" }, { "ar", 12.5 }, { "pnem", " EUR" } },
        { "    Cím", "kötött  :  12,5 EUR" } },
    { "PriceAloneWithoutIsbnAndBinding", { { "fc", "Cím" }, { "ar", 990 }, { "pnem", ",-Ft" } },
        { "    Cím", "990,-Ft" } },
    { "BindingAlone", { { "fc", "Cím" }, { "kotes", "kötött" } }, { "    Cím", "kötött" } },
    { "SecondIssnWithoutSecondSeriesTitle",
        { { "fc", "Cím" }, { "sc1", "Sorozat" }, { "issn", "1111-1111#2222-2222" }, { "sorszam", "3" } },
        { "    Cím — (Sorozat, ISSN  1111-1111, ISSN  2222-2222 ; 3.)" } },
    { "SeriesOfTwoCharactersIsLeftOut", { { "fc", "Cím" }, { "sc1", "AB" } }, { "    Cím" } },
    { "NotesKeepEmptyPieces", { { "fc", "Cím" }, { "megj", "Első##Harmadik" } },
        { "    Cím", "Első", "", "Harmadik" } },
    { "SubjectsVolumesAndHeadingsSkipEmptyPieces",
        { { "fc", "Cím" }, { "tmt", "#Petőfi Sándor#" }, { "kotet", "#2. köt." }, { "tszo", "irodalom#" } },
        { "    Cím", "*Petőfi Sándor", "2. köt.", "irodalom" } },
    { "HeadingWithoutTitle", { { "szerzo", "Kovács János" }, { "ac", "regény" } },
        { "Kovács János", "      :  regény" } },
    { "EmptyRecord", {}, {} },
};

INSTANTIATE_TEST_SUITE_P(Cases, BookCardCase, ::testing::ValuesIn(bookCases),
    [](const ::testing::TestParamInfo<BookCase>& info) { return std::string(info.param.name); });

TEST(SoundRecordingCard, LongTextsBreakAtBlanks)
{
    const QVariantMap record = {
        { "szakj", "78" },
        { "raktj", "M 39" },
        { "szerzo", "Muzsikás" },
        { "fc", "Magyar népzene a Kárpát-medencéből" },
        { "ac", "válogatás a Néprajzi Múzeum gyűjteményéből, eredeti terepfelvételek alapján" },
        { "pc", "Hungarian folk music from the Carpathian Basin" },
        { "szerad", "gyűjt. és szerk. Sebő Ferenc" },
        { "kiadas", "Budapest : Hungaroton" },
        { "ter", "3 CD (186 min)" },
        { "sc1", "Hungaroton classic" },
        { "tszo", "Népzene" },
        { "megj",
            "A felvételek 1960 és 1985 között készültek erdélyi, moldvai és felvidéki falvakban, a gyűjtők "
            "jegyzeteivel és a dalok szövegével együtt, magyar és angol nyelvű kísérőfüzettel#"
            "Közrem.: Muzsikás együttes" },
        { "isbn", "HCD 18250" },
        { "ar", 4990 },
        { "pnem", "HUF" },
        { "eto", "781.7(439)#398.8" },
        { "tft",
            "Sebő Ferenc#Halmos Béla#Kallós Zoltán#Martin György#Pesovár Ernő#Vikár László#Olsvai Imre#"
            "Kiss Lajos#Tari Lujza" },
        { "mt", "Sebő Ferenc" },
    };
    const QStringList expected = {
        "78",
        "M 39",
        "Muzsikás",
        // Each line ends before the first blank after its 79th character; the first is indented.
        "      Magyar népzene a Kárpát-medencéből  :  válogatás a Néprajzi Múzeum gyűjteményéből,",
        "eredeti terepfelvételek alapján  =  Hungarian folk music from the Carpathian Basin",
        " /  gyűjt. és szerk. Sebő Ferenc. —  Budapest : Hungaroton —  3 CD (186 min). —",
        "(Hungaroton classic)",
        // Genre and notes: at every "#" and at the first blank after 120 characters.
        "Népzene. — A felvételek 1960 és 1985 között készültek erdélyi, moldvai és felvidéki falvakban, a "
        "gyűjtők jegyzeteivel és",
        "a dalok szövegével együtt, magyar és angol nyelvű kísérőfüzettel",
        "Közrem.: Muzsikás együttes",
        "HCD 18250    ár: 4990",
        "781.7(439)",
        "398.8",
        // Longer than 134 characters: broken before the first blank after the 99th.
        "Tft.: Sebő Ferenc. —  Halmos Béla. —  Kallós Zoltán. —  Martin György. —  Pesovár Ernő. —  Vikár "
        "László.",
        "—  Olsvai Imre. —  Kiss Lajos. —  Tari Lujza",
        "Mt.: Sebő Ferenc",
    };
    EXPECT_EQ(card::soundRecordingCard(record), expected);
}

TEST(SoundRecordingCard, ShortTextsStayOneLine)
{
    // 88 characters: one line, not indented. The 134-character further-author line is not broken.
    const QString title88 = QString(QStringLiteral("Dal ")).repeated(22).chopped(1) + QLatin1Char('.');
    ASSERT_EQ(title88.size(), 88);
    const QString names134 = QStringLiteral("Sebő Ferenc#Halmos Béla#Kallós Zoltán#Martin György#Pesovár Ernő#"
                                            "Vikár László#Olsvai Imre#Kiss Lajos");
    const QVariantMap record = { { "fc", title88 }, { "megj", "Élő felvétel" }, { "eto", "781.6" }, { "tft", names134 },
        { "ar", 0 }, { "isbn", "" } };
    const QStringList lines = card::soundRecordingCard(record);
    ASSERT_EQ(lines.size(), 4) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], title88);
    EXPECT_EQ(lines[1], QStringLiteral("Élő felvétel"));
    EXPECT_EQ(lines[2], QStringLiteral("781.6"));
    EXPECT_EQ(lines[3].size(), 134);

    // 89 characters with a blank after the 79th: broken.
    const QString title89 = title88 + QLatin1Char('!');
    EXPECT_EQ(card::soundRecordingCard({ { "fc", title89 } }),
        (QStringList { QStringLiteral("      ") + title89.left(79), title89.mid(80) }));
    // A price without a number: the price part alone.
    EXPECT_EQ(card::soundRecordingCard({ { "ar", 1200 } }), QStringList { QStringLiteral("    ár: 1200") });
}

TEST(CardHelpers, BreakAtBlanksWithoutBlankKeepsTheText)
{
    const QString unbroken(120, QLatin1Char('x'));
    EXPECT_EQ(card::breakAtBlanks(unbroken, 89, 79), QStringList { unbroken });
    EXPECT_EQ(card::priceText(1500), QStringLiteral("1500"));
    EXPECT_EQ(card::priceText(1234.5), QStringLiteral("1234,5"));
}

} // namespace
