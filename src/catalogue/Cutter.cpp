#include "catalogue/Cutter.h"

#include "catalogue/BulkInsert.h"
#include "catalogue/CutterRules.h"
#include "platform/Windows1250.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace zentar::catalogue::cutter {

namespace {

constexpr int kSourceLength = 12;
constexpr int kCodeLength = 24;
constexpr int kBetuWidth = 60; // cutter.betu
constexpr int kKodWidth = 20; // cutter.kod
constexpr int kKod2Width = 120; // cutter.kod2

// The author, or the title when there is no author; its first 12 characters.
QString sourceText(const QString& author, const QString& title)
{
    const QString source = author.trimmed().isEmpty() ? title : author;
    return source.normalized(QString::NormalizationForm_C).left(kSourceLength);
}

QString foldAcutes(QString text)
{
    for (QChar& c : text)
        c = cutterrules::foldHungarianAcute(c);
    return text;
}

void removeFirst(QString& text, QChar c)
{
    const qsizetype at = text.indexOf(c);
    if (at >= 0)
        text.remove(at, 1);
}

// The fields of one CSV line: separated by `separator`, a field in double quotes may hold it.
QStringList splitCsvLine(const QString& line, QChar separator)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            if (quoted && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                current += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (c == separator && !quoted) {
            fields << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    fields << current.trimmed();
    return fields;
}

// The separator of a file, as its first line shows it: tab, semicolon or comma.
QChar separatorOf(const QString& firstLine)
{
    if (firstLine.contains(QLatin1Char('\t')))
        return QLatin1Char('\t');
    if (firstLine.count(QLatin1Char(';')) > firstLine.count(QLatin1Char(',')))
        return QLatin1Char(';');
    return QLatin1Char(',');
}

bool isHeading(const QStringList& fields)
{
    static const QStringList firstNames = { QStringLiteral("prefix"), QStringLiteral("betu"), QStringLiteral("betű"),
        QStringLiteral("előtag"), QStringLiteral("number") };
    static const QStringList lastNames = { QStringLiteral("mark"), QStringLiteral("kod"), QStringLiteral("kód"),
        QStringLiteral("jelzet"), QStringLiteral("cutter") };
    return firstNames.contains(fields.first().toLower()) || lastNames.contains(fields.last().toLower());
}

bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (!c.isDigit())
            return false;
    }
    return true;
}

QString decodeFile(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;
    return platform::decodeWindows1250(bytes);
}

struct CsvRow {
    QString betu;
    QString kod;
};

} // namespace

LetterCodes readLetterCodes(db::Connection& db)
{
    LetterCodes codes;
    for (const QVariantMap& row : db.rows(QStringLiteral("select betu, kod from abc order by id"))) {
        const QString letter = row.value(QStringLiteral("betu")).toString();
        const QString code = row.value(QStringLiteral("kod")).toString();
        if (!letter.isEmpty() && !code.isEmpty() && !codes.contains(letter))
            codes.insert(letter, code);
    }
    return codes;
}

QString encode(const QString& text, const LetterCodes& codes, int maxLength)
{
    QString value;
    for (const QChar c : text) {
        const QString code = codes.value(QString(cutterrules::foldHungarianAcute(c)));
        if (code.isEmpty())
            continue;
        value += code;
        if (maxLength >= 0)
            value.truncate(maxLength);
    }
    return value;
}

QString sortCode(const QString& betu, const LetterCodes& codes)
{
    return encode(betu.normalized(QString::NormalizationForm_C).toLower(), codes, kKod2Width);
}

QString codedSourceText(const QString& author, const QString& title)
{
    QString text = sourceText(author, title).toLower().left(kSourceLength);
    // "Van Gogh, Vincent": the surname's parts come together ("vangogh vincent").
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (comma >= 0 && space >= 0 && space < comma) {
        text.remove(comma, 1);
        text.remove(space, 1);
    }
    if (text.startsWith(QStringLiteral("a ")))
        text.remove(0, 2);
    if (text.startsWith(QStringLiteral("az ")))
        text.remove(0, 3);
    removeFirst(text, QLatin1Char('\''));
    removeFirst(text, QLatin1Char('-'));
    removeFirst(text, QLatin1Char('.'));
    return text;
}

QString codeValue(db::Connection& db, const QString& author, const QString& title)
{
    return encode(codedSourceText(author, title), readLetterCodes(db), kCodeLength);
}

std::optional<QString> codedLookup(db::Connection& db, const QString& author, const QString& title)
{
    const QString code = codeValue(db, author, title);
    if (code.isEmpty())
        return std::nullopt;
    const QVariant mark
        = db.scalar(QStringLiteral("select first 1 kod from cutter where kod2 < ? order by kod2 desc"), { code });
    if (!mark.isValid())
        return std::nullopt;
    return mark.toString();
}

