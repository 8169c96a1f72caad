#include "catalogue/CutterRules.h"

#include <QHash>

namespace zentar::catalogue::cutterrules {

namespace {

const QString kAlphabet = QStringLiteral("abcdefghijklmnoöpqrstuüvwxyz");

// Foreign letters and the base letter whose code they take.
const std::pair<const char16_t*, char16_t> kForeignLetters[] = {
    { u"àâãäåāăąæ", u'a' },
    { u"çćč", u'c' },
    { u"ďđ", u'd' },
    { u"èêëēęě", u'e' },
    { u"ìîïī", u'i' },
    { u"ĺľł", u'l' },
    { u"ñńň", u'n' },
    { u"òôõōøœ", u'o' },
    { u"ŕř", u'r' },
    { u"śšşșß", u's' },
    { u"ťţț", u't' },
    { u"ùûůū", u'u' },
    { u"ýÿ", u'y' },
    { u"źżž", u'z' },
};

int position(QChar c)
{
    return int(kAlphabet.indexOf(c));
}

// Compares two strings of alphabet() letters in alphabetical order.
int compareLetters(const QString& a, const QString& b)
{
    const int n = int(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i) {
        const int d = position(a.at(i)) - position(b.at(i));
        if (d != 0)
            return d;
    }
    return int(a.size() - b.size());
}

struct Entry {
    const char16_t* start; // the letters this entry begins with
    char digit;
};

// Second-letter tables of the Library of Congress Cutter rules. A range such as "l-m 4" is
// written as its first letter: the letters up to the next entry take its digit.
const std::vector<Entry> kAfterVowel = { { u"b", '2' }, { u"d", '3' }, { u"l", '4' }, { u"n", '5' }, { u"p", '6' },
    { u"r", '7' }, { u"s", '8' }, { u"u", '9' } };
// After S the range "w-z 9" is anchored at z: "sz" is a Hungarian letter and begins a great many
// Hungarian names (Szabó, Szilágyi), which get the expansion digits; the rare Sw, Sx, Sy file
// with Su under 8.
const std::vector<Entry> kAfterS = { { u"a", '2' }, { u"ch", '3' }, { u"e", '4' }, { u"h", '5' }, { u"m", '6' },
    { u"t", '7' }, { u"u", '8' }, { u"z", '9' } };
const std::vector<Entry> kAfterQu
    = { { u"a", '3' }, { u"e", '4' }, { u"i", '5' }, { u"o", '6' }, { u"r", '7' }, { u"t", '8' }, { u"y", '9' } };
const std::vector<Entry> kAfterConsonant
    = { { u"a", '3' }, { u"e", '4' }, { u"i", '5' }, { u"o", '6' }, { u"r", '7' }, { u"u", '8' }, { u"y", '9' } };
const std::vector<Entry> kExpansion
    = { { u"a", '3' }, { u"e", '4' }, { u"i", '5' }, { u"m", '6' }, { u"p", '7' }, { u"t", '8' }, { u"w", '9' } };

bool isVowel(QChar c)
{
    return QStringLiteral("aeioöuü").contains(c);
}

// The digit of the last entry that does not come after `letters`, and that entry's length;
// letters before the first entry get the digit below it.
std::pair<char, int> lookupDigit(const std::vector<Entry>& table, const QString& letters)
{
    char digit = char(table.front().digit - 1);
    int length = 1;
    for (const Entry& entry : table) {
        const QString start = QString::fromUtf16(entry.start);
        if (compareLetters(start, letters) > 0)
            break;
        digit = entry.digit;
        length = letters.startsWith(start) ? int(start.size()) : 0;
    }
    return { digit, length };
}

char expansionDigit(QChar letter)
{
    return lookupDigit(kExpansion, QString(letter)).first;
}

// Digits for the letters after the initial: the second-letter table's digit, then the
// expansion digit of the letter that follows the letters the table entry stands for.
QString digitsFor(const std::vector<Entry>& table, const QString& rest)
{
    const auto [digit, length] = lookupDigit(table, rest);
    QString digits(QChar::fromLatin1(digit));
    if (length > 0 && rest.size() > length)
        digits += QChar::fromLatin1(expansionDigit(rest.at(length)));
    return digits;
}

// Cutter numbers are decimal fractions: for digit strings without zeros, string order is
// fraction order.
bool fractionLess(const QString& a, const QString& b)
{
    return a < b;
}

} // namespace

QStringList alphabet()
{
    QStringList letters;
    for (const QChar c : kAlphabet)
        letters << QString(c);
    return letters;
}

std::vector<LetterCode> letterCodes()
{
    std::vector<LetterCode> codes;
    QHash<QChar, QString> byLetter;
    for (int i = 0; i < kAlphabet.size(); ++i) {
        const QString code = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        codes.push_back({ QString(kAlphabet.at(i)), code });
        byLetter.insert(kAlphabet.at(i), code);
    }
    for (const auto& [letters, base] : kForeignLetters) {
        for (const QChar c : QString::fromUtf16(letters))
            codes.push_back({ QString(c), byLetter.value(QChar(base)) });
    }
    return codes;
}

QChar foldHungarianAcute(QChar c)
{
    switch (c.unicode()) {
    case u'á':
        return QLatin1Char('a');
    case u'é':
        return QLatin1Char('e');
    case u'í':
        return QLatin1Char('i');
    case u'ó':
        return QLatin1Char('o');
    case u'ő':
        return QChar(u'ö');
    case u'ú':
        return QLatin1Char('u');
    case u'ű':
        return QChar(u'ü');
    default:
        return c;
    }
}

QString rawMark(const QString& prefix)
{
    if (prefix.isEmpty())
        return {};
    const QChar initial = prefix.at(0);
    const QString rest = prefix.mid(1);
    QString mark(initial.toUpper());
    if (rest.isEmpty())
        return mark;
    if (initial == QLatin1Char('q')) {
        // "Qu" takes the table for the letter after the u; Qa to Qt take 2 and the expansion
        // digit of their second letter (the numbers 2 to 29).
        if (rest.at(0) == QLatin1Char('u')) {
            const QString afterU = rest.mid(1);
            return mark + (afterU.isEmpty() ? QStringLiteral("3") : digitsFor(kAfterQu, afterU).left(1));
        }
        if (compareLetters(rest.left(1), QStringLiteral("u")) < 0)
            return mark + QLatin1Char('2') + QChar::fromLatin1(expansionDigit(rest.at(0)));
        return mark + QLatin1Char('9');
    }
    if (isVowel(initial))
        return mark + digitsFor(kAfterVowel, rest);
    if (initial == QLatin1Char('s'))
        return mark + digitsFor(kAfterS, rest);
    return mark + digitsFor(kAfterConsonant, rest);
}

std::vector<CutterRow> generateTable()
{
    const QStringList letters = alphabet();
    std::vector<CutterRow> rows;
    rows.reserve(letters.size() * (1 + letters.size() * (1 + letters.size())));
    for (const QString& first : letters) {
        // The rules alone would let "Kb" (K3) file before "Kaz" (K39): a prefix never gets a
        // smaller number than the prefix before it, the shelf-list adjustment libraries make
        // by hand, so shelf order follows author order.
        QString highest;
        auto add = [&](const QString& prefix) {
            QString digits = rawMark(prefix).mid(1);
            if (fractionLess(digits, highest))
                digits = highest;
            highest = digits;
            QString betu = prefix;
            betu[0] = betu.at(0).toUpper();
            rows.push_back({ betu, first.toUpper() + digits });
        };
        add(first);
        for (const QString& second : letters) {
            add(first + second);
            for (const QString& third : letters)
                add(first + second + third);
        }
    }
    return rows;
}

} // namespace zentar::catalogue::cutterrules
