#include "retrieval/SearchOutput.h"

#include "catalogue/CardComposer.h"
#include "catalogue/CodeLists.h"
#include "db/DateText.h"

#include <algorithm>

namespace zentar::retrieval {

namespace card = catalogue::card;
namespace codes = catalogue::codes;

namespace {

using card::addPart;
using card::kDash;

void addLine(OutputLines& lines, const QString& text)
{
    lines << OutputLine{text};
}

void addIfPresent(OutputLines& lines, const QString& text)
{
    if (!text.isEmpty())
        lines << OutputLine{text};
}

// Subject headings one per line: every heading indented by `indent` spaces, the last by one more.
void addHeadings(OutputLines& lines, const QString& field, int indent)
{
    const QStringList headings = card::pieces(field, false);
    for (int i = 0; i < headings.size(); ++i) {
        const int spaces = i == headings.size() - 1 ? indent + 1 : indent;
        addLine(lines, QString(spaces, QLatin1Char(' ')) + headings.at(i));
    }
}

QString dateText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::QDate || value.metaType().id() == QMetaType::QDateTime)
        return db::datetext::display(value.toDate());
    return value.isNull() ? QString() : value.toString();
}

int positive(const QVariantMap& row, const char* column)
{
    return row.value(QLatin1String(column)).toInt();
}

} // namespace

std::optional<Loan> LoanLookup::loanOf(const QString& barcode)
{
    if (!tableExists_) {
        tableExists_ = db_.scalar(QStringLiteral("select count(*) from rdb$relations where rdb$relation_name = ?"),
                                  {QStringLiteral("KOLCSON")})
                           .toInt()
            > 0;
    }
    if (!*tableExists_)
        return std::nullopt;
    const QList<QVariantMap> rows =
        db_.rows(QStringLiteral("select olvkod, vonalkod, lejardatum from kolcson where vonalkod = ?"), {barcode});
    if (rows.isEmpty())
        return std::nullopt;
    return Loan{card::text(rows.first(), QStringLiteral("olvkod")),
                rows.first().value(QStringLiteral("lejardatum")).toDate()};
}

OutputLines recordFieldLines(const QVariantMap& record)
{
    static const QList<std::pair<const char*, QString>> labelled = {
        {"szakj", QStringLiteral("Szakjelzet : ")},
        {"raktj", QStringLiteral("Raktári jelzet: ")},
        {"szerzo", QStringLiteral("Szerző:  ")},
        {"kiegadat", QStringLiteral("Kieg. adatok:  ")},
        {"fc", QStringLiteral("Főcím:  ")},
        {"ac", QStringLiteral("Alcím:  ")},
        {"pc", QStringLiteral("Párhuzamos cím:  ")},
        {"pac", QStringLiteral("Párhuzamos alcím:  ")},
        {"szerad", QStringLiteral("Szerzőségi adatcsoport: ")},
        {"kiadjel", QStringLiteral("Kiadás jelzés: ")},
        {"kiadas", QStringLiteral("Kiadás: ")},
        {"kiadev", QStringLiteral("Kiadási év: ")},
        {"nyomda", QStringLiteral("Nyomda: ")},
        {"ter", QStringLiteral("Terjedelem:  ")},
        {"sc1", QStringLiteral("Sorozat címe: ")},
        {"issn", QStringLiteral("Sorozat ISSN :  ")},
        {"sc2", QStringLiteral("Sorozat címe: ")},
        {"sorszam", QStringLiteral("Sorozat száma:  ")},
        {"isbn", QStringLiteral("ISBN :  ")},
        {"tartmeg", QStringLiteral("Tart. még:  ")},
        {"megj", QStringLiteral("Megj.:  ")},
        {"kotes", QStringLiteral("Kötés:  ")},
        {"ar", QString()}, // the price, with its currency
        {"tmt", QStringLiteral("*")},
        {"kotet", QStringLiteral("Kötet adatok: ")},
        {"eto", QStringLiteral("ETO:  ")},
        {"tft", QStringLiteral("Tft.: ")},
        {"tszo", QStringLiteral("Tárgyszó:  ")},
        {"nyelv", QStringLiteral("A dokumentum nyelve:  ")},
        {"mt", QStringLiteral("Mt.: ")},
        {"utalo", QStringLiteral("Utaló: ")},
    };
    OutputLines lines;
    for (const auto& [column, label] : labelled) {
        if (qstrcmp(column, "ar") == 0) {
            const double price = card::price(record);
            if (price > 0)
                addLine(lines, QStringLiteral("Ár: ") + card::priceText(price) + card::text(record, QStringLiteral("pnem")));
            continue;
        }
        const QString value = card::text(record, QLatin1String(column));
        if (!value.isEmpty())
            addLine(lines, label + value);
    }
    return lines;
}