std::optional<QString> plainLookup(db::Connection& db, const QString& author, const QString& title)
{
    QString text = sourceText(author, title);
    if (text.trimmed().isEmpty())
        return std::nullopt;
    text[0] = cutterrules::foldHungarianAcute(text.at(0).toLower()).toUpper();
    text = text.left(1) + foldAcutes(text.mid(1));
    // The last row in betu order that is not greater than the text, or the first row when
    // every row is greater.
    QVariant mark
        = db.scalar(QStringLiteral("select first 1 kod from cutter where betu <= ? order by betu desc"), { text });
    if (!mark.isValid())
        mark = db.scalar(QStringLiteral("select first 1 kod from cutter order by betu"));
    return mark.isValid() ? mark.toString() : QString();
}

std::optional<QString> prefixLookup(db::Connection& db, const QString& author, const QString& title)
{
    const QString lowered = sourceText(author, title).toLower();
    if (lowered.isEmpty())
        return std::nullopt;
    const QString folded = foldAcutes(lowered);
    // The rows that can match share the sort code of a shortening of the text (kod2 is indexed);
    // one statement fetches them for every shortening.
    const LetterCodes codes = readLetterCodes(db);
    QStringList placeholders;
    db::Params params;
    for (qsizetype length = folded.size(); length > 0; --length) {
        const QString code = encode(folded.left(length), codes, kKod2Width);
        if (!code.isEmpty() && !params.contains(code)) {
            placeholders << QStringLiteral("?");
            params << code;
        }
    }
    if (params.isEmpty())
        return std::nullopt;
    QHash<QString, QString> marks; // the first row in betu order for each lower-cased betu
    const QString sql = QStringLiteral("select betu, kod from cutter where kod2 in (%1) order by betu, kod")
                            .arg(placeholders.join(QLatin1Char(',')));
    for (const QVariantMap& row : db.rows(sql, params)) {
        const QString betu = row.value(QStringLiteral("betu")).toString().toLower();
        if (!marks.contains(betu))
            marks.insert(betu, row.value(QStringLiteral("kod")).toString());
    }
    for (qsizetype length = lowered.size(); length > 0; --length) {
        for (const QString& form : { lowered.left(length), folded.left(length) }) {
            if (marks.contains(form))
                return marks.value(form);
        }
    }
    return std::nullopt;
}

TableLoad loadTableFromCsv(db::Connection& db, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TableLoad result;
        result.error = QStringLiteral("A fájl nem olvasható: %1").arg(QDir::toNativeSeparators(path));
        return result;
    }
    return loadTableFromCsvText(db, decodeFile(file.readAll()));
}

TableLoad loadTableFromCsvText(db::Connection& db, const QString& text)
{
    TableLoad result;
    QList<CsvRow> rows;
    const QStringList lines
        = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    QChar separator;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty())
            continue;
        if (separator.isNull())
            separator = separatorOf(line);
        QStringList fields = splitCsvLine(line, separator);
        while (fields.size() > 1 && fields.last().isEmpty())
            fields.removeLast();
        if (rows.isEmpty() && result.skippedLines.isEmpty() && isHeading(fields))
            continue;
        bool good = fields.size() >= 2;
        if (good && allDigits(fields.first())) {
            // "number,prefix,prefix,...": one number for a prefix under each initial letter.
            for (qsizetype f = 1; f < fields.size(); ++f) {
                const QString prefix = fields.at(f);
                if (prefix.isEmpty())
                    continue;
                rows.append({ prefix, prefix.left(1).toUpper() + fields.first() });
            }
        } else if (good) {
            const QString prefix = fields.first();
            const QString mark = fields.last();
            good = !prefix.isEmpty() && !mark.isEmpty() && prefix.size() <= kBetuWidth && mark.size() <= kKodWidth;
            if (good)
                rows.append({ prefix, mark });
        }
        if (!good)
            result.skippedLines << i + 1;
    }
    if (rows.isEmpty()) {
        result.error = QStringLiteral("A fájlban nincs egyetlen Cutter-sor sem (előtag, jelzet).");
        return result;
    }

    db::Transaction transaction(db);
    const LetterCodes codes = readLetterCodes(db);
    db.exec(QStringLiteral("delete from cutter"));
    BulkInsert insert(db, QStringLiteral("insert into cutter (betu, kod, kod2) values (?, ?, ?)"));
    for (const CsvRow& row : rows)
        insert.run({ row.betu.left(kBetuWidth), row.kod.left(kKodWidth), sortCode(row.betu, codes) });
    transaction.commit();
    result.ok = true;
    result.rows = int(rows.size());
    return result;
}

void writeDeliveredTable(db::Connection& db)
{
    db::Transaction transaction(db);
    const LetterCodes codes = readLetterCodes(db);
    BulkInsert insert(db, QStringLiteral("insert into cutter (betu, kod, kod2) values (?, ?, ?)"));
    for (const cutterrules::CutterRow& row : cutterrules::generateTable())
        insert.run({ row.betu, row.kod, sortCode(row.betu, codes) });
    transaction.commit();
}

} // namespace zentar::catalogue::cutter
