#pragma once

#include <QDate>
#include <QString>

namespace zentar::db {

// Dates travel as QDate; this is the one place where their texts are made and read.
namespace datetext {

// "yyyy.MM.dd." — the workstation's short date form shown to the user. Empty for a null date.
QString display(const QDate& date);
// "yyyy.MM.dd" — the ten-character form (the trailing dot cut).
QString compact(const QDate& date);
// Reads "yyyy.mm.dd." or "yyyy.mm.dd" (also with "-" or "/" between the parts); a null date otherwise.
QDate parse(const QString& text);

// A shown date only when later than the early sentinel that marks "not set":
// birth dates after 1900.01.01, due dates after 2000.01.01.
QString displayIfAfter(const QDate& date, const QDate& sentinel);
inline QDate birthSentinel() { return QDate(1900, 1, 1); }
inline QDate dueSentinel() { return QDate(2000, 1, 1); }

} // namespace datetext

// A month as a half-open range of dates: from its first day up to, not including, the first day
// of the next month (December runs to January 1 of the next year).
struct DateRange {
    QDate from; // inclusive
    QDate until; // exclusive
    bool contains(const QDate& date) const { return date >= from && date < until; }
};

DateRange monthRange(int year, int month);
DateRange yearRange(int year);

} // namespace zentar::db