OutputLines analyticsBlock(const QList<QVariantMap>& analytics)
{
    OutputLines lines;
    if (analytics.isEmpty())
        return lines;
    addLine(lines, QStringLiteral(" "));
    lines << OutputLine{QStringLiteral("Analitika:"), true};
    for (const QVariantMap& row : analytics) {
        auto col = [&row](const char* name) { return card::text(row, QLatin1String(name)); };
        addIfPresent(lines, col("szerzo"));
        QString description = col("fc");
        addPart(description, QStringLiteral(" : "), col("ac"));
        addPart(description, QStringLiteral(" = "), col("pc"));
        addPart(description, QStringLiteral(" : "), col("pac"));
        addPart(description, QStringLiteral(" / "), col("szerad"));
        addPart(description, kDash, col("ter"));
        addPart(description, kDash, col("sc"));
        addLine(lines, description);
        addIfPresent(lines, col("megj"));
        addIfPresent(lines, col("ann"));
        if (!col("tmt").isEmpty())
            addLine(lines, QLatin1Char('*') + col("tmt"));
        addIfPresent(lines, col("eto"));
        if (!col("tft").isEmpty())
            addLine(lines, QStringLiteral("   Tft.: ") + col("tft"));
        addHeadings(lines, col("tszo"), 9);
        addIfPresent(lines, col("mt"));
        addIfPresent(lines, col("utalo"));
        addLine(lines, QStringLiteral(" "));
    }
    return lines;
}

OutputLines copiesBlock(const QList<QVariantMap>& copies, LoanLookup& loans)
{
    OutputLines lines;
    if (copies.isEmpty() || positive(copies.first(), "id") <= 0)
        return lines;
    addLine(lines, QStringLiteral(" "));
    lines << OutputLine{QStringLiteral("Példányadatok:"), true};
    for (const QVariantMap& copy : copies) {
        auto col = [&copy](const char* name) { return card::text(copy, QLatin1String(name)); };
        QString line = col("lbetu");
        if (positive(copy, "lszam") > 0)
            line += QLatin1Char(' ') + QString::number(positive(copy, "lszam"));
        if (positive(copy, "lszam2") > 0)
            line += QLatin1Char('/') + QString::number(positive(copy, "lszam2"));
        if (!line.isEmpty())
            line.prepend(QStringLiteral("Leltári szám:  "));
        addPart(line, QStringLiteral("    Kötet:  "), col("kotszam"));
        addPart(line, QStringLiteral("      Besz. dátum: "), dateText(copy.value(QStringLiteral("beszdatum"))));
        addPart(line, QStringLiteral("  "), col("statusz"));
        addPart(line, QStringLiteral("     Lelőhely: "), col("lhely"));
        addPart(line, QStringLiteral(" "), col("megj"));
        addIfPresent(lines, line);

        const QString barcode = col("vonalkod");
        if (!barcode.isEmpty() && col("statusz") != codes::statusz::Discarded) {
            if (const std::optional<Loan> loan = loans.loanOf(barcode))
                addLine(lines, QStringLiteral("Kikölcsönözve. Az olvasó vonalkódja: ") + loan->reader
                                   + QStringLiteral("  Lejárati idő: ") + db::datetext::display(loan->due));
            else
                addLine(lines, QStringLiteral("A dokumentum bent van."));
        }
    }
    addLine(lines, QString());
    return lines;
}

