#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The reading history of the "Olvasott dok." tab: the lending events (kolcsdok) of a reader, of a
// document, or of a month or a whole year, stated without widgets.
namespace zentar::circulation::history {

struct Result {
    QStringList columns; // lower-case column names, in the order of the grid
    QList<QVariantList> rows;
    int titleColumn = 0; // cim
    int dateColumn = 1; // datum
};

// "Adott olvasó kölcsönzései:" criteria, in the order of the list.
enum class ReaderBy { Name, RegistrationNumber, Barcode };
QStringList readerCaptions();
// The events of the reader found (the first with a positive serial number), latest first; empty
// when no reader is found.
Result ofReader(db::Connection& db, ReaderBy by, const QString& text);

// "Egy dokumentum története " criteria.
enum class DocumentBy { Barcode, Title };
QStringList documentCaptions();
// By barcode exactly, by title as a part of it, case aside; latest first.
Result ofDocument(db::Connection& db, DocumentBy by, const QString& text);

// "hónap:" list: the twelve months, then "Év összesen".
QStringList monthCaptions();
// The events of a month (1-12) or, for 13 ("Év összesen"), of the whole year; latest first.
Result ofPeriod(db::Connection& db, int year, int month);
// The grid's column widths for a period search (0: default, -1: hidden).
QList<int> periodColumnWidths();

// "Nyomtat" and "Ment": per event the title and two blanks followed by the date.
QStringList lines(const Result& result, int maxLength = -1);

} // namespace zentar::circulation::history
