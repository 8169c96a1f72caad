#include "platform/Report.h"

#include <QDate>
#include <QDateTime>
#include <QPageSize>

#include <algorithm>
#include <map>

namespace zentar::platform::report {

QStringList Page::lines() const
{
    std::map<qint64, QList<const TextItem*>> rows;
    for (const TextItem& item : texts)
        rows[qRound64(item.rect.top() * 100)] << &item;
    QStringList out;
    for (auto& [top, items] : rows) {
        std::sort(items.begin(), items.end(),
                  [](const TextItem* a, const TextItem* b) { return a->rect.left() < b->rect.left(); });
        QStringList parts;
        for (const TextItem* item : items) {
            if (!item->text.isEmpty())
                parts << item->text;
        }
        out << parts.join(QLatin1Char(' '));
    }
    return out;
}

bool Page::contains(const QString& text) const
{
    return std::any_of(texts.begin(), texts.end(), [&](const TextItem& t) { return t.text.contains(text); });
}

QSizeF Document::pageSize() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? a4.transposed() : a4;
}

QString formatValue(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (d == double(qint64(d)))
            return QString::number(qint64(d));
        QString text = QString::number(d, 'f', 2);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        return text;
    }
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy.MM.dd."));
    case QMetaType::QDateTime:
        return value.toDateTime().date().toString(QStringLiteral("yyyy.MM.dd."));
    default:
        return value.toString();
    }
}

namespace {

// Places band lines on pages; knows where the next line goes and when a page is full.
class Composer {
public:
    Composer(const ReportDefinition& definition, Document& doc) : definition_(definition), doc_(doc)
    {
        const QSizeF size = doc.pageSize();
        left_ = definition.margins.left;
        contentWidth_ = size.width() - definition.margins.left - definition.margins.right;
        double footer = 0;
        for (const Line& line : definition.pageFooter)
            footer += lineHeight(line);
        footerTop_ = size.height() - definition.margins.bottom - footer;
    }

    double lineHeight(const Line& line) const
    {
        double h = line.font.value_or(definition_.font).lineHeight();
        for (const Cell& cell : line.cells) {
            if (cell.font)
                h = std::max(h, cell.font->lineHeight());
        }
        return h;
    }
    double height(const QList<Line>& lines) const
    {
        double h = 0;
        for (const Line& line : lines)
            h += lineHeight(line);
        return h;
    }

    // Starts a page with its header lines.
    void newPage()
    {
        doc_.pages << Page();
        y_ = definition_.margins.top;
        for (const Line& line : definition_.pageHeader)
            place(line, true);
        for (const Line& line : columnHeader_)
            place(line, false);
    }
    // True when `h` mm still fit above the page footer (always true on an empty page).
    bool fits(double h) const { return y_ + h <= footerTop_ + 0.001 || y_ <= bodyTop_ + 0.001; }
    void ensureRoom(double h)
    {
        if (doc_.pages.isEmpty() || !fits(h)) {
            newPage();
            bodyTop_ = y_;
        }
    }

    // Places one line at the current position and moves down.
    void place(const Line& line, bool templated)
    {
        const Font base = line.font.value_or(definition_.font);
        const double h = lineHeight(line);
        placeAt(line, y_, h, base, templated);
        y_ += h;
    }

    void placeAt(const Line& line, double y, double h, const Font& base, bool templated, int pageIndex = -1)
    {
        if (pageIndex < 0)
            pageIndex = int(doc_.pages.size()) - 1;
        Page& page = doc_.pages[pageIndex];
        for (const Cell& cell : line.cells) {
            const double width = cell.width > 0 ? cell.width : contentWidth_ - cell.x;
            if (templated)
                templated_ << std::make_pair(pageIndex, int(page.texts.size()));
            page.texts << TextItem{QRectF(left_ + cell.x, y, width, h), cell.text, cell.font.value_or(base),
                                   cell.align | Qt::AlignVCenter};
        }
        if (line.ruleBelow)
            page.rules << RuleItem{QPointF(left_, y + h), QPointF(left_ + contentWidth_, y + h)};
    }

