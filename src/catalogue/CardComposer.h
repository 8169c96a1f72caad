#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// Catalogue-card texts composed from a konyv row (a QVariantMap of lower-case column names, as
// db::Connection::rows returns it). Absent values (null, empty text, a price not above 0) add
// nothing, not even their separator. Formatting is left to the card editor.
namespace zentar::catalogue::card {

// ". — ", the separator between the areas of a description.
inline const QString kDash = QStringLiteral(". — ");
// Appends `prefix` + `value` + `suffix` when the value is present.
void addPart(QString& out, const QString& prefix, const QString& value, const QString& suffix = {});

// The text of a column; null and missing columns give an empty text.
QString text(const QVariantMap& row, const QString& column);
// The price `ar`, or 0 when it is absent or not a number.
double price(const QVariantMap& row);
// A price written as a number, as on a Hungarian workstation: no trailing zeros, decimal comma
// ("1500", "12,5").
QString priceText(double value);
// The pieces of a "#"-separated field; `keepEmpty` keeps the empty pieces ("a##b" gives three).
// An empty field gives no pieces.
QStringList pieces(const QString& field, bool keepEmpty);
// Further names joined for a card line: every "#" becomes ". — " and a blank.
QString joinNames(const QString& field);

// Breaks `text` at blanks into lines: while the rest is at least `minLength` characters long, a
// line ends before the first blank that stands after its `column`-th character (the blank is
// dropped); the rest forms the last line. A text without such a blank stays one line.
QStringList breakAtBlanks(const QString& text, int minLength, int column);

// The card of a book (also video and multimedia): call number, shelf mark, heading, the
// description paragraph with its series part, notes, contents, standard numbers with binding
// and price, subject added entries, volume data, UDC, further authors, subject headings, added
// entries and references — one line each as the catalogue card prints them.
QStringList bookCard(const QVariantMap& row);

// The card of a sound recording: the same heading lines, a description broken into lines of
// about 80 characters, genre and notes broken at 120, ISBN and price, UDC in at most two lines,
// further authors and added entries broken at 100 characters when long.
QStringList soundRecordingCard(const QVariantMap& row);

} // namespace zentar::catalogue::card
