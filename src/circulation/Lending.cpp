#include "circulation/Lending.h"

#include "catalogue/CodeLists.h"
#include "circulation/Reservations.h"
#include "db/DateText.h"
#include "db/Keys.h"
#include "platform/Dialogs.h"

namespace zentar::circulation::lending {

namespace {

QString text(const QVariantMap& row, const char* column)
{
    return row.value(QString::fromLatin1(column)).toString().trimmed();
}

QDate dateOf(const QVariant& value)
{
    return value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
}

const QString copyColumns = QStringLiteral(
    "select konyv.doktipus, konyv.szerzo, konyv.fc, konyv.szakj, konyv.raktj, kpld.lbetu, kpld.lszam, kpld.lhely, "
    "kpld.vonalkod, kpld.statusz, kpld.megj from konyv, kpld where konyv.id = kpld.id and ");

QList<Copy> copies(db::Connection& db, const QString& condition, const db::Params& params)
{
    QList<Copy> result;
    for (const QVariantMap& r : db.rows(copyColumns + condition + QStringLiteral(" order by kpld.sorszam"), params)) {
        Copy c;
        c.docType = text(r, "doktipus");
        c.author = text(r, "szerzo");
        c.title = text(r, "fc");
        c.classMark = text(r, "szakj");
        c.shelfMark = text(r, "raktj");
        c.inventoryLetter = text(r, "lbetu");
        c.inventoryNumber = text(r, "lszam");
        c.location = text(r, "lhely");
        c.barcode = text(r, "vonalkod");
        c.code = text(r, "statusz");
        c.note = r.value(QStringLiteral("megj")).toString();
        result << c;
    }
    return result;
}

} // namespace

QDate offeredDue(const QString& code, const QDate& today, const QDate& lendingPeriodEnd, const QDate& previous)
{
    using namespace catalogue::codes::statusz;
    const QString c = code.trimmed();
    if (c == ThreeDays)
        return today.addDays(3);
    if (c == OneWeek)
        return today.addDays(7);
    if (c == ThreeWeeks)
        return today.addDays(21);
    if (c == FourWeeks)
        return today.addDays(28);
    if (c == SchoolYear)
        return lendingPeriodEnd;
    if (c == NotForLoan)
        return today;
    if (c == OnOrder || c == MarkedForDiscard || c == Discarded)
        return {};
    return previous;
}

QStringList findCaptions()
{
    return { QStringLiteral("Vonalkód"), QStringLiteral("Leltári szám"), QStringLiteral("Sorszám") };
}

QList<Copy> findCopies(db::Connection& db, FindBy by, const QString& input)
{
    const QString t = input.trimmed();
    if (t.isEmpty())
        return {};
    if (by == FindBy::Barcode)
        return copies(db, QStringLiteral("kpld.vonalkod = ?"), { t });
    bool ok = false;
    const qlonglong number = t.toLongLong(&ok);
    if (!ok)
        return {};
    if (by == FindBy::InventoryNumber)
        return copies(db, QStringLiteral("kpld.lszam = ?"), { number });
    return copies(db, QStringLiteral("konyv.id = ?"), { number });
}

std::optional<Copy> copyByBarcode(db::Connection& db, const QString& barcode)
{
    const QList<Copy> found = findCopies(db, FindBy::Barcode, barcode);
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<QVariantMap> loanOf(db::Connection& db, const QString& barcode, const QString& docType)
{
    const QList<QVariantMap> rows = db.rows(
        QStringLiteral("select * from kolcson where vonalkod = ? and doktipus = ?"), { barcode.trimmed(), docType });
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<QVariantMap> loansOf(db::Connection& db, const QString& readerBarcode)
{
    return db.rows(QStringLiteral("select * from kolcson where olvkod = ? order by lejardatum, kolcsdatum, szerzo"),
        { readerBarcode.trimmed() });
}

std::optional<QVariantMap> readerByBarcode(db::Connection& db, const QString& barcode)
{
    const QList<QVariantMap> rows
        = db.rows(QStringLiteral("select * from olvaso where vonalkod = ? order by id"), { barcode.trimmed() });
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

Desk::Desk(db::Connection& db, platform::Dialogs& dialogs, const CirculationSession& session)
    : db_(db)
    , dialogs_(dialogs)
    , session_(session)
{
}

QString Desk::lend(const QVariantMap& reader, const Copy& copy, const QDate& due)
{
    const QString readerBarcode = text(reader, "vonalkod");
    if (readerBarcode.isEmpty())
        return QStringLiteral("Először válassza ki az olvasót!");
    if (!due.isValid())
        return notLendableText();
    if (copy.barcode.isEmpty())
        return QStringLiteral("A dokumentumnak nincs vonalkódja!");
    db::Transaction transaction(db_);
    // A copy is on loan exactly while a kolcson row holds its barcode: never two rows.
    if (loanOf(db_, copy.barcode, copy.docType))
        return QStringLiteral("A dokumentum már ki van kölcsönözve!");
    db_.exec(QStringLiteral("insert into kolcson (olvkod, vonalkod, statusz, kolcsdatum, lejardatum, doktipus, szerzo, "
                            "cim, lszam, reszleg, kvtaros) values (?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?)"),
        { readerBarcode, copy.barcode, session_.today, due, copy.docType, copy.author, copy.title, copy.inventoryNumber,
            session_.department, session_.librarian });
    writeEvent(reader, copy.barcode, copy.title, copy.docType);
    visit(reader);
    transaction.commit();
    return {};
}

QDate Desk::extensionDue(const std::optional<Copy>& copy) const
{
    if (!copy)
        return session_.today;
    const QDate due = offeredDue(copy->code, session_.today, session_.lendingPeriodEnd);
    return due.isValid() ? due : session_.today.addDays(28);
}

QString Desk::extend(const QVariantMap& reader, const QString& barcode, const QString& docType)
{
    const std::optional<QVariantMap> loan = loanOf(db_, barcode, docType);
    if (!loan)
        return QStringLiteral("A dokumentum nincs kikölcsönözve!");
    reservations::checkLoanTitle(db_, dialogs_, text(*loan, "cim"));
    const int extensions = loan->value(QStringLiteral("statusz")).toInt();
    if (extensions >= maxExtensions)
        return tooManyExtensionsText();
    const std::optional<Copy> copy = copyByBarcode(db_, barcode);
    if (!copy)
        return QStringLiteral("A dokumentum nem található az adatbázisban, így nem hosszabbítható meg!");
    // Counted from today, not from the old due date.
    const QDate due = offeredDue(copy->code, session_.today, session_.lendingPeriodEnd);
    if (!due.isValid())
        return notLendableText();
    db::Transaction transaction(db_);
    db_.exec(QStringLiteral("update kolcson set statusz = ?, lejardatum = ? where vonalkod = ? and doktipus = ?"),
        { extensions + 1, due, barcode.trimmed(), docType });
    writeEvent(reader, barcode.trimmed(), text(*loan, "cim"), docType);
    transaction.commit();
    return {};
}

bool Desk::giveBack(const QVariantMap& reader, const QString& barcode, const QString& docType)
{
    const std::optional<QVariantMap> loan = loanOf(db_, barcode, docType);
    if (!loan)
        return false;
    reservations::checkLoanTitle(db_, dialogs_, text(*loan, "cim"));
    db::Transaction transaction(db_);
    db_.exec(QStringLiteral("delete from kolcson where vonalkod = ? and doktipus = ?"), { barcode.trimmed(), docType });
    resetReminderWhenDone(reader);
    visit(reader);
    transaction.commit();
    return true;
}

int Desk::returnAll(const QVariantMap& reader)
{
    const QList<QVariantMap> loans = loansOf(db_, text(reader, "vonalkod"));
    if (loans.isEmpty() || loans.size() >= returnAllLimit)
        return 0;
    if (dialogs_.question(QStringLiteral("Az olvasónál lévő összes dokumentum visszavétele. Folytatja?"), {},
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return 0;
    int returned = 0;
    db::Transaction transaction(db_);
    for (const QVariantMap& loan : loans) {
        if (text(loan, "vonalkod").isEmpty())
            continue; // cannot be identified: stays for the librarian to see
        db_.exec(QStringLiteral("delete from kolcson where vonalkod = ? and doktipus = ?"),
            { text(loan, "vonalkod"), loan.value(QStringLiteral("doktipus")) });
        ++returned;
    }
    resetReminderWhenDone(reader);
    visit(reader);
    transaction.commit();
    return returned;
}

ExtendAllResult Desk::extendAll(const QVariantMap& reader)
{
    ExtendAllResult result;
    const QList<QVariantMap> loans = loansOf(db_, text(reader, "vonalkod"));
    if (loans.isEmpty()) {
        dialogs_.information(QStringLiteral("Az olvasónál nincsenek ilyen dokumentumok!"));
        return result;
    }
    for (const QVariantMap& loan : loans)
        reservations::checkLoanTitle(db_, dialogs_, text(loan, "cim"));
    db::Transaction transaction(db_);
    for (const QVariantMap& loan : loans) {
        const int extensions = loan.value(QStringLiteral("statusz")).toInt();
        if (extensions >= maxExtensions) {
            ++result.refused;
            continue;
        }
        const QString barcode = text(loan, "vonalkod");
        const QDate due = extensionDue(copyByBarcode(db_, barcode));
        db_.exec(QStringLiteral("update kolcson set statusz = ?, lejardatum = ? where vonalkod = ? and doktipus = ?"),
            { extensions + 1, due, barcode, loan.value(QStringLiteral("doktipus")) });
        ++result.extended;
    }
    visit(reader);
    transaction.commit();
    if (result.refused > 0)
        dialogs_.information(tooManyExtensionsText());
    return result;
}

void Desk::recordVisit(const QVariantMap& reader)
{
    db::Transaction transaction(db_);
    visit(reader);
    transaction.commit();
}

void Desk::pay(const QVariantMap& reader)
{
    db_.exec(QStringLiteral("update olvaso set keskod = 0 where id = ?"), { reader.value(QStringLiteral("id")) });
}

void Desk::clearReservationFlag(const QVariantMap& reader)
{
    db_.exec(QStringLiteral("update olvaso set elojegyz = '0' where id = ?"), { reader.value(QStringLiteral("id")) });
}

void Desk::saveNote(const QString& barcode, const QString& note)
{
    db_.exec(QStringLiteral("update kpld set megj = ? where vonalkod = ?"), { note, barcode.trimmed() });
}

void Desk::writeEvent(const QVariantMap& reader, const QString& barcode, const QString& title, const QString& docType)
{
    const QString department = text(reader, "reszleg").toLower();
    const auto orNull = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    db_.exec(QStringLiteral("insert into kolcsdok (id, olvid, olvkat, dokvkod, cim, doktipus, datum, reszleg) "
                            "values (?, ?, ?, ?, ?, ?, ?, ?)"),
        { db::nextKey(db_, QStringLiteral("kolcsdok"), QStringLiteral("id")), reader.value(QStringLiteral("id")),
            orNull(department.left(1)), orNull(barcode), orNull(title), docType, session_.today,
            orNull(session_.department) });
}

void Desk::visit(const QVariantMap& reader)
{
    const QString name = text(reader, "nev");
    const QVariant existing
        = db_.scalar(QStringLiteral("select first 1 id from latogato where datum = ? and reszleg = ? and nev = ?"),
            { session_.today, session_.department, name });
    if (existing.isValid())
        return;
    const QString department = text(reader, "reszleg").toLower();
    db_.exec(
        QStringLiteral("insert into latogato (id, datum, reszleg, nev, gyerek, felnott) values (?, ?, ?, ?, ?, ?)"),
        { db::nextKey(db_, QStringLiteral("latogato"), QStringLiteral("id")), session_.today, session_.department,
            name.isEmpty() ? QVariant() : QVariant(name),
            department == QStringLiteral("gyerek") ? QVariant(1) : QVariant(),
            department == QStringLiteral("felnőtt") ? QVariant(1) : QVariant() });
}

void Desk::resetReminderWhenDone(const QVariantMap& reader)
{
    const QString barcode = text(reader, "vonalkod");
    if (barcode.isEmpty())
        return;
    if (db_.scalar(QStringLiteral("select count(*) from kolcson where olvkod = ?"), { barcode }).toInt() > 0)
        return;
    db_.exec(QStringLiteral("update olvaso set keskod = 0 where vonalkod = ? and keskod <> 0"), { barcode });
}

QStringList receiptLines(const QVariantMap& reader, const QString& address, const QList<QVariantMap>& loans)
{
    QStringList lines;
    lines << QStringLiteral(" ");
    lines << (QStringLiteral("   ") + text(reader, "nev") + QStringLiteral("   Vonalkód: ") + text(reader, "vonalkod"))
                 .left(90);
    QString home = QStringLiteral("   Lakcím: ") + address;
    if (!text(reader, "tel").isEmpty())
        home += QStringLiteral("  Tel.:") + text(reader, "tel");
    lines << home.left(90);
    lines << QStringLiteral(" ");
    lines << QStringLiteral("               IGAZOLÓ SZELVÉNY, AZ OLVASÓNÁL LÉVŐ DOKUMENTUMOK LISTÁJA");
    lines << QStringLiteral("   ") + QString(81, QLatin1Char('='));
    for (const QVariantMap& loan : loans) {
        QString line = QStringLiteral("   ");
        if (!text(loan, "szerzo").isEmpty())
            line += text(loan, "szerzo").left(30) + QStringLiteral(": ");
        if (!text(loan, "cim").isEmpty())
            line += text(loan, "cim").left(40) + QStringLiteral("  ");
        const QDate due = dateOf(loan.value(QStringLiteral("lejardatum")));
        if (due.isValid() && due > db::datetext::dueSentinel())
            line += db::datetext::display(due) + QStringLiteral("  ");
        if (!text(loan, "reszleg").isEmpty())
            line += text(loan, "reszleg") + QStringLiteral("  ");
        lines << line.left(90);
    }
    lines << QStringLiteral(" ") + QString(81, QLatin1Char('='));
    for (int i = 0; i < 3; ++i)
        lines << QStringLiteral("     ");
    lines << QStringLiteral("           ------------------------------");
    lines << QStringLiteral("                   olvasó aláírása");
    return lines;
}

QString legendText()
{
    return QStringLiteral("Státusz jelmagyarázat:\nKölcs D = Kölcsönzés dátuma\nHossz = hosszabbítások száma\n"
                          "0: Kikölcsönözve\n1: Első hosszabbítás\n2: Második hosszabbítás\n"
                          "3: Harmadik hosszabbítás...\nLejár D = lejárat dátuma");
}

QString helpText()
{
    return QStringList {
        QStringLiteral("A képernyő három részre oszlik:"),
        QStringLiteral("1. Az olvasók adatai: itt válassza ki az olvasót:"),
        QStringLiteral("Keresheti vonalkód, név és nyilvántartási szám szerint, majd nyomja meg a Keresés gombot!"),
        QStringLiteral("A <-- és --> nyilakkal lapozhat közöttük, ha név szerint keresett."),
        QString(),
        QStringLiteral("2. Visszahozatalkor elég a dokumentumot kikeresni. Kölcsönzéshez is ki kell választania a "
                       "kölcsönözni kívánt dokumentumot."),
        QStringLiteral("Ezt vonalkód és leltári szám alapján is megteheti. A dokumentum típusa és a keresési mód "
                       "kiválasztása után nyomja meg a Keresés gombot."),
        QStringLiteral("A helyben olvasók nyilvántartásához előszor válassza ki az olvasót, majd az olvasott "
                       "(hallgatott) dokumentum típusát, adja meg a darab számot."),
        QStringLiteral("Elmenteni A dokumentum adatai rész Mentés gombjával tudja."),
        QString(),
        QStringLiteral("3. A képernyő alsó részén az olvasónál lévő dokumentumok adati látszanak."),
        QStringLiteral("Kölcsönzéshez az olvasó és a dokumentum kiválasztása után nyomja meg a Kölcsönzés gombot."),
        QStringLiteral("Hosszabbításhoz az olvasó és a dokumentum kiválasztása után nyomja meg a Hosszabbítás gombot."),
        QStringLiteral("Visszahatalkor az olvasó és a dokumentum kiválasztása után nyomja meg a Visszahozatal gombot."),
        QStringLiteral("M. V. : Mind visszahoz, azaz az olvasónál lévő összes dokumentum visszavétele."),
        QStringLiteral("M. H. : Mind hosszabbít, azaz az olvasónál lévő összes dokumentum határidejének "
                       "meghosszabbítása."),
    }
        .join(QLatin1Char('\n'));
}

} // namespace zentar::circulation::lending
