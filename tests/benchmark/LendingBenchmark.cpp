#include "catalogue/BulkInsert.h"
#include "circulation/Lending.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace zentar;

namespace {

// The path of a scanned copy barcode at the lending desk: the copy found, its current loan looked
// up, the due date offered, the loan written with its bookkeeping, the reader's loan list read
// again. 100,000 records with a copy each, 20,000 readers, 20,000 loans and 100,000 lending events.
class LendingBenchmark : public test::DbTest { };

TEST_F(LendingBenchmark, ScannedBarcodeToWrittenLoan)
{
    {
        db::Transaction transaction(db);
        catalogue::BulkInsert record(db, "insert into konyv (id, doktipus, szerzo, fc) values (?, 'Könyv', ?, ?)");
        catalogue::BulkInsert copy(
            db, "insert into kpld (sorszam, id, vonalkod, lszam, statusz) values (?, ?, ?, ?, '3 hét')");
        for (int i = 1; i <= 100000; ++i) {
            record.run({ i, QString("Szerző %1").arg(i % 5000), QString("Cím %1").arg(i) });
            copy.run({ i, i, QString("K%1").arg(i, 7, 10, QChar('0')), i });
        }
        catalogue::BulkInsert reader(
            db, "insert into olvaso (id, nyilvszam, nev, vonalkod, reszleg, keskod) values (?, ?, ?, ?, ?, 0)");
        for (int i = 1; i <= 20000; ++i)
            reader.run({ i, i, QString("Olvasó %1").arg(i), QString("O%1").arg(i, 6, 10, QChar('0')),
                i % 2 ? "Felnőtt" : "Gyerek" });
        catalogue::BulkInsert loan(db,
            "insert into kolcson (olvkod, vonalkod, doktipus, statusz, kolcsdatum, "
            "lejardatum, cim) values (?, ?, 'Könyv', 0, ?, ?, 'x')");
        for (int i = 1; i <= 20000; ++i)
            loan.run({ QString("O%1").arg(i, 6, 10, QChar('0')), QString("K%1").arg(i, 7, 10, QChar('0')),
                QDate(2024, 3, 1), QDate(2024, 3, 22) });
        catalogue::BulkInsert event(db,
            "insert into kolcsdok (id, olvid, olvkat, dokvkod, cim, doktipus, datum) values (?, ?, 'f', ?, 'x', "
            "'Könyv', ?)");
        for (int i = 1; i <= 100000; ++i)
            event.run({ i, 1 + i % 20000, QString("K%1").arg(1 + i % 100000, 7, 10, QChar('0')),
                QDate(2023, 1, 1).addDays(i % 440) });
        transaction.commit();
    }

    circulation::CirculationSession session { "Felnőtt", "Kovács Ilona", QDate(2024, 3, 15), {} };
    circulation::lending::Desk desk(db, dialogs, session);
    QList<qint64> times;
    for (int i = 0; i < 200; ++i) {
        const QVariantMap reader
            = *circulation::lending::readerByBarcode(db, QString("O%1").arg(20001 - 1 - i, 6, 10, QChar('0')));
        const QString barcode = QString("K%1").arg(50000 + i, 7, 10, QChar('0'));
        QElapsedTimer timer;
        timer.start();
        const auto copies = circulation::lending::findCopies(db, circulation::lending::FindBy::Barcode, barcode);
        ASSERT_EQ(copies.size(), 1);
        ASSERT_FALSE(circulation::lending::loanOf(db, barcode, copies.first().docType));
        const QDate due = circulation::lending::offeredDue(copies.first().code, session.today, {});
        ASSERT_EQ(desk.lend(reader, copies.first(), due), "");
        circulation::lending::loansOf(db, reader.value("vonalkod").toString());
        times << timer.nsecsElapsed() / 1000;
    }
    std::sort(times.begin(), times.end());
    std::printf("scan to loan: median %.2f ms, 95th percentile %.2f ms\n", times[times.size() / 2] / 1000.0,
        times[times.size() * 95 / 100] / 1000.0);
    EXPECT_LT(times[times.size() / 2], 50000);
}

} // namespace
