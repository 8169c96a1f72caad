#include "catalogue/RecordIndex.h"
#include "retrieval/CatalogueQuery.h"
#include "support/TestDatabase.h"

#include <QSet>

using namespace zentar;
using namespace zentar::retrieval;

namespace {

// A small catalogue written the way the cataloguing windows write it: records, copies and the
// author and title index rows derived from the record.
SearchRequest request(Criterion criterion, const QString& text)
{
    SearchRequest r;
    r.criterion = criterion;
    r.text = text;
    return r;
}

class CatalogueSearchTest : public test::DbTest {
protected:
    int addRecord(QVariantMap fields)
    {
        const int id = ++lastRecord_;
        fields.insert(QStringLiteral("id"), id);
        if (!fields.contains(QStringLiteral("doktipus")))
            fields.insert(QStringLiteral("doktipus"), QStringLiteral("Könyv"));
        QStringList names;
        QStringList marks;
        db::Params values;
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            names << it.key();
            marks << QStringLiteral("?");
            values << it.value();
        }
        db.exec(QStringLiteral("insert into konyv (%1) values (%2)").arg(names.join(','), marks.join(',')), values);
        catalogue::writeRecordIndex(db, id, fields.value(QStringLiteral("doktipus")).toString(),
                                    catalogue::bookRecordIndex(fields));
        return id;
    }
    void addCopy(int id, int lszam, const QString& lhely = QStringLiteral("Felnőtt"), const QString& barcode = {},
                 const QString& status = QStringLiteral("3 hét"))
    {
        db.exec(QStringLiteral("insert into kpld (sorszam, id, lszam, lhely, vonalkod, statusz, beszdatum) "
                               "values (?, ?, ?, ?, ?, ?, '2024')"),
                {++lastCopy_, id, lszam, lhely, barcode.isEmpty() ? QVariant() : QVariant(barcode), status});
    }
    QList<int> ids(const HitList& hits) const
    {
        QList<int> out;
        for (int row = 0; row < hits.count(); ++row)
            out << hits.recordId(row);
        return out;
    }
    QList<int> find(Criterion criterion, const QString& text, MatchType match = MatchType::Substring,
                    const QString& second = {}, const QString& location = {})
    {
        return ids(search(db, SearchRequest{criterion, text, second, location, match}));
    }

    int lastRecord_ = 0;
    int lastCopy_ = 0;
};

TEST_F(CatalogueSearchTest, ARecordWithoutCopiesIsNeverFound)
{
    const QVariantMap fields = {{"szerzo", "Kovács Anna"}, {"fc", "Kertek könyve"}, {"tszo", "kertészet"},
                                {"kiadas", "Budapest : Kertkiadó"}, {"kiadev", "1990"}, {"nyomda", "Kertnyomda"},
                                {"eto", "635"}, {"isbn", "963-11-1"}, {"issn", "1111-2222"}, {"tmt", "Kertváros"},
                                {"nyelv", "magyar"}};
    const int held = addRecord(fields);
    addCopy(held, 5, QStringLiteral("Felnőtt"), QStringLiteral("B5"));
    addRecord(fields); // no copies

    const QList<std::pair<Criterion, QString>> cases = {
        {Criterion::Author, "kovács"}, {Criterion::Title, "kertek"}, {Criterion::Subject, "kertészet"},
        {Criterion::Publication, "kertkiadó"}, {Criterion::Year, "1990"}, {Criterion::Printer, "kertnyomda"},
        {Criterion::Udc, "635"}, {Criterion::Isbn, "963-11"}, {Criterion::Issn, "1111"}, {Criterion::Tmt, "kertváros"},
        {Criterion::Language, "magyar"}, {Criterion::InventoryNumber, "5"}, {Criterion::Barcode, "B5"}};
    for (const auto& [criterion, text] : cases)
        EXPECT_EQ(find(criterion, text), QList<int>{held}) << int(criterion);
}

