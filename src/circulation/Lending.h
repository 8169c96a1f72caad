#pragma once

#include "circulation/CirculationSession.h"
#include "db/Connection.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

namespace zentar::platform {
class Dialogs;
}

// Lending, extension and return stated without widgets: the loan-period codes, finding copies,
// the loan operations and the bookkeeping that follows each of them (the lending-event rows of
// kolcsdok, the visit of the day in latogato, the reminder level of a reader who brought
// everything back). Every operation with its bookkeeping runs in one transaction.
namespace zentar::circulation::lending {

// The due date a copy's loan-period code (kpld.statusz) offers, counted from `today`.
// "Tanév végéig" offers `lendingPeriodEnd` (null when the library's end is not later than the day
// the window opened); "Nem kölcsönözhető" offers today (taken out for the day); "Megrendelés
// alatt", "Selejtezésre jelölve" and "Selejtezve" offer nothing; any other code leaves the offer
// as it was (`previous`). A null date means the copy cannot be lent.
QDate offeredDue(const QString& code, const QDate& today, const QDate& lendingPeriodEnd, const QDate& previous = {});

inline QString notLendableText()
{
    return QStringLiteral("A dokumentum nem kölcsönözhető!");
}
inline QString tooManyExtensionsText()
{
    return QStringLiteral("Többször nem lehet hosszabbítani!");
}
// Extensions counted in kolcson.statusz stop here.
constexpr int maxExtensions = 254;
// "Mind visszahoz" does nothing for a reader with this many loans or more.
constexpr int returnAllLimit = 10;

// A copy as the document panel shows it.
struct Copy {
    QString docType; // konyv.doktipus
    QString author; // szerzo
    QString title; // fc
    QString classMark; // szakj
    QString shelfMark; // raktj
    QString inventoryLetter; // lbetu
    QString inventoryNumber; // lszam
    QString location; // lhely
    QString barcode; // vonalkod
    QString code; // kpld.statusz, the loan-period code
    QString note; // kpld.megj
};

// "alapján:" of the document search, in the order of the list.
enum class FindBy { Barcode, InventoryNumber, SerialNumber };
QStringList findCaptions();

// The copies the document search finds (nothing for a number criterion with a text that is not
// a number).
QList<Copy> findCopies(db::Connection& db, FindBy by, const QString& text);
std::optional<Copy> copyByBarcode(db::Connection& db, const QString& barcode);

// The current loan of a copy (a kolcson row), if any.
std::optional<QVariantMap> loanOf(db::Connection& db, const QString& barcode, const QString& docType);
// A reader's loans in the order of the loan list.
QList<QVariantMap> loansOf(db::Connection& db, const QString& readerBarcode);
// A reader (olvaso row) by barcode.
std::optional<QVariantMap> readerByBarcode(db::Connection& db, const QString& barcode);

// What "Mind hosszabbít" offered, for the message that tells it.
struct ExtendAllResult {
    int extended = 0;
    int refused = 0; // at the extension limit
};

// The desk works for the loaded reader (an olvaso row) in the window's session.
class Desk {
public:
    Desk(db::Connection& db, platform::Dialogs& dialogs, const CirculationSession& session);

    // Lends a copy until `due`. Refused (the message returned, nothing written) without a reader
    // barcode, without a due date, or when the copy is on loan already.
    QString lend(const QVariantMap& reader, const Copy& copy, const QDate& due);

    // Extends a loan of the reader from today by its copy's loan-period code, after the
    // reservation check. The refusal message, empty when extended.
    QString extend(const QVariantMap& reader, const QString& barcode, const QString& docType);

    // Takes a loan back after the reservation check. False when there was no such loan.
    bool giveBack(const QVariantMap& reader, const QString& barcode, const QString& docType);

    // "Mind visszahoz": nothing (0) without loans or with `returnAllLimit` or more; otherwise asks
    // and, on Yes, takes back every loan that has a barcode. Returns the number taken back.
    int returnAll(const QVariantMap& reader);

    // "Mind hosszabbít": every loan of the reader is extended from today by its own copy's
    // loan-period code, as a single extension is; today + 28 days when the code offers no date,
    // today when the copy is no longer in the catalogue. Loans at the limit are skipped with
    // "Többször nem lehet hosszabbítani!". Nothing (and the message) without loans.
    ExtendAllResult extendAll(const QVariantMap& reader);

    // The visit of the day: one latogato row per reader, department and day.
    void recordVisit(const QVariantMap& reader);

    // "Fizet": the reader leaves the reminder cycle.
    void pay(const QVariantMap& reader);
    // "Előjegyzés törlése".
    void clearReservationFlag(const QVariantMap& reader);
    // The note of a copy (kpld.megj).
    void saveNote(const QString& barcode, const QString& note);

    const CirculationSession& session() const { return session_; }

private:
    void writeEvent(const QVariantMap& reader, const QString& barcode, const QString& title, const QString& docType);
    void visit(const QVariantMap& reader);
    void resetReminderWhenDone(const QVariantMap& reader);
    QDate extensionDue(const std::optional<Copy>& copy) const;

    db::Connection& db_;
    platform::Dialogs& dialogs_;
    const CirculationSession& session_;
};

// The loan receipt as plain text lines, the loans in the order of the loan list.
QStringList receiptLines(const QVariantMap& reader, const QString& address, const QList<QVariantMap>& loans);

// The legend shown on a double click of the loan list.
QString legendText();
// The tab's help text.
QString helpText();

} // namespace zentar::circulation::lending
