#pragma once

#include "catalogue/BookSession.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zentar::db {
class RowSet;
}

namespace zentar::catalogue::book {

// The search bar of the book window: five criteria, each limited to the window's document type,
// and the "<<" / ">>" stepping. The found records go into the window's record set.
class BookSearch {
public:
    enum class Criterion { Title, Author, InventoryNumber, Barcode, Key };

    // "Főcím", "Szerző", "Leltári szám", "Vonalkód", "Sorszám" (the order offered, "Főcím" first).
    static QStringList captions();
    // Anything not named searches by title.
    static Criterion fromCaption(const QString& caption);

    BookSearch(db::Connection& db, const QString& docType) : db_(db), docType_(docType) {}

    struct Outcome {
        int count = 0; // the number the count label shows
        QString message; // "Nincs ilyen ..." when nothing was found (none for the title search)
    };

    // Runs the search and opens `records` on its result. The title and author patterns are the
    // trimmed text in lower case plus "%", at most 50 characters.
    Outcome run(Criterion criterion, const QString& text, db::RowSet& records);

    // "<<" (forward false) / ">>". By inventory number or barcode: the previous / next copy hit and
    // its record; by key: the nearest record of the document type below / above the current one;
    // otherwise the previous / next row of the record set. False when nothing moved.
    bool step(Criterion criterion, bool forward, db::RowSet& records);

    // The number the count label shows after a step.
    int count(Criterion criterion, const db::RowSet& records) const;

    const QList<int>& copyHits() const { return copyHits_; }

private:
    void openKey(int id, db::RowSet& records);

    db::Connection& db_;
    QString docType_;
    QList<int> copyHits_; // record keys of the copies found by inventory number or barcode
    int copyHit_ = -1;
};

} // namespace zentar::catalogue::book