    void addFooters()
    {
        const int total = int(doc_.pages.size());
        for (int p = 0; p < total; ++p) {
            double y = footerTop_;
            for (const Line& line : definition_.pageFooter) {
                Page& page = doc_.pages[p];
                const int first = int(page.texts.size());
                const double h = lineHeight(line);
                placeAt(line, y, h, line.font.value_or(definition_.font), false, p);
                for (int i = first; i < page.texts.size(); ++i)
                    templated_ << std::make_pair(p, i);
                y += h;
            }
        }
        for (const auto& [p, i] : templated_) {
            QString& text = doc_.pages[p].texts[i].text;
            text.replace(QLatin1String("{pages}"), QString::number(total));
            text.replace(QLatin1String("{page}"), QString::number(p + 1));
        }
    }

    double y() const { return y_; }
    void advance(double h) { y_ += h; }

    QList<Line> columnHeader_;

private:
    const ReportDefinition& definition_;
    Document& doc_;
    double left_ = 0;
    double contentWidth_ = 0;
    double footerTop_ = 0;
    double y_ = 0;
    double bodyTop_ = 0;
    QList<std::pair<int, int>> templated_;
};

QString columnText(const Column& column, const QVariant& value)
{
    return column.format ? column.format(value) : formatValue(value);
}

} // namespace

Document layout(const ReportDefinition& definition, const QList<QVariantMap>& rows)
{
    Document doc;
    doc.title = definition.title;
    doc.orientation = definition.orientation;
    Composer composer(definition, doc);

    int detailLines = 1;
    for (const Column& c : definition.columns)
        detailLines = std::max(detailLines, c.line + 1);

    composer.columnHeader_ = definition.columnHeader;
    if (composer.columnHeader_.isEmpty()) {
        const bool titled = std::any_of(definition.columns.begin(), definition.columns.end(),
                                        [](const Column& c) { return !c.title.isEmpty(); });
        for (int l = 0; titled && l < detailLines; ++l) {
            Line line;
            line.font = definition.font.withBold();
            for (const Column& c : definition.columns) {
                if (c.line == l)
                    line.cells << Cell{c.title, c.x, c.width, c.align};
            }
            composer.columnHeader_ << line;
        }
        if (!composer.columnHeader_.isEmpty() && definition.ruleUnderColumnHeader)
            composer.columnHeader_.last().ruleBelow = true;
    }

    const double lineH = definition.font.lineHeight();
    const double rowH = detailLines * lineH + definition.bandGap;
    QList<double> sums(definition.columns.size(), 0.0);
    bool anySum = false;
    for (const QVariantMap& row : rows) {
        composer.ensureRoom(rowH);
        const double top = composer.y();
        for (int l = 0; l < detailLines; ++l) {
            Line line;
            for (const Column& c : definition.columns) {
                if (c.line == l)
                    line.cells << Cell{columnText(c, row.value(c.field)), c.x, c.width, c.align};
            }
            composer.placeAt(line, top + l * lineH, lineH, definition.font, false);
        }
        composer.advance(rowH);
        for (int i = 0; i < definition.columns.size(); ++i) {
            if (definition.columns.at(i).sum) {
                sums[i] += row.value(definition.columns.at(i).field).toDouble();
                anySum = true;
            }
        }
    }
    anySum = anySum || std::any_of(definition.columns.begin(), definition.columns.end(), [](const Column& c) { return c.sum; });

    // The summary: the sum line(s), then the summary lines, kept together when they fit a page.
    QList<Line> summary;
    if (anySum) {
        int sumLines = 1;
        for (const Column& c : definition.columns) {
            if (c.sum)
                sumLines = std::max(sumLines, c.line + 1);
        }
        for (int l = 0; l < sumLines; ++l) {
            Line line;
            line.font = definition.font.withBold();
            if (l == 0) {
                double labelWidth = 0;
                for (const Column& c : definition.columns) {
                    if (c.sum && c.line == 0 && c.x > definition.sumLabelX)
                        labelWidth = labelWidth > 0 ? std::min(labelWidth, c.x - definition.sumLabelX) : c.x - definition.sumLabelX;
                }
                line.cells << Cell{definition.sumLabel, definition.sumLabelX, labelWidth};
            }
            for (int i = 0; i < definition.columns.size(); ++i) {
                const Column& c = definition.columns.at(i);
                if (!c.sum || c.line != l)
                    continue;
                const double s = sums.at(i);
                const QVariant v = s == double(qint64(s)) ? QVariant(qint64(s)) : QVariant(s);
                line.cells << Cell{columnText(c, v), c.x, c.width, c.align};
            }
            summary << line;
        }
    }
    summary << definition.summary;
    if (!summary.isEmpty()) {
        composer.ensureRoom(composer.height(summary));
        for (const Line& line : summary) {
            composer.ensureRoom(composer.lineHeight(line));
            composer.place(line, true);
        }
    }
    if (doc.pages.isEmpty())
        composer.newPage();
    composer.addFooters();
    return doc;
}