TEST_F(CatalogueSearchTest, CopiesAtTwoLocationsListTwiceEverywhereAndOnceAtOne)
{
    const int id = addRecord({{"szerzo", "Fekete István"}, {"fc", "Vuk"}});
    addCopy(id, 1, QStringLiteral("Felnőtt"));
    addCopy(id, 2, QStringLiteral("Felnőtt"));
    addCopy(id, 3, QStringLiteral("Gyerek"));

    EXPECT_EQ(find(Criterion::Author, "fekete", MatchType::Prefix, {}, kEverywhere), (QList<int>{id, id}));
    EXPECT_EQ(find(Criterion::Title, "vuk", MatchType::Exact, {}, QStringLiteral("Gyerek")), QList<int>{id});
    const HitList hits = search(db, {Criterion::Author, "fekete", {}, QStringLiteral("Gyerek"), MatchType::Substring});
    ASSERT_EQ(hits.count(), 1);
    EXPECT_EQ(hits.value(0, "lhely").toString(), QStringLiteral("Gyerek"));
    EXPECT_EQ(hits.columns.size(), 12);
}

TEST_F(CatalogueSearchTest, TheThreeMatchTypes)
{
    QMap<QString, int> byHeading;
    for (const char* heading : {"Kert", "kertészet", "a kert titkai", "gyümölcs", "KERT"}) {
        const int id = addRecord({{"fc", QString::fromUtf8(heading)}, {"tszo", QString::fromUtf8(heading)}});
        addCopy(id, id);
        byHeading.insert(QString::fromUtf8(heading), id);
    }
    auto subjects = [&](MatchType match) {
        QSet<QString> found;
        for (int id : find(Criterion::Subject, "kert", match))
            found << byHeading.key(id);
        return found;
    };
    EXPECT_EQ(subjects(MatchType::Exact), (QSet<QString>{"Kert", "KERT"}));
    EXPECT_EQ(subjects(MatchType::Prefix), (QSet<QString>{"Kert", "KERT", "kertészet"}));
    EXPECT_EQ(subjects(MatchType::Substring), (QSet<QString>{"Kert", "KERT", "kertészet", "a kert titkai"}));

    // The librarian's own wildcards keep working; accented capitals are folded.
    EXPECT_EQ(find(Criterion::Subject, "k_rt%t", MatchType::Prefix).size(), 1);
    const int accented = addRecord({{"szerzo", "Ábel Péter"}, {"fc", "Ének"}});
    addCopy(accented, 99);
    EXPECT_EQ(find(Criterion::Author, "ÁBEL", MatchType::Prefix), QList<int>{accented});
    EXPECT_EQ(find(Criterion::Title, "éNEK", MatchType::Exact), QList<int>{accented});
}

TEST_F(CatalogueSearchTest, InventoryNumberIsExactAndAcceptsOneCharacter)
{
    const int seven = addRecord({{"fc", "Hét"}});
    addCopy(seven, 7, QStringLiteral("Felnőtt"));
    const int seventeen = addRecord({{"fc", "Tizenhét"}});
    addCopy(seventeen, 17);
    EXPECT_TRUE(checkRequest(request(Criterion::InventoryNumber, "7")).isEmpty());
    EXPECT_EQ(find(Criterion::InventoryNumber, "7"), QList<int>{seven});
    EXPECT_EQ(find(Criterion::InventoryNumber, "7", MatchType::Substring, {}, QStringLiteral("Gyerek")), QList<int>{});
    EXPECT_EQ(find(Criterion::InventoryNumber, "hét"), QList<int>{}); // not a number: no copy
}

TEST_F(CatalogueSearchTest, YearRangeIsInclusiveAndASingleYearStandsAlone)
{
    QMap<int, QString> years;
    for (const char* year : {"1989", "1990", "1995", "1999", "2000"}) {
        const int id = addRecord({{"fc", QStringLiteral("Könyv %1").arg(QLatin1String(year))}, {"kiadev", year}});
        addCopy(id, id);
        years.insert(id, QLatin1String(year));
    }
    QStringList found;
    for (int id : find(Criterion::Year, "1990", MatchType::Substring, "1999"))
        found << years.value(id);
    found.sort();
    EXPECT_EQ(found, (QStringList{"1990", "1995", "1999"}));
    EXPECT_EQ(find(Criterion::Year, "1990").size(), 1);
}

TEST_F(CatalogueSearchTest, ASynonymFindsTheHitsOfItsHeading)
{
    const int id = addRecord({{"fc", "Virágoskert"}, {"tszo", "kertészet#dísznövények"}});
    addCopy(id, 1);
    db.exec("insert into targyszo (id, targyszo, szinonima) values (1, 'Kertészet', 'Hortikultúra')");
    EXPECT_EQ(find(Criterion::Subject, "hortikultúra"), QList<int>{id});
    EXPECT_EQ(find(Criterion::Subject, "Hortikultúra"), QList<int>{id});
    EXPECT_EQ(find(Criterion::Subject, "hortus"), QList<int>{});
}

