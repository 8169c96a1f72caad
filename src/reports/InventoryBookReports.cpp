#include "reports/InventoryBookReports.h"

#include "reports/Formats.h"

namespace zentar::reports::inventorybook {

namespace report = platform::report;

namespace {

// Both layouts are set in a fixed-pitch font so that every column starts under the first letter
// of its caption: a column at character position n of the caption line is n character widths in.
constexpr double kPortraitSize = 6.5;
constexpr double kLandscapeSize = 5.8;
// DejaVu Sans Mono advances 1233/2048 of the font size per character.
double charWidth(double size)
{
    return size * 25.4 / 72.0 * (1233.0 / 2048.0);
}

QString text(const QVariant& v)
{
    return v.toString();
}

struct Columns {
    double cw;
    report::Column column(const QString& field, int from, int chars, Qt::Alignment align = Qt::AlignLeft) const
    {
        report::Column c(field, QString(), from * cw, chars * cw, align);
        c.format = text;
        return c;
    }
};

const QString kSoftware = QStringLiteral("ZENTAR Többnyelvű Integrált Könyvtári Rendszer");

} // namespace

QString portraitCaption()
{
    return QStringLiteral(
        "Lelt. szám Szak Rakt jelzet          Szerző                         Cím                            "
        "Megj év DB        Ár         Lelőhely");
}

QString landscapeCaption1()
{
    return QStringLiteral(
        "   Leltári szám     Kelet       Cím                                                                "
        "Kötetjelzés Egys. Szak j.  Beszerzés módja  Beszerzési ár      Gyar. nyt. Törl. nyt. L. jegyzet "
        "Lelőhely         Áll. dátum");
}

QString landscapeCaption2()
{
    return QStringLiteral(
        "Szerző                                                           Megj.év                Raktári j.");
}

report::Document portrait(const QString& heading, const QList<QVariantMap>& rows)
{
    report::ReportDefinition definition;
    definition.title = QStringLiteral("Leltárkönyv: nyomtatás");
    definition.orientation = QPageLayout::Portrait;
    definition.margins = report::Margins { 10, 10, 10, 10 };
    definition.font = report::Font::mono(kPortraitSize);
    const Columns at { charWidth(kPortraitSize) };

    definition.pageHeader << report::Line({ report::Cell(heading) }, report::Font().withBold().withSize(11))
                    << report::Line(QString());
    report::Line captions({ report::Cell(portraitCaption()) }, definition.font.withBold());
    captions.ruleBelow = true;
    definition.columnHeader << captions;

    definition.columns << at.column(QStringLiteral("lszam"), 0, 9, Qt::AlignRight).formatted(positiveInteger)
                 << at.column(QStringLiteral("szakj"), 11, 4) << at.column(QStringLiteral("raktj"), 16, 20)
                 << at.column(QStringLiteral("szerzo"), 37, 30) << at.column(QStringLiteral("cim"), 68, 30)
                 << at.column(QStringLiteral("megjev"), 99, 7)
                 << at.column(QStringLiteral("egyszam"), 106, 4, Qt::AlignRight).formatted(positiveInteger).summed()
                 << at.column(QStringLiteral("ar"), 110, 10, Qt::AlignRight).formatted(priceText).summed()
                 << at.column(QStringLiteral("pnem"), 121, 6) << at.column(QStringLiteral("lhely"), 128, 10);
    definition.sumLabel = QStringLiteral("Összesen:");

    // The hand-over block: date, then the dotted lines of the one who hands over and the one who
    // receives the items.
    const QString dots(30, QLatin1Char('.'));
    const report::Font hand = report::Font().withSize(9);
    definition.summary << report::Line(QString()) << report::Line({ report::Cell(QStringLiteral("Dátum: ") + dots) }, hand)
                 << report::Line(QString()) << report::Line(QString())
                 << report::Line(
                        { report::Cell(dots, 10, 70, Qt::AlignHCenter), report::Cell(dots, 110, 70, Qt::AlignHCenter) },
                        hand)
                 << report::Line({ report::Cell(QStringLiteral("átadó"), 10, 70, Qt::AlignHCenter),
                                     report::Cell(QStringLiteral("átvevő"), 110, 70, Qt::AlignHCenter) },
                        hand);
    definition.pageFooter << report::Line(
        { report::Cell(QStringLiteral("{page}. oldal"), 0, 0, Qt::AlignRight) }, report::Font().withSize(8));
    return report::layout(definition, rows);
}

report::Document landscape(const QString& heading, const QList<QVariantMap>& rows)
{
    report::ReportDefinition definition;
    definition.title = QStringLiteral("Leltárkönyv");
    definition.orientation = QPageLayout::Landscape;
    definition.margins = report::Margins { 10, 10, 10, 10 };
    definition.font = report::Font::mono(kLandscapeSize);
    definition.bandGap = 0.8;
    const Columns at { charWidth(kLandscapeSize) };
    // The second line of a row starts under the title, as its caption line does.
    constexpr int indent = 32;

    report::Line first({ report::Cell(landscapeCaption1()) }, definition.font.withBold());
    report::Line second({ report::Cell(landscapeCaption2(), indent * at.cw) }, definition.font.withBold());
    second.ruleBelow = true;
    definition.columnHeader << first << second;

    definition.columns
        << at.column(QStringLiteral("lbetu"), 0, 3)
        << at.column(QStringLiteral("lszam"), 3, 10).formatted(positiveInteger)
        << at.column(QStringLiteral("kelet"), 20, 10).formatted(shortYearDate)
        << at.column(QStringLiteral("cim"), 32, 66) << at.column(QStringLiteral("kotet"), 99, 11)
        << at.column(QStringLiteral("szakj"), 117, 8) << at.column(QStringLiteral("beszmod"), 126, 16)
        << at.column(QStringLiteral("ar"), 143, 11, Qt::AlignRight).formatted(priceText).summed()
        << at.column(QStringLiteral("pnem"), 155, 6) << at.column(QStringLiteral("gynyt"), 162, 10)
        << at.column(QStringLiteral("tnyt"), 173, 10) << at.column(QStringLiteral("jegyzet"), 184, 10)
        << at.column(QStringLiteral("lhely"), 195, 16) << at.column(QStringLiteral("alldatum"), 212, 10)
        << at.column(QStringLiteral("szerzo"), indent, 64).onLine(1)
        << at.column(QStringLiteral("megjev"), indent + 65, 10).onLine(1)
        << at.column(QStringLiteral("egyszam"), 111, 5, Qt::AlignRight).formatted(positiveInteger).summed().onLine(1)
        << at.column(QStringLiteral("raktj"), indent + 88, 20).onLine(1);
    definition.sumLabel = QStringLiteral("Összesen:");

    const report::Font footer = report::Font().withSize(8);
    definition.pageFooter << report::Line(
        { report::Cell(heading, 0, 120), report::Cell(QStringLiteral("{page}. oldal"), 120, 37, Qt::AlignHCenter),
            report::Cell(kSoftware, 157, 0, Qt::AlignRight) },
        footer);
    return report::layout(definition, rows);
}

} // namespace zentar::reports::inventorybook