OutputLines cardTextLines(const QVariantMap& record)
{
    auto col = [&record](const char* name) { return card::text(record, QLatin1String(name)); };
    OutputLines lines;
    addIfPresent(lines, col("szakj"));
    addIfPresent(lines, col("raktj"));
    addIfPresent(lines, col("szerzo"));
    addIfPresent(lines, col("kiegadat"));

    // The description paragraph.
    QString d = col("fc");
    addPart(d, QStringLiteral(" : "), col("ac"));
    addPart(d, QStringLiteral(" = "), col("pc"));
    addPart(d, QStringLiteral(" : "), col("pac"));
    addPart(d, QStringLiteral(" / "), col("szerad"));
    addPart(d, kDash, col("kiadjel"));
    addPart(d, kDash, col("kiadas"));
    addPart(d, col("kiadas").isEmpty() ? kDash : QStringLiteral(", "), col("kiadev"), QStringLiteral("."));
    addPart(d, QStringLiteral(" — ("), col("nyomda"), QStringLiteral(")."));
    addPart(d, QStringLiteral(" — "), col("ter"));

    // The series: title, ISSN, subseries with the second ISSN, number within the series.
    QString series;
    QString secondIssn;
    const QString issn = col("issn");
    if (!issn.isEmpty()) {
        const qsizetype hash = issn.indexOf(QLatin1Char('#'));
        series = QStringLiteral("ISSN ") + (hash >= 0 ? issn.left(hash) : issn);
        if (hash >= 0)
            secondIssn = QStringLiteral(", ISSN  ") + issn.mid(hash + 1);
    }
    if (!col("sc1").isEmpty())
        series = series.isEmpty() ? col("sc1") : col("sc1") + QStringLiteral(", ") + series;
    if (!col("sc2").isEmpty())
        series += QStringLiteral(". ") + col("sc2");
    series += secondIssn;
    addPart(series, QStringLiteral(" ; "), col("sorszam"), QStringLiteral("."));
    if (series.size() > 2)
        d += QStringLiteral(". — (") + series + QLatin1Char(')');
    addLine(lines, QStringLiteral("    ") + d);

    // Notes and contents.
    QString notes = col("megj");
    if (notes.contains(QLatin1Char('#'))) {
        for (const QString& piece : card::pieces(notes, true))
            addLine(lines, piece);
        notes.clear();
    }
    if (!col("tartmeg").isEmpty()) {
        const QString contents = col("tartmeg").replace(QLatin1Char('#'), QStringLiteral(" ; "));
        notes = notes.isEmpty() ? QStringLiteral("Tart. még: ") + contents
                                : notes + QStringLiteral(". - Tart. még: ") + contents;
    }
    addIfPresent(lines, notes);

    // Standard numbers, binding and price.
    const double ar = card::price(record);
    const QString price = ar > 0 ? card::priceText(ar) + col("pnem") : QString();
    const QString isbn = col("isbn");
    if (!isbn.isEmpty()) {
        const qsizetype hash = isbn.indexOf(QLatin1Char('#'));
        QString first = hash >= 0 ? QStringLiteral("ISBN ") + isbn.left(hash)
                                  : (isbn.size() == 1 ? isbn : QStringLiteral("ISBN ") + isbn);
        addPart(first, QStringLiteral("    "), col("kotes"));
        if (!price.isEmpty())
            first = first.isEmpty() ? price : first + QStringLiteral(" : ") + price;
        addIfPresent(lines, first);
        if (hash >= 0)
            addLine(lines, QStringLiteral("ISBN ") + isbn.mid(hash + 1));
    } else {
        QString binding = col("kotes");
        if (!price.isEmpty())
            binding = binding.isEmpty() ? price : binding + QStringLiteral("  :  ") + price;
        addIfPresent(lines, binding);
    }

    for (const QString& entry : card::pieces(col("tmt"), false))
        addLine(lines, QLatin1Char('*') + entry);
    QString volumes = col("kotet");
    volumes.remove(QLatin1Char('<')).remove(QLatin1Char('>'));
    for (const QString& piece : card::pieces(volumes, false))
        addLine(lines, piece);
    for (const QString& piece : card::pieces(col("eto"), false))
        addLine(lines, piece);
    if (!col("tft").isEmpty())
        addLine(lines, QStringLiteral("   Tft.: ") + card::joinNames(col("tft")));
    addHeadings(lines, col("tszo"), 19);
    if (!col("mt").isEmpty())
        addLine(lines, QStringLiteral("   Mt.: ") + card::joinNames(col("mt")));
    const QString references = col("utalo");
    if (!references.isEmpty()) {
        const qsizetype hash = references.indexOf(QLatin1Char('#'));
        addLine(lines, QStringLiteral("   Ut.: ") + (hash >= 0 ? references.left(hash) : references));
        if (hash >= 0)
            addLine(lines, QStringLiteral("   Ut.: ") + references.mid(hash + 1));
    }
    return lines;
}

QVariantMap RecordOutput::record(int recordId)
{
    const QList<QVariantMap> rows = db_.rows(QStringLiteral("select * from konyv where id = ?"), {recordId});
    return rows.isEmpty() ? QVariantMap() : rows.first();
}

QList<QVariantMap> RecordOutput::analytics(int recordId)
{
    return db_.rows(QStringLiteral("select * from kv_an where konyvid = ? order by id"), {recordId});
}

QList<QVariantMap> RecordOutput::copies(int recordId)
{
    return db_.rows(QStringLiteral("select * from kpld where id = ? order by sorszam"), {recordId});
}

OutputLines RecordOutput::display(int recordId)
{
    const QVariantMap row = record(recordId);
    if (row.isEmpty())
        return {};
    OutputLines lines = recordFieldLines(row);
    lines << analyticsBlock(analytics(recordId));
    lines << copiesBlock(copies(recordId), loans_);
    return lines;
}

