#pragma once

#include "db/Connection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// The statements of the catalogue search: one criterion at a time, optionally narrowed by a second
// value and by the shelving location. Every hit query joins the copies (kpld) with an inner join,
// so a record without copies is never found, and because the location is selected under
// "distinct", a record with copies at several locations is listed once per location.
// The typed texts reach the engine as bound parameters; "%" and "_" typed by the librarian keep
// working as wildcards of the "like" comparison.
namespace zentar::retrieval {

// The criteria in the order the drop-down list offers them.
enum class Criterion {
    Author = 0, // "Szerző, rendező, főszereplő"
    Title, // "Cím"
    Subject, // "Tárgyszó"
    Publication, // "Megjelenés"
    Year, // "Kiadási év"
    Printer, // "Nyomda"
    Udc, // "ETO"
    Isbn,
    Issn,
    Tmt,
    Language, // "Nyelv"
    InventoryNumber, // "Leltári szám"
    Barcode, // "Vonalkód"
    AudiobookList, // "Hangoskönyv lista"
};

enum class MatchType {
    Substring, // "Részlet egyezése" (the default)
    Exact, // "Pontos megfelelés"
    Prefix, // "Szó eleji egyezés"
};

inline const QString kEverywhere = QStringLiteral("Mindenhol");
inline const QString kAllTypes = QStringLiteral("Mind");

QStringList criterionCaptions();
QStringList matchTypeCaptions();
// "Mind", "Könyv", "AV", "Multimédia", "Hangzó" (the newest-acquisitions list only).
QStringList documentTypeChoices();
// The second value is offered for the author, title, year and inventory-number criteria.
bool takesSecondValue(Criterion criterion);

struct SearchRequest {
    Criterion criterion = Criterion::Author;
    QString text;
    QString second;
    QString location; // "Mindenhol" or empty: everywhere
    MatchType match = MatchType::Substring;
};

struct Statement {
    QString sql;
    db::Params params;
};

// "Kérem adjon meg pontosabb adatot!" when the text is shorter than 2 characters (any criterion
// but the inventory number, the audiobook list included); empty when the search may run.
QString checkRequest(const SearchRequest& request);

// The match pattern: lower-cased, trimmed, wrapped by match type, at most 32 characters.
QString matchPattern(const QString& text, MatchType match);

// The hit statement of a request. `subjectPattern` replaces the subject pattern (the synonym
// fallback). A prefix search whose text holds no wildcard compares with "starting with", which
// finds the same rows and can use the indexes on the lower-cased index columns.
Statement searchStatement(const SearchRequest& request, const QString& subjectPattern = {});
// The preferred heading of a synonym: "select targyszo from targyszo where lower(szinonima) = ?".
Statement synonymStatement(const QString& text);
// The subject pattern made from a preferred heading: "%" + heading lower-cased + "%".
QString synonymSubjectPattern(const QString& heading);
// The 100 copies with the highest inventory numbers, of a document type and at a location.
Statement newestStatement(const QString& documentType, const QString& location);

// A column of the hit grid: caption and width in pixels (0: hidden).
struct GridColumn {
    QString caption;
    int width = 0;
};
QList<GridColumn> searchColumns(Criterion criterion);
QList<GridColumn> newestColumns();

// The rows of a hit statement, with their column names (lower case) in select order.
struct HitList {
    enum class Kind { None, Search, Newest };
    Kind kind = Kind::None;
    Criterion criterion = Criterion::Author;
    QStringList columns;
    QList<QVariantList> rows;

    int count() const { return int(rows.size()); }
    int columnIndex(const QString& name) const { return int(columns.indexOf(name)); }
    // The value of the first column of that name; null when the list has no such column.
    QVariant value(int row, const QString& name) const;
    int recordId(int row) const { return value(row, QStringLiteral("id")).toInt(); }
};

HitList runStatement(db::Connection& db, const Statement& statement);

// Runs the search of a request, with the subject-synonym fallback: when a subject search finds
// nothing and the raw text is a synonym in targyszo, the search runs again with its heading.
HitList search(db::Connection& db, const SearchRequest& request);
HitList newest(db::Connection& db, const QString& documentType, const QString& location);

} // namespace zentar::retrieval
