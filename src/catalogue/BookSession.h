#pragma once

#include "db/Connection.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace zentar::db {
class RowSet;
}

// What the book cataloguing window and its logic share: the connection, the document type of
// the window's mode, who works and when, and the library's own code.
namespace zentar::catalogue::book {

struct Session {
    db::Connection& db;
    QString docType; // "Könyv", "AV" or "Multimédia"
    QString librarian; // written into kvtaros1 / kvtaros2 and inventory lines
    QDate today;
    QString ownLibraryCode; // konyvtar.kvtkod, first 6 characters, empty when not set
};

// The library's own code as the cataloguing windows use it: the first 6 characters of
// konyvtar.kvtkod, empty when it is not set.
QString readOwnLibraryCode(db::Connection& db);

// The window modes of the book window, one per menu item.
struct Mode {
    QString docType;
    QString caption;
    QStringList disabledColumns; // konyv columns whose fields are disabled
    QString isbnCaption; // the label of the isbn field
    bool analyticTab = true;

    static Mode book();
    static Mode video();
    static Mode multimedia();
};

// The columns of the tables the window writes, in the order of their statements.
QStringList recordColumns(); // konyv, 44 columns
QStringList copyColumns(); // kpld, the 26 columns the copy statements write
QStringList analyticColumns(); // kv_an, 25 columns

// "insert into <table> (a,b) values (:a,:b)" and "update <table> set a=:a,... where <key>=:old_<key>".
QString insertStatement(const QString& table, const QStringList& columns);
QString updateStatement(const QString& table, const QStringList& columns, const QString& key);

// Insert, update and delete statements of the row sets over konyv, kpld, kv_an, the two index
// tables, targyszo and kiadok.
void setRecordStatements(db::RowSet& rows);
void setCopyStatements(db::RowSet& rows);
void setAnalyticStatements(db::RowSet& rows);
void setIndexStatements(db::RowSet& rows, bool authors);
void setSubjectStatements(db::RowSet& rows);
void setPublisherStatements(db::RowSet& rows);

// A text value of a row: empty for null.
inline QString textOf(const QVariantMap& row, const QString& column) { return row.value(column).toString(); }

} // namespace zentar::catalogue::book
