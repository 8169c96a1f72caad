#pragma once

#include "db/Connection.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The shelf mark from the Cutter table (tables cutter and abc). Each lookup takes the author and
// title texts of the window and returns the new shelf mark; none of them writes the record.
namespace zentar::catalogue::cutter {

// Letter codes of table abc: letter → code (rows with an empty code are left out).
using LetterCodes = QHash<QString, QString>;
LetterCodes readLetterCodes(db::Connection& db);

// The characters of `text` coded through `codes`, one at a time after folding the Hungarian
// acute vowels; a character without a code adds nothing. The text is expected in lower case.
QString encode(const QString& text, const LetterCodes& codes, int maxLength = -1);

// cutter.kod2 of a prefix: the prefix lower-cased and coded.
QString sortCode(const QString& betu, const LetterCodes& codes);

// The text the coded lookup codes: author (or the title when there is no author), its first 12
// characters in lower case, the comma of "surname part, ..." taken out with the first space,
// a leading article "a " / "az " dropped, the first apostrophe, hyphen and full stop removed.
QString codedSourceText(const QString& author, const QString& title);

// The code value the coded lookup compares: codedSourceText coded, at most 24 characters.
QString codeValue(db::Connection& db, const QString& author, const QString& title);

// Book window (also video, multimedia and the HUNMARC import): the mark of the row with the
// greatest kod2 below the code value. None when no row is below it (the mark stays as it is).
std::optional<QString> codedLookup(db::Connection& db, const QString& author, const QString& title);

// Sound-recording window: the text as typed (first letter in capitals, acute vowels folded) is
// placed among the rows in betu order and the mark of the row at or before it is taken; the
// first row's when it comes before them all. An empty table gives an empty mark; an empty
// author and title give none (the mark stays).
std::optional<QString> plainLookup(db::Connection& db, const QString& author, const QString& title);

// Thesis window: the first 12 characters of the author (or title); a row matches when its betu
// equals the text without regard to case, the text taken as typed or with its acute vowels
// folded (so "Kovács" meets the delivered "Kov" as well as a library's own "Kovács"); while
// nothing matches the last character is dropped. When several rows match, the first in
// betu, kod order wins. None when the text runs out (the mark stays).
std::optional<QString> prefixLookup(db::Connection& db, const QString& author, const QString& title);

// A library's own author-mark table read from a CSV file.
struct TableLoad {
    bool ok = false;
    QString error; // Hungarian message when !ok
    int rows = 0; // rows written
    QList<int> skippedLines; // lines (1-based) that held no prefix and mark
};

// Replaces every row of table cutter with the rows of a CSV file and computes their kod2 from
// table abc, in one transaction (the table is left as it was when the file holds no row or the
// write fails). Lines are "prefix,mark" (further columns between them are ignored, so
// "prefix,initial,number,mark" works too) or "number,prefix,prefix,..." where each prefix gets
// its capitalised first letter followed by the number. Commas, semicolons or tabs separate the
// fields; a heading line is skipped; the file may be UTF-8 or Windows-1250.
TableLoad loadTableFromCsv(db::Connection& db, const QString& path);
TableLoad loadTableFromCsvText(db::Connection& db, const QString& text);

// Writes the generated Library of Congress table (the delivered rows) into an empty cutter table.
void writeDeliveredTable(db::Connection& db);

} // namespace zentar::catalogue::cutter
