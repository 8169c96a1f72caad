#pragma once

#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace zentar::platform::report {

// A font of a report: family, size in points, bold and italic.
struct Font {
    QString family = QStringLiteral("DejaVu Sans");
    double size = 9;
    bool bold = false;
    bool italic = false;

    Font withBold(bool b = true) const { Font f = *this; f.bold = b; return f; }
    Font withSize(double s) const { Font f = *this; f.size = s; return f; }
    static Font mono(double size = 9) { return Font{QStringLiteral("DejaVu Sans Mono"), size}; }
    // The height of one line of this font, in millimetres (1.25 times the size).
    double lineHeight() const { return size * 25.4 / 72.0 * 1.25; }
    bool operator==(const Font&) const = default;
};

// ---------------------------------------------------------------------------------------------
// Laid-out pages: text placed in rectangles, in millimetres from the page's top-left corner.

struct TextItem {
    QRectF rect; // mm
    QString text;
    Font font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
};

struct RuleItem { // a straight line, mm
    QPointF from;
    QPointF to;
    double width = 0.2;
};

struct Page {
    QList<TextItem> texts;
    QList<RuleItem> rules;

    // The page's text, one line per text row (items with the same top, left to right, joined
    // with a space), top to bottom. Meant for tests and for searching a page.
    QStringList lines() const;
    bool contains(const QString& text) const;
};

struct Document {
    QString title; // the print job's name
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<Page> pages;

    // A4 in millimetres, turned for landscape.
    QSizeF pageSize() const;
};

// ---------------------------------------------------------------------------------------------
// Banded report description.

// One piece of text on a band line: at `x` mm from the left margin, `width` mm wide (0 = up to
// the right margin). "{page}" and "{pages}" in the text are replaced by the page number and count.
struct Cell {
    Cell(QString t = {}, double x_ = 0, double w = 0, Qt::Alignment a = Qt::AlignLeft, std::optional<Font> f = {})
        : text(std::move(t)), x(x_), width(w), align(a), font(std::move(f))
    {
    }
    QString text;
    double x = 0;
    double width = 0;
    Qt::Alignment align = Qt::AlignLeft;
    std::optional<Font> font; // the band's font when not set
};

// A band line: a row of cells, optionally with a rule under it.
struct Line {
    QList<Cell> cells;
    std::optional<Font> font;
    bool ruleBelow = false;

    Line() = default;
    Line(const QString& text) { cells << Cell{text}; } // NOLINT: a line of one text is common
    Line(QList<Cell> c, std::optional<Font> f = {}) : cells(std::move(c)), font(f) {}
};

// A column of the detail band. A row may take several lines: `line` says which one.
//   Column("lszam", "Lelt. szám", 0, 18, Qt::AlignRight)
//   Column("ar", "Ár", 150, 20, Qt::AlignRight).summed().formatted(money)
//   Column("szerzo", "Szerző", 10, 60).onLine(1)
struct Column {
    Column(QString f = {}, QString t = {}, double x_ = 0, double w = 20, Qt::Alignment a = Qt::AlignLeft)
        : field(std::move(f)), title(std::move(t)), x(x_), width(w), align(a)
    {
    }
    Column& onLine(int l) { line = l; return *this; }
    Column& summed(bool s = true) { sum = s; return *this; }
    Column& formatted(std::function<QString(const QVariant&)> f) { format = std::move(f); return *this; }

    QString field; // key of the row map (lower case)
    QString title; // column header text ("" for none)
    double x = 0; // mm from the left margin
    double width = 20; // mm
    Qt::Alignment align = Qt::AlignLeft;
    int line = 0;
    bool sum = false; // summed into the summary line
    // Text of a value; the default writes numbers in the shortest form and dates as "yyyy.MM.dd.".
    std::function<QString(const QVariant&)> format;
};

struct Margins {
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;
};

struct ReportDefinition {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    Margins margins;
    Font font; // detail font
    QList<Line> pageHeader; // on every page
    QList<Line> columnHeader; // under the page header; built from the column titles when empty
    QList<Column> columns;
    bool ruleUnderColumnHeader = true;
    // The summary, after the last row: the label at `sumLabelX` and the sums of the `sum`
    // columns on one line, then `summary` lines. No sum line when no column is summed.
    QString sumLabel = QStringLiteral("Összesen:");
    double sumLabelX = 0;
    QList<Line> summary;
    QList<Line> pageFooter; // at the bottom of every page
    double bandGap = 0; // extra space after each row, mm
};

// The text of a value in a report: integers without decimals, other numbers with up to two,
// dates "yyyy.MM.dd.", anything else as text.
QString formatValue(const QVariant& value);

// Lays out the report: the page header and column header on every page, the rows in order (a
// row never split between pages), the summary after the last row (moved to a new page when it
// does not fit) and the page footer on every page.
Document layout(const ReportDefinition& definition, const QList<QVariantMap>& rows);

// Plain text "to the default printer": the lines in a fixed-pitch font of `fontSize` points.
Document plainText(const QStringList& lines, double fontSize = 10, const QString& title = {});

// A grid's cells with its headings as a table: widths follow the longest text of each column,
// fitted to the page; a heading row repeated on every page.
Document grid(const QStringList& headings, const QList<QStringList>& cells, const QString& title,
              QPageLayout::Orientation orientation = QPageLayout::Portrait);

} // namespace zentar::platform::report
