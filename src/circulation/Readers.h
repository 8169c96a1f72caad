#pragma once

#include "db/Connection.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// The reader records of the circulation window, stated without widgets: searching and stepping,
// the expiry rule, the save and delete checks, key allocation, duplicate warnings, postal codes,
// the barcode change and what is shown about a loaded reader.
namespace zentar::circulation::readers {

// The category that may be saved without a barcode.
inline QString registeredMemberCategory()
{
    return QStringLiteral("Regisztrált tag");
}

// "Keresés szempontja:" in the order of the list.
enum class SearchBy { Barcode, Name, RegistrationNumber, SerialNumber };
QStringList searchCaptions();

struct Statement {
    QString sql;
    db::Params params;
};

// The select of a reader search (name: prefix, case aside, cut to `nameLength` characters).
Statement search(SearchBy by, const QString& text, int nameLength = 29);

// "Előző" (direction -1) / "Következő" (+1) by registration or serial number: the select of the
// neighbouring reader (numbers left free by deleted readers are skipped). Nothing when the step
// moves within the current result instead: searching by name or barcode, or the current number
// below 2 going back, or not positive going forward.
std::optional<Statement> neighbour(SearchBy by, const QVariant& currentNumber, int direction);

// A registration is valid for one year to the day: registered on 2023.03.15., it has expired on
// 2024.03.16. and not on 2024.03.15. Never expired without a registration date.
bool registrationExpired(const QDate& registered, const QDate& today);

// The messages of the save checks.
inline QString barcodeRequiredText()
{
    return QStringLiteral("A vonalkódot meg kell adni!");
}
inline QString sexRequiredText()
{
    return QStringLiteral("Válassza ki az olvasó nemét!");
}
// The first failing save check's message, empty when the reader may be saved.
QString saveRefusal(const QString& category, const QString& barcode, const QString& sex);

// New keys: serial number and registration number, each the maximum plus 1 (1 in an empty table).
int nextSerialNumber(db::Connection& db);
int nextRegistrationNumber(db::Connection& db);

// Warnings about a reader already in the table with the name / barcode being typed; empty when
// there is none. Warnings only: the reader is saved all the same.
QString duplicateNameWarning(db::Connection& db, const QString& name);
QString duplicateBarcodeWarning(db::Connection& db, const QString& barcode);

// The postal code of a town, 0 when the table has none.
int postalCode(db::Connection& db, const QString& town);
// Adds (town, code) to the postal codes unless the town already has a code there. Returns true
// when a row was added; a code that is not a positive number is not learnt.
bool learnPostalCode(db::Connection& db, const QString& town, const QString& code);

// Why a reader cannot be deleted, empty when it can.
QString deleteRefusal(db::Connection& db, const QVariant& serialNumber, const QString& barcode);

// Moves the loans (and waiting reservations) of a reader from the old barcode to the new one.
// Returns the number of loans moved. Runs inside the caller's transaction when there is one.
int moveToNewBarcode(db::Connection& db, const QString& oldBarcode, const QString& newBarcode);

// "<allvaros>,  <allcim>" (the town alone without a street), at most 50 characters.
QString address(const QVariantMap& reader);

// What showing a reader tells about them, in the order it is told.
struct ReaderFacts {
    QString address;
    bool canBorrow = false; // has a barcode
    QStringList messages; // no serial number, no barcode, registration expired
    QString fee; // "Beiratkozási díj:" the category's membership fee, empty when not set or negative
    QString loanAllowance; // "Kölcsönözhető dokumentumok száma:"
    int loanCount = 0;
    bool late = false; // the earliest due loan is due before today
    QString lateFee; // the late fee of the reader's reminder level (when late)
};
ReaderFacts facts(db::Connection& db, const QVariantMap& reader, const QDate& today);

// The category's membership fee as shown, empty when unknown or negative.
QString categoryFee(db::Connection& db, const QString& category);

// One line of the reader card.
struct CardLine {
    QString text;
    bool bold = false;
};
// The reader card: the name; birthplace and birth date; mother's name; town and street; the date
// of the current registration. Each line only when its data is set.
QList<CardLine> cardLines(const QVariantMap& reader, const QDate& today);

} // namespace zentar::circulation::readers
