#pragma once

#include "catalogue/BookSession.h"

#include <QVariantMap>

#include <optional>

namespace zentar::db {
class RowSet;
}

namespace zentar::catalogue::book {

// What saving a copy does to its line of the individual inventory book (table lkonyv).
struct InventoryLinePlan {
    enum class Action {
        Insert, // no line under the number yet: a new line
        AddVolume, // another volume of a multi-volume work under the same number
        Overwrite, // the line is brought up to date from the copy and the record
        Keep, // an already counted volume saved again: the line stays as it is
    };
    Action action = Action::Keep;
    QVariantMap values; // the columns to write (all of them for Insert, the changed ones otherwise)
};

// The copies of a record: inventory numbers, copy stamps, the inventory-book line rules and
// multiplying a copy.
class CopyRules {
public:
    explicit CopyRules(const Session& session) : s_(session) {}

    // "Következő": the highest inventory number of the document type among the library's own
    // copies, plus 1 (1 when there is none). With no own code set, copies without an owner count.
    int nextInventoryNumber() const;
    // True when the first copy of the document type under `number` belongs to another record.
    bool numberUsedByOtherRecord(qlonglong number, int recordId) const;
    // The stamps of a copy about to be written: a new copy gets its key, record, document type
    // and creator; a stored one its modifier and date.
    void stamp(db::RowSet& copies, int recordId) const;
    // The new copy's defaults: the acquisition year, not a minority copy, the own library.
    void fillNewCopy(db::RowSet& copies) const;

    // The line rules. `line` is the line found under the copy's number (none when there is
    // none); `addsUnit` tells whether this save adds the copy under that number (a new copy, or
    // one whose number changed), so saving a counted volume again does not count it twice.
    static InventoryLinePlan planInventoryLine(const std::optional<QVariantMap>& line, const QVariantMap& copy,
                                               const QVariantMap& record, bool addsUnit, const Session& session);
    // Looks the line up, applies the plan and writes it. Returns what was done.
    InventoryLinePlan::Action updateInventoryLine(const QVariantMap& copy, const QVariantMap& record,
                                                  bool addsUnit) const;

    // "Másol" n "db-ot": n copies of `shown` (each from the one made before) under the next
    // inventory numbers, each with its inventory line, all in one transaction. A copy gets its
    // number as barcode when the copy it is made from has its own number as barcode. Returns the
    // new copies' keys.
    QList<int> multiply(const QVariantMap& shown, const QVariantMap& record, int count) const;

    // ",-Ft" is written as "HUF" into the inventory book.
    static QString inventoryCurrency(const QString& pnem);
    // The year of publication an updated line gets: the first 10 characters, or characters 2 to 5
    // of a year written in square brackets.
    static QString publicationYear(const QString& kiadev);

private:
    QVariantMap newLine(const QVariantMap& copy, const QVariantMap& record) const;
    void insertLine(const QVariantMap& values) const;

    Session s_;
};

} // namespace zentar::catalogue::book
