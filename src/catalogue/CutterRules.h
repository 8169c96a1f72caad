#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The author-mark table Zentar delivers, generated from the Library of Congress Cutter rules,
// and the letter codes that put names into Hungarian alphabetical order (tables cutter, abc).
namespace zentar::catalogue::cutterrules {

// The lower-case letters of the Hungarian alphabet as the Cutter lookup codes them, one
// character at a time and in order: the acute vowels fold onto their base letters, ö and ü
// follow o and u, and the two- and three-letter Hungarian letters (cs, dzs, gy, ...) count as
// their characters.
QStringList alphabet();

struct LetterCode {
    QString letter;
    QString code;
};

// The delivered rows of table abc: every letter of alphabet() with a two-digit code that rises
// with the alphabet, then the foreign letters of Central and Western European names (č, ł, ñ,
// ä, ...) with the code of their base letter, so "Čapek" files under C.
std::vector<LetterCode> letterCodes();

// Folds the Hungarian acute vowels onto the letters the lookup codes: á→a, é→e, í→i, ó→o,
// ő→ö, ú→u, ű→ü (lower case only; other characters stay).
QChar foldHungarianAcute(QChar c);

struct CutterRow {
    QString betu; // the prefix as printed: "K", "Ko", "Kos"
    QString kod; // the author mark: "K", "K6", "K67"
};

// One row per one-, two- and three-letter prefix of alphabet(), in alphabetical order.
std::vector<CutterRow> generateTable();

// The mark the Library of Congress rules give a prefix of one to three letters of alphabet()
// (lower case), before the adjustment that keeps marks from decreasing.
QString rawMark(const QString& prefix);

} // namespace zentar::catalogue::cutterrules
