#include "catalogue/CardComposer.h"

namespace zentar::catalogue::card {

namespace {

void addLineIfPresent(QStringList& lines, const QString& value)
{
    if (!value.isEmpty())
        lines << value;
}

// The series part of a book card's description: first series title with the first ISSN, the
// second-line series title with the second ISSN, the number within the series.
QString seriesPart(const QVariantMap& row)
{
    const QString issn = text(row, QStringLiteral("issn"));
    QString firstIssn = issn;
    QString secondIssn;
    const qsizetype hash = issn.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        firstIssn = issn.left(hash);
        secondIssn = issn.mid(hash + 1);
    }
    QString series = text(row, QStringLiteral("sc1"));
    addPart(series, QStringLiteral(", ISSN  "), firstIssn);
    addPart(series, QStringLiteral(". "), text(row, QStringLiteral("sc2")));
    addPart(series, QStringLiteral(", ISSN  "), secondIssn);
    addPart(series, QStringLiteral(" ; "), text(row, QStringLiteral("sorszam")), QStringLiteral("."));
    return series;
}

QString bookDescription(const QVariantMap& row)
{
    auto col = [&row](const char* name) { return text(row, QLatin1String(name)); };
    QString d = col("fc");
    addPart(d, QStringLiteral("  :  "), col("ac"));
    addPart(d, QStringLiteral("  =  "), col("pc"));
    addPart(d, QStringLiteral("  :  "), col("pac"));
    addPart(d, QStringLiteral("  /  "), col("szerad"));
    addPart(d, kDash, col("kiadjel"));
    const QString publication = col("kiadas");
    addPart(d, kDash, publication);
    // The year follows the publication statement after a comma; without one it starts a new area.
    addPart(d, publication.isEmpty() ? kDash : QStringLiteral(", "), col("kiadev"), QStringLiteral("."));
    addPart(d, QStringLiteral(" — ("), col("nyomda"), QStringLiteral(")."));
    addPart(d, QStringLiteral(" —  "), col("ter"));
    const QString series = seriesPart(row);
    if (series.size() > 2)
        d += QStringLiteral(" — (") + series + QLatin1Char(')');
    return d;
}

// The standard-number line(s) of a book card: ISBN with binding and price, a second ISBN on a
// line of its own; without ISBN the binding and price alone.
QStringList standardNumberLines(const QVariantMap& row)
{
    const QString isbn = text(row, QStringLiteral("isbn"));
    const QString binding = text(row, QStringLiteral("kotes"));
    const double ar = price(row);
    const QString priceWithCurrency = ar > 0 ? priceText(ar) + text(row, QStringLiteral("pnem")) : QString();

    QStringList lines;
    if (!isbn.isEmpty()) {
        QString first = isbn;
        QString second;
        const qsizetype hash = isbn.indexOf(QLatin1Char('#'));
        if (hash >= 0) {
            first = isbn.left(hash);
            second = isbn.mid(hash + 1);
        }
        QString line = QStringLiteral("ISBN ") + first;
        addPart(line, QStringLiteral("    "), binding);
        addPart(line, QStringLiteral(" : "), priceWithCurrency);
        lines << line;
        if (hash >= 0)
            lines << QStringLiteral("ISBN ") + second;
    } else {
        QString line = binding;
        if (!priceWithCurrency.isEmpty())
            line = line.isEmpty() ? priceWithCurrency : line + QStringLiteral("  :  ") + priceWithCurrency;
        addLineIfPresent(lines, line);
    }
    return lines;
}

} // namespace

void addPart(QString& out, const QString& prefix, const QString& value, const QString& suffix)
{
    if (!value.isEmpty())
        out += prefix + value + suffix;
}

QString text(const QVariantMap& row, const QString& column)
{
    const QVariant value = row.value(column);
    return value.isNull() ? QString() : value.toString();
}

double price(const QVariantMap& row)
{
    bool ok = false;
    const double value = row.value(QStringLiteral("ar")).toDouble(&ok);
    return ok ? value : 0;
}