Document plainText(const QStringList& lines, double fontSize, const QString& title)
{
    ReportDefinition definition;
    definition.title = title;
    definition.font = Font::mono(fontSize);
    definition.margins = Margins{15, 15, 10, 15};
    definition.columns << Column(QStringLiteral("t"), QString(), 0, 0);
    definition.columns.first().width = QPageSize(QPageSize::A4).size(QPageSize::Millimeter).width() - 25;
    QList<QVariantMap> rows;
    rows.reserve(lines.size());
    for (const QString& line : lines)
        rows << QVariantMap{{QStringLiteral("t"), line}};
    return layout(definition, rows);
}

Document grid(const QStringList& headings, const QList<QStringList>& cells, const QString& title,
              QPageLayout::Orientation orientation)
{
    ReportDefinition definition;
    definition.title = title;
    definition.orientation = orientation;
    definition.font = Font{QStringLiteral("DejaVu Sans"), 8};
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double pageWidth = orientation == QPageLayout::Landscape ? a4.height() : a4.width();
    const double contentWidth = pageWidth - definition.margins.left - definition.margins.right;
    if (!title.isEmpty())
        definition.pageHeader << Line({Cell{title}}, definition.font.withBold().withSize(11));
    definition.pageFooter << Line({Cell{QStringLiteral("{page}. oldal"), 0, 0, Qt::AlignRight}});

    int columnCount = int(headings.size());
    for (const QStringList& row : cells)
        columnCount = std::max(columnCount, int(row.size()));
    QList<double> widths(columnCount, 2.0);
    // An estimate of the text's width: about 0.6 of the font size per character (0.7 in bold).
    auto measure = [&](int c, const QString& text, double perChar) {
        widths[c] = std::max(widths[c], text.size() * definition.font.size * perChar * 25.4 / 72.0 + 2.5);
    };
    for (int c = 0; c < headings.size(); ++c)
        measure(c, headings.at(c), 0.7);
    for (const QStringList& row : cells) {
        for (int c = 0; c < row.size(); ++c)
            measure(c, row.at(c), 0.6);
    }
    double total = 0;
    for (double w : widths)
        total += w;
    const double scale = total > contentWidth ? contentWidth / total : 1.0;
    double x = 0;
    for (int c = 0; c < columnCount; ++c) {
        Column column;
        column.field = QString::number(c);
        column.title = c < headings.size() ? headings.at(c) : QString();
        column.x = x;
        column.width = widths.at(c) * scale;
        definition.columns << column;
        x += column.width;
    }
    QList<QVariantMap> rows;
    rows.reserve(cells.size());
    for (const QStringList& row : cells) {
        QVariantMap map;
        for (int c = 0; c < row.size(); ++c)
            map.insert(QString::number(c), row.at(c));
        rows << map;
    }
    return layout(definition, rows);
}

} // namespace zentar::platform::report
