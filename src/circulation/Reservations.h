#pragma once

#include "db/Connection.h"

#include <QString>

#include <optional>

namespace zentar::platform {
class Dialogs;
}

// Reservations of titles, stated without widgets: the announcement when a reader is shown, the
// check at an extension or a return, and the mark that the reserved document has come back.
namespace zentar::circulation::reservations {

struct Reservation {
    int id = 0;
    QString readerBarcode; // olvkod
    QString title; // cim
};

// New reservation key: the maximum plus 1.
int nextId(db::Connection& db);

// Showing a reader whose reservation flag is set: takes the reader's reservation to announce,
// deletes it and returns "Az olvasó előjegyezte a(z) <cim> című könyvet!". A reservation whose
// document has come back is announced before one still waiting (earliest first). The flag is
// cleared when no reservation that has come back is left, so a waiting reservation is not
// announced (and deleted) before its document is back. Nothing when the reader has no reservation.
std::optional<QString> takeAnnouncement(db::Connection& db, const QString& readerBarcode);

// The earliest waiting reservation of a loan's title (the check before an extension or a
// return). The title matches as lent or with its first apostrophe removed, whole or cut to 52
// characters as older records hold it; no wildcard.
std::optional<Reservation> forLoanTitle(db::Connection& db, const QString& loanTitle);

// "A(z) <cim> című dokumentumot\n előjegyezte: <olvkod>\nEz az a dokumentum?"
QString question(const Reservation& reservation);

// The librarian confirmed that the document in hand is the reserved one: the reservation is
// marked as come back ('1') and the reserving reader's flag is set, so that the next display of
// that reader announces it. Both in one transaction.
void confirmReturned(db::Connection& db, const Reservation& reservation);

// The whole check as extension and return run it: looks the title up, asks, and confirms on Yes.
// Returns true when a reservation was confirmed.
bool checkLoanTitle(db::Connection& db, platform::Dialogs& dialogs, const QString& loanTitle);

} // namespace zentar::circulation::reservations
