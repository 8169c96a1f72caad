#pragma once

#include "retrieval/CatalogueQuery.h"

#include "platform/Report.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// What the search window makes of its hits: the labelled record display and the catalogue-card
// text (both handed line by line to the card editor), the printed hit list and the saved one.
namespace zentar::retrieval {

struct OutputLine {
    QString text;
    bool bold = false;
    bool operator==(const OutputLine&) const = default;
};
using OutputLines = QList<OutputLine>;

// The loan of a copy: who has it and until when.
struct Loan {
    QString reader; // olvkod
    QDate due; // lejardatum
};

// Looks the loans up in kolcson. The loan table belongs to circulation; a database without it
// (an installation before circulation existed) simply has no loans.
class LoanLookup {
public:
    explicit LoanLookup(db::Connection& db) : db_(db) {}
    std::optional<Loan> loanOf(const QString& barcode);

private:
    db::Connection& db_;
    std::optional<bool> tableExists_;
};

// The lines of one record: labelled fields of the konyv row, in a fixed order, present ones only.
OutputLines recordFieldLines(const QVariantMap& record);
// The "Analitika:" block of the analytic entries (kv_an rows); nothing when there are none.
OutputLines analyticsBlock(const QList<QVariantMap>& analytics);
// The "Példányadatok:" block of the copies (kpld rows) with the loan state of each.
OutputLines copiesBlock(const QList<QVariantMap>& copies, LoanLookup& loans);
// The catalogue-card text of a record in ISBD punctuation (without copies and analytics).
OutputLines cardTextLines(const QVariantMap& record);

// The same read from the database by record key.
class RecordOutput {
public:
    explicit RecordOutput(db::Connection& db) : db_(db), loans_(db) {}
    // The record display: fields, the analytics (when it has any), the copies.
    OutputLines display(int recordId);
    // The card text: card lines, the copies, and for a book its analytics.
    OutputLines cardText(int recordId);

private:
    QVariantMap record(int recordId);
    QList<QVariantMap> analytics(int recordId);
    QList<QVariantMap> copies(int recordId);

    db::Connection& db_;
    LoanLookup loans_;
};

// The record keys of the given hit rows for the card text, in hit order, without the analytic
// records ("Könyv AN").
QList<int> cardRecordIds(const HitList& hits, QList<int> rows);

// The saved hit list ("konyv.txt"): two empty lines, the title, one line per hit.
QStringList savedListLines(const HitList& hits);
// The printed hit list: A4 portrait, header label, one detail line per hit.
platform::report::ReportDefinition listReportDefinition();
QList<QVariantMap> listReportRows(const HitList& hits);

} // namespace zentar::retrieval