OutputLines RecordOutput::cardText(int recordId)
{
    const QVariantMap row = record(recordId);
    if (row.isEmpty())
        return {};
    OutputLines lines = cardTextLines(row);
    lines << copiesBlock(copies(recordId), loans_);
    if (card::text(row, QStringLiteral("doktipus")) == codes::doktipus::Book)
        lines << analyticsBlock(analytics(recordId));
    return lines;
}

QList<int> cardRecordIds(const HitList& hits, QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QList<int> ids;
    for (int row : rows) {
        if (hits.value(row, QStringLiteral("doktipus")).toString() != codes::doktipus::Analytic)
            ids << hits.recordId(row);
    }
    return ids;
}

namespace {

// The title a hit list shows: the title form after a title search, the title proper otherwise.
QString hitTitle(const HitList& hits, int row)
{
    const bool byTitle = hits.kind == HitList::Kind::Search && hits.criterion == Criterion::Title;
    return hits.value(row, byTitle ? QStringLiteral("cim") : QStringLiteral("fc")).toString();
}

} // namespace

QStringList savedListLines(const HitList& hits)
{
    QStringList lines = {QString(), QString(), QStringLiteral("          Könyv lista")};
    const bool withPublication = hits.kind == HitList::Kind::Search
        && (hits.criterion == Criterion::Author || hits.criterion == Criterion::Title);
    for (int row = 0; row < hits.count(); ++row) {
        QString line = hits.value(row, QStringLiteral("szerzo")).toString();
        addPart(line, QStringLiteral(" :  "), hitTitle(hits, row));
        addPart(line, QStringLiteral("   "), hits.value(row, QStringLiteral("szakj")).toString());
        addPart(line, QStringLiteral("  "), hits.value(row, QStringLiteral("raktj")).toString());
        if (withPublication)
            addPart(line, QStringLiteral("     "), hits.value(row, QStringLiteral("kiadas")).toString());
        lines << line;
    }
    return lines;
}

platform::report::ReportDefinition listReportDefinition()
{
    using namespace platform::report;
    ReportDefinition definition;
    definition.title = QStringLiteral("Könyv lista");
    definition.orientation = QPageLayout::Portrait;
    definition.margins = Margins{10, 10, 10, 10};
    definition.font = Font{QStringLiteral("Arial"), 10};
    // The header band is 7.1 mm high: the bold label and the space under it.
    const Font label = definition.font.withBold();
    definition.pageHeader << Line({Cell{QStringLiteral("Sorszám szakj. rakt.          szerző                                    cím  "
                                                 "                                              kiad. év.   terjedelem")}},
                            label);
    const double gap = 7.1 - label.lineHeight();
    definition.pageHeader << Line({Cell{}}, definition.font.withSize(gap / (25.4 / 72.0 * 1.25)));
    // Detail band 4.8 mm high; values at their distances from the band's left edge. The running
    // number ends at 2.6 mm.
    definition.columns = {Column(QStringLiteral("nr"), {}, -7.4, 10, Qt::AlignRight),
                    Column(QStringLiteral("szakj"), {}, 14.8, 10.4),
                    Column(QStringLiteral("raktj"), {}, 25.4, 10.4),
                    Column(QStringLiteral("szerzo"), {}, 36.0, 52.7),
                    Column(QStringLiteral("cim"), {}, 88.9, 67.5),
                    Column(QStringLiteral("kiadev"), {}, 156.6, 12.5),
                    Column(QStringLiteral("ter"), {}, 169.3, 20.7)};
    definition.ruleUnderColumnHeader = false;
    definition.bandGap = 4.8 - definition.font.lineHeight();
    return definition;
}

QList<QVariantMap> listReportRows(const HitList& hits)
{
    QList<QVariantMap> rows;
    for (int row = 0; row < hits.count(); ++row) {
        rows << QVariantMap{{QStringLiteral("nr"), row + 1},
                            {QStringLiteral("szakj"), hits.value(row, QStringLiteral("szakj"))},
                            {QStringLiteral("raktj"), hits.value(row, QStringLiteral("raktj"))},
                            {QStringLiteral("szerzo"), hits.value(row, QStringLiteral("szerzo"))},
                            {QStringLiteral("cim"), hitTitle(hits, row)},
                            {QStringLiteral("kiadev"), hits.value(row, QStringLiteral("kiadev"))},
                            {QStringLiteral("ter"), hits.value(row, QStringLiteral("ter"))}};
    }
    return rows;
}

} // namespace zentar::retrieval
