#pragma once

#include "db/Connection.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The author and title index of a catalogue record (tables kszerzo and kcim): the searchable
// forms derived from the record's fields, rewritten on every save of the record.
namespace zentar::catalogue {

// Entry rule of the "#"-separated fields: a piece cut to its first 30 characters, then leading
// spaces and "[" and trailing spaces and "#" dropped.
QString indexEntry(const QString& piece);
// Every piece of a "#"-separated field after the entry rule, empty ones left out.
QStringList indexEntries(const QString& field);

// The forms of one index (authors or titles) in the order they are added, each at most once
// where the rules ask for a duplicate check.
class IndexForms {
public:
    // A whole field (trimmed), when not empty.
    void addWhole(const QString& text, bool skipDuplicate);
    // Each entry of a "#"-separated field, when not empty and not yet added.
    void addEntries(const QString& field);
    // Each "variant-->heading" entry of a reference field: the variant, and the heading when
    // `headings`; an entry without "-->" adds nothing.
    void addReferences(const QString& field, bool headings = true);
    // Each text between "<" and the following ">", cut to 30 characters, when not empty.
    void addVolumeTitles(const QString& field);

    const QStringList& forms() const { return forms_; }

private:
    void add(const QString& form, bool skipDuplicate);
    QStringList forms_;
};

struct RecordIndex {
    QStringList authors;
    QStringList titles;
};

// The index of a book, video or multimedia record (konyv columns, lower-case names):
// authors szerzo, tft, mt and both sides of every utalo entry; titles fc, ac, pc, pac whole,
// the entries of sc1, sc2 and tartmeg, and the volume titles written in kotet as <...>.
RecordIndex bookRecordIndex(const QVariantMap& record);

// Replaces the index rows of record `id` with `index`, in one transaction: the old rows go
// (except the "Könyv AN" rows of its analytic records), the new rows get keys from
// max(sorszam) + 1 upwards, read before the old rows are deleted, so they are always new numbers.
void writeRecordIndex(db::Connection& db, int id, const QString& doktipus, const RecordIndex& index);

// Rewrites the "Könyv AN" index rows of host record `hostId` from all its analytic records
// (kv_an): the author of each, and its fc, ac, pc, pac and kiadjel as titles. One transaction.
void rebuildAnalyticIndex(db::Connection& db, int hostId);

} // namespace zentar::catalogue
