#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// What the "Leltárkönyv" window computes and writes, without widgets: its statements over table
// lkonyv, the list totals, the whole-book export, the year's accession list and the breakdown of
// the accessions by location.
namespace zentar::registers::inventorybook {

// A statement with its bound values.
struct Statement {
    QString sql;
    db::Params params;
};

// The document types of the window's lists, as stored in lkonyv.doktipus, in list order.
QStringList documentTypes();
// The stored label at a position of the list; anything else means "Könyv".
QString documentTypeAt(int index);
// The captions of the "Lista" tab's "Dok. típus" list (same order as documentTypes()).
QStringList listTypeCaptions();

// The data-entry tab's search criteria, in the order of its list; None when nothing was chosen.
enum class SearchBy { None = -1, Author = 0, Title = 1, InventoryNumber = 2 };
QStringList searchCriteria();

// "Szerző": author prefix; "Cím": title substring (both lower-cased); "Leltári szám" and no
// choice: the inventory number (a text that is no whole number finds nothing).
Statement searchStatement(const QString& type, SearchBy by, const QString& text);
// Walking the book by inventory number: every line with that number, of any document type.
Statement walkStatement(qint64 lszam);
// Nothing: the statement a new line is appended to before any search.
Statement emptyStatement();

// The "Lista" tab.
enum class ListBy { AccessionLot = 0, InventoryNumber = 1, DeletionLot = 2 };
enum class ListOrder { InventoryNumber, Title };
QStringList listCriteria();
inline QString wholeLibrary()
{
    return QStringLiteral("Egész könyvtár");
}

// The pattern a location is matched with: the name followed by "%", the whole cut to 20
// characters (so a name of 20 characters or more matches only itself cut to 20). Empty for the
// whole library (and for no choice), which puts no condition on the location.
QString locationPattern(const QString& location);

struct ListRequest {
    QString type;
    ListBy by = ListBy::AccessionLot;
    QString value; // accession or deletion lot
    std::optional<qint64> from; // inventory-number range; a missing end is open
    std::optional<qint64> to;
    QString location; // wholeLibrary() or empty: every location
    ListOrder order = ListOrder::InventoryNumber;
};
Statement listStatement(const ListRequest& request);

// The three totals under the list: rows, the sum of egyszam over rows where it is greater than 0,
// the sum of ar over rows where it is greater than 0.
struct Totals {
    int rows = 0;
    qint64 units = 0;
    double value = 0;
    QString rowsText() const;
    QString unitsText() const;
    QString valueText() const;
};
Totals totals(const QList<QVariantMap>& rows);

// The whole-book export "leltarkonyv.txt".
inline QString exportFileName()
{
    return QStringLiteral("leltarkonyv.txt");
}
QString exportHeader();
// Seventeen fields in the header's order, each followed by "|".
QString exportLine(const QVariantMap& row);
// Writes every line of the book (header first) in doktipus, lbetu, lszam order. Returns the
// number of book lines written, or -1 with `error` set (the old file is then left as it was).
int exportBook(db::Connection& db, const QString& path, QString* error);
QString exportDoneMessage(const QString& path);

// The year's accession list "gyjegyz.txt": the copies acquired in the year (kpld.beszdatum
// holds the year, or a date that starts with it) of one document type.
inline QString accessionFileName()
{
    return QStringLiteral("gyjegyz.txt");
}
Statement accessionStatement(int year, const QString& type);
QString accessionLine(const QVariantMap& row);
QString accessionCountText(int count);
QString accessionDoneMessage(const QString& path);

// "Gyarapodás lelőhelyek szerint": one row per location (as read from table lhely, empty names
// included as empty rows), counting the egyszam of the lines whose location, cut to 20
// characters, equals the row's name; the total adds every line with a location.
struct LocationCount {
    QString name;
    qint64 units = 0;
};
struct Breakdown {
    QList<LocationCount> locations;
    qint64 total = 0;
    QStringList headings() const;
    QList<QStringList> cells() const; // the grid, "Összesen:" row last
};
// The lines of the accession lots of a year: gynyt of the form "<year>/<lot>".
Statement breakdownStatement(int year);
Breakdown locationBreakdown(const QStringList& locations, const QList<QVariantMap>& lines);
inline QString breakdownTitle()
{
    return QStringLiteral("Gyarapodás lelőhelyek szerint");
}

// Location names of table lhely in name order; `skipEmpty` leaves out empty names.
QStringList locations(db::Connection& db, bool skipEmpty);

} // namespace zentar::registers::inventorybook
