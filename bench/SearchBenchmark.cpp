// Times the catalogue search on a large catalogue: 100,000 records with 150,000 copies and their
// author and title index rows, built once in the given folder (kept for later runs). Then an
// author prefix search, a title substring search and the newest-acquisitions list run with the
// search window's own statements, each several times; the figures are printed in milliseconds.
//
//   search_benchmark [folder]      (default: /tmp/zentar-bench)

#include "app/Modules.h"
#include "catalogue/BulkInsert.h"
#include "db/Database.h"
#include "retrieval/CatalogueQuery.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <functional>
#include <cstdio>

using namespace zentar;

namespace {

constexpr int kRecords = 100000;
constexpr int kBatch = 10000;

const QStringList kSurnames = {"Nagy", "Kovács", "Tóth", "Szabó", "Horváth", "Varga", "Kiss", "Molnár", "Németh",
                               "Farkas", "Balogh", "Papp", "Takács", "Juhász", "Lakatos", "Mészáros", "Oláh",
                               "Simon", "Rácz", "Fekete", "Szilágyi", "Török", "Fehér", "Balázs", "Gál", "Kis",
                               "Szűcs", "Kocsis", "Orsós", "Pintér", "Fodor", "Szalai", "Sipos", "Magyar", "Lukács",
                               "Gulyás", "Biró", "Király", "Katona", "László", "Jakab", "Bogdán", "Balog", "Sándor",
                               "Boros", "Fazekas", "Kelemen", "Antal", "Orosz", "Somogyi", "Fülöp", "Veres", "Budai",
                               "Vincze", "Hegedűs", "Deák", "Pap", "Bálint", "Illés", "Pál", "Vass", "Szőke",
                               "Fábián", "Vörös", "Lengyel", "Bognár", "Jónás", "Szücs", "Hajdu", "Halász", "Máté",
                               "Székely", "Gáspár", "Kozma", "Pásztor", "Bakos", "Dudás", "Major", "Virág", "Hegedüs",
                               "Orbán", "Barta", "Vida", "Kántor", "Ács", "Soós", "Bozsik", "Vadász", "Erdős",
                               "Csonka", "Pongrácz", "Győri", "Mohácsi", "Ujvári", "Rigó", "Bodnár", "Szekeres",
                               "Benkő", "Zsigmond", "Dobos"};
const QStringList kGiven = {"Anna", "Béla", "Csaba", "Dezső", "Erzsébet", "Ferenc", "Gábor", "Hajnalka", "István",
                            "János", "Katalin", "László", "Mária", "Nándor", "Orsolya", "Péter", "Réka", "Sándor",
                            "Tamás", "Zoltán"};
const QStringList kWords = {"kert", "tenger", "város", "erdő", "hegy", "ház", "nyár", "tél", "ősz", "tavasz", "fény",
                            "árnyék", "út", "híd", "folyó", "álom", "dal", "mese", "titok", "kapu", "csillag", "hold",
                            "nap", "szél", "vihar", "virág", "madár", "kő", "tűz", "víz", "idő", "élet", "könyv",
                            "levél", "ablak", "torony", "kastély", "malom", "sziget", "vár"};
const QStringList kLocations = {"Felnőtt", "Gyerek", "Olvasóterem", "Raktár"};
const QStringList kTypes = {"Könyv", "Könyv", "Könyv", "Könyv", "Könyv", "Könyv", "AV", "Multimédia", "Hangzó",
                            "Szakdolgozat"};

QString pick(QRandomGenerator& random, const QStringList& list)
{
    return list.at(int(random.bounded(quint32(list.size()))));
}

QString title(QRandomGenerator& random)
{
    QString t = pick(random, kWords);
    t[0] = t[0].toUpper();
    const int more = int(random.bounded(4u));
    for (int i = 0; i < more; ++i)
        t += QLatin1Char(' ') + pick(random, kWords);
    return t;
}

void build(db::Connection& db)
{
    QRandomGenerator random(20240315);
    QElapsedTimer timer;
    timer.start();
    int copyKey = 0;
    int authorKey = 0;
    int titleKey = 0;
    for (int start = 1; start <= kRecords; start += kBatch) {
        db::Transaction transaction(db);
        catalogue::BulkInsert records(db, QStringLiteral("insert into konyv (id, doktipus, szakj, raktj, szerzo, fc, "
                                                         "ac, kiadas, kiadev, tszo, nyelv) values (?,?,?,?,?,?,?,?,?,?,?)"));
        catalogue::BulkInsert copies(db, QStringLiteral("insert into kpld (sorszam, id, vonalkod, lszam, lhely, "
                                                        "statusz, beszdatum, doktipus) values (?,?,?,?,?,?,?,?)"));
        catalogue::BulkInsert authors(db, QStringLiteral("insert into kszerzo (sorszam, doktipus, id, szerzo) "
                                                         "values (?,?,?,?)"));
        catalogue::BulkInsert titles(db, QStringLiteral("insert into kcim (sorszam, doktipus, id, cim) values (?,?,?,?)"));
        for (int id = start; id < start + kBatch && id <= kRecords; ++id) {
            const QString type = pick(random, kTypes);
            const QString author = pick(random, kSurnames) + QLatin1Char(' ') + pick(random, kGiven);
            const QString fc = title(random);
            const bool subtitle = random.bounded(3u) == 0;
            const QString ac = subtitle ? title(random).toLower() : QString();
            records.run({id, type, QString::number(random.bounded(900u)), author.left(1).toUpper()
                             + QString::number(random.bounded(99u)), author, fc, subtitle ? QVariant(ac) : QVariant(),
                         QStringLiteral("Budapest : ") + pick(random, kSurnames) + QStringLiteral(" Kiadó"),
                         QString::number(1950 + random.bounded(75u)), pick(random, kWords), QStringLiteral("magyar")});
            authors.run({++authorKey, type, id, author});
            if (random.bounded(4u) == 0)
                authors.run({++authorKey, type, id, pick(random, kSurnames) + QLatin1Char(' ') + pick(random, kGiven)});
            titles.run({++titleKey, type, id, fc.left(500)});
            if (subtitle)
                titles.run({++titleKey, type, id, ac.left(500)});
            // Half of the records have a second copy: 150,000 copies in all.
            const int copyCount = id % 2 == 0 ? 2 : 1;
            for (int c = 0; c < copyCount; ++c) {
                ++copyKey;
                copies.run({copyKey, id, QString::number(100000 + copyKey), copyKey, pick(random, kLocations),
                            QStringLiteral("3 hét"), QStringLiteral("2024"), type});
            }
        }
        transaction.commit();
    }
    std::printf("built %d records, %d copies, %d author rows, %d title rows in %.1f s\n", kRecords, copyKey,
                authorKey, titleKey, timer.elapsed() / 1000.0);
}

void time(db::Connection& db, const char* name, const std::function<retrieval::HitList()>& run)
{
    QList<double> times;
    int rows = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        rows = run().count();
        times << timer.nsecsElapsed() / 1e6;
    }
    const double first = times.first();
    std::sort(times.begin(), times.end());
    std::printf("%-40s %6d rows   first %8.1f ms   median %8.1f ms\n", name, rows, first, times.at(2));
    (void)db;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/zentar-bench");
    QDir().mkpath(folder);
    platform::ModuleRegistry registry;
    app::registerAllModules(registry);
    db::Connection db;
    db::ConnectionSettings settings;
    settings.databasePath = QDir(folder).filePath(QStringLiteral("BENCH.FDB"));
    try {
        db::openLibraryDatabase(db, settings, registry.schema);
        if (db.scalar(QStringLiteral("select count(*) from konyv")).toInt() < kRecords)
            build(db);

        using namespace retrieval;
        time(db, "author prefix \"szabó\"", [&] {
            return search(db, {Criterion::Author, QStringLiteral("szabó"), {}, kEverywhere, MatchType::Prefix});
        });
        time(db, "author prefix \"szabó\" at \"Gyerek\"", [&] {
            return search(db, {Criterion::Author, QStringLiteral("Szabó"), {}, QStringLiteral("Gyerek"), MatchType::Prefix});
        });
        time(db, "author substring \"anna\"", [&] {
            return search(db, {Criterion::Author, QStringLiteral("anna"), {}, kEverywhere, MatchType::Substring});
        });
        time(db, "title substring \"torony\"", [&] {
            return search(db, {Criterion::Title, QStringLiteral("torony"), {}, kEverywhere, MatchType::Substring});
        });
        time(db, "title substring \"ablak tűz\"", [&] {
            return search(db, {Criterion::Title, QStringLiteral("ablak tűz"), {}, kEverywhere, MatchType::Substring});
        });
        time(db, "newest acquisitions, all types", [&] { return newest(db, kAllTypes, kEverywhere); });
        time(db, "newest acquisitions, \"Könyv\" at \"Gyerek\"",
             [&] { return newest(db, QStringLiteral("Könyv"), QStringLiteral("Gyerek")); });
    } catch (const db::DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