QString priceText(double value)
{
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

QStringList pieces(const QString& field, bool keepEmpty)
{
    if (field.isEmpty())
        return {};
    return field.split(QLatin1Char('#'), keepEmpty ? Qt::KeepEmptyParts : Qt::SkipEmptyParts);
}

QString joinNames(const QString& field)
{
    QString joined = field;
    return joined.replace(QLatin1Char('#'), kDash + QLatin1Char(' '));
}

QStringList breakAtBlanks(const QString& text, int minLength, int column)
{
    QStringList lines;
    QString rest = text;
    while (rest.size() >= minLength) {
        const qsizetype blank = rest.indexOf(QLatin1Char(' '), column);
        if (blank < 0)
            break;
        lines << rest.left(blank);
        rest = rest.mid(blank + 1);
    }
    lines << rest;
    return lines;
}

QStringList bookCard(const QVariantMap& row)
{
    auto col = [&row](const char* name) { return text(row, QLatin1String(name)); };
    QStringList lines;
    addLineIfPresent(lines, col("szakj"));
    addLineIfPresent(lines, col("raktj"));
    addLineIfPresent(lines, col("szerzo"));
    addLineIfPresent(lines, col("kiegadat"));

    const QString description = bookDescription(row);
    if (!description.isEmpty())
        lines << QStringLiteral("    ") + description;

    lines << pieces(col("megj"), true);
    if (!col("tartmeg").isEmpty())
        lines << QStringLiteral("Tart. még: ") + col("tartmeg");
    lines << standardNumberLines(row);
    for (const QString& entry : pieces(col("tmt"), false))
        lines << QLatin1Char('*') + entry;
    lines << pieces(col("kotet"), false);
    lines << pieces(col("eto"), true);
    addLineIfPresent(lines, joinNames(col("tft")));
    lines << pieces(col("tszo"), false);
    if (!col("mt").isEmpty())
        lines << QStringLiteral("Mt.: ") + joinNames(col("mt"));
    addLineIfPresent(lines, col("utalo"));
    return lines;
}

QStringList soundRecordingCard(const QVariantMap& row)
{
    auto col = [&row](const char* name) { return text(row, QLatin1String(name)); };
    QStringList lines;
    addLineIfPresent(lines, col("szakj"));
    addLineIfPresent(lines, col("raktj"));
    addLineIfPresent(lines, col("szerzo"));

    QString description = col("fc");
    addPart(description, QStringLiteral("  :  "), col("ac"));
    addPart(description, QStringLiteral("  =  "), col("pc"));
    addPart(description, QStringLiteral("  /  "), col("szerad"));
    addPart(description, QStringLiteral(". —  "), col("kiadas"));
    addPart(description, QStringLiteral(" —  "), col("ter"));
    addPart(description, QStringLiteral(". — ("), col("sc1"), QStringLiteral(")"));
    if (description.size() < 89) {
        addLineIfPresent(lines, description);
    } else {
        QStringList broken = breakAtBlanks(description, 89, 79);
        broken.first().prepend(QStringLiteral("      "));
        lines << broken;
    }

    const QString notes = col("megj");
    if (!notes.isEmpty()) {
        const QString genre = col("tszo");
        const QString genreAndNotes = genre.isEmpty() ? notes : genre + kDash + notes;
        for (const QString& piece : pieces(genreAndNotes, true))
            lines << breakAtBlanks(piece, 121, 120);
    }

    QString numberAndPrice = col("isbn");
    if (price(row) > 0)
        numberAndPrice += QStringLiteral("    ár: ") + priceText(price(row));
    addLineIfPresent(lines, numberAndPrice);

    const QString udc = col("eto");
    const qsizetype hash = udc.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        lines << udc.left(hash) << udc.mid(hash + 1);
    else
        addLineIfPresent(lines, udc);

    if (!col("tft").isEmpty())
        lines << breakAtBlanks(QStringLiteral("Tft.: ") + joinNames(col("tft")), 135, 99);
    if (!col("mt").isEmpty())
        lines << breakAtBlanks(QStringLiteral("Mt.: ") + joinNames(col("mt")), 121, 99);
    return lines;
}

} // namespace zentar::catalogue::card