TEST_F(CatalogueSearchTest, ShortTextsAreRefusedAudiobookListIncluded)
{
    for (Criterion c : {Criterion::AudiobookList, Criterion::Author, Criterion::Barcode})
        EXPECT_EQ(checkRequest(request(c, "x")), QStringLiteral("Kérem adjon meg pontosabb adatot!")) << int(c);
    EXPECT_TRUE(checkRequest(request(Criterion::AudiobookList, "xx")).isEmpty());

    const int id = addRecord({{"szerzo", "Móra Ferenc"}, {"fc", "Kincskereső kisködmön"}, {"tszo", "Hangoskönyv"},
                              {"ter", "4 CD"}, {"mt", "Előadó: Kern András"}, {"doktipus", "Hangzó"}});
    addCopy(id, 1);
    const HitList hits = search(db, request(Criterion::AudiobookList, "zz"));
    ASSERT_EQ(hits.count(), 1);
    EXPECT_EQ(hits.columns, (QStringList{"szakj", "raktj", "szerzo", "fc", "kiadev", "ter", "mt", "doktipus", "id",
                                         "lhely"}));
    EXPECT_EQ(searchColumns(Criterion::AudiobookList).at(6).caption, QStringLiteral("Előadó"));
}

TEST_F(CatalogueSearchTest, NewestAcquisitionsOfBooksLeaveAnalyticRecordsOut)
{
    const int book = addRecord({{"fc", "Könyv"}, {"doktipus", "Könyv"}});
    addCopy(book, 10);
    const int analytic = addRecord({{"fc", "Tanulmány"}, {"doktipus", "Könyv AN"}});
    addCopy(analytic, 11);
    const int video = addRecord({{"fc", "Film"}, {"doktipus", "AV"}});
    addCopy(video, 12, QStringLiteral("Gyerek"));

    EXPECT_EQ(ids(newest(db, QStringLiteral("Könyv"), kEverywhere)), QList<int>{book});
    EXPECT_EQ(ids(newest(db, kAllTypes, kEverywhere)), (QList<int>{video, analytic, book}));
    EXPECT_EQ(ids(newest(db, kAllTypes, QStringLiteral("Gyerek"))), QList<int>{video});
    const HitList hits = newest(db, kAllTypes, kEverywhere);
    EXPECT_EQ(hits.value(0, "lszam").toInt(), 12);
}

TEST_F(CatalogueSearchTest, AQuoteInTheSearchTextFindsTheRecordAndBreaksNothing)
{
    const int id = addRecord({{"szerzo", "O'Brien, Flann"}, {"fc", "At Swim-Two-Birds"}, {"kiadas", "London : O'Neil"},
                              {"tszo", "ír irodalom"}});
    addCopy(id, 1, QStringLiteral("Felnőtt"), QStringLiteral("O'1"));
    EXPECT_EQ(find(Criterion::Author, "o'bri", MatchType::Prefix), QList<int>{id});
    EXPECT_EQ(find(Criterion::Publication, "O'Neil"), QList<int>{id});
    EXPECT_EQ(find(Criterion::Barcode, "O'1"), QList<int>{id});
    EXPECT_EQ(find(Criterion::Title, "x' or 1=1 --"), QList<int>{});
    EXPECT_EQ(db.scalar("select count(*) from konyv").toInt(), 1);
}

TEST_F(CatalogueSearchTest, SecondValueNarrowsAuthorAndTitle)
{
    const int a = addRecord({{"szerzo", "Jókai Mór"}, {"fc", "Az arany ember"}});
    const int b = addRecord({{"szerzo", "Jókai Mór"}, {"fc", "A kőszívű ember fiai"}});
    addCopy(a, 1);
    addCopy(b, 2);
    EXPECT_EQ(find(Criterion::Author, "jókai", MatchType::Prefix, "az ar"), QList<int>{a});
    EXPECT_EQ(find(Criterion::Title, "ember", MatchType::Substring, "a kő"), QList<int>{b});
    // The patterns: trimmed, lower-cased, wrapped, at most 32 characters.
    EXPECT_EQ(matchPattern("  Kert ", MatchType::Substring), "%kert%");
    EXPECT_EQ(matchPattern(QString(40, 'a'), MatchType::Prefix).size(), 32);
}

} // namespace
