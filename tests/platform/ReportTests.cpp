#include "platform/Report.h"
#include "platform/ReportPainter.h"
#include "support/TestDatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zentar::platform;
using namespace zentar::platform::report;

namespace {

// A register-like report: two lines per row, a summed count, page number in the header.
ReportDefinition registerDefinition(QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    ReportDefinition definition;
    definition.title = QStringLiteral("Próba nyilvántartás");
    definition.orientation = orientation;
    definition.pageHeader << Line({Cell(QStringLiteral("Próba nyilvántartás")),
                             Cell(QStringLiteral("{page}. oldal"), 0, 0, Qt::AlignRight)},
                            Font().withBold().withSize(12));
    definition.columns << Column(QStringLiteral("szam"), QStringLiteral("Szám"), 0, 20, Qt::AlignRight)
                 << Column(QStringLiteral("cim"), QStringLiteral("Cím"), 25, 100)
                 << Column(QStringLiteral("szerzo"), QStringLiteral("Szerző"), 25, 100).onLine(1)
                 << Column(QStringLiteral("ar"), QStringLiteral("Ár"), 130, 30, Qt::AlignRight).summed()
                 << Column(QStringLiteral("db"), QStringLiteral("Db"), 130, 30, Qt::AlignRight).onLine(1).summed();
    definition.summary << Line(QStringLiteral("Dátum")) << Line(QStringLiteral("átadó ............ átvevő ............"));
    definition.pageFooter << Line({Cell(QStringLiteral("ZENTAR Többnyelvű Integrált Könyvtári Rendszer"), 0, 0, Qt::AlignRight)});
    return definition;
}

QList<QVariantMap> rows(int count)
{
    QList<QVariantMap> out;
    for (int i = 1; i <= count; ++i)
        out << QVariantMap{{QStringLiteral("szam"), i},
                           {QStringLiteral("cim"), QStringLiteral("Cím %1").arg(i)},
                           {QStringLiteral("szerzo"), QStringLiteral("Szerző %1").arg(i)},
                           {QStringLiteral("ar"), 1.5},
                           {QStringLiteral("db"), i % 2}};
    return out;
}

// The page holding the text item that is exactly `text`, or -1.
int pageOf(const Document& doc, const QString& text, QRectF* rect = nullptr)
{
    for (int p = 0; p < doc.pages.size(); ++p) {
        for (const TextItem& item : doc.pages.at(p).texts) {
            if (item.text == text) {
                if (rect)
                    *rect = item.rect;
                return p;
            }
        }
    }
    return -1;
}

} // namespace

TEST(Report, TwoHundredRowsRepeatHeadersKeepRowsWholeAndSumOnTheLastPage)
{
    const ReportDefinition definition = registerDefinition();
    const Document doc = layout(definition, rows(200));
    ASSERT_GT(doc.pages.size(), 2);
    const QSizeF size = doc.pageSize();
    EXPECT_LT(size.width(), size.height());

    for (int p = 0; p < doc.pages.size(); ++p) {
        const QStringList lines = doc.pages.at(p).lines();
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines.at(0), QStringLiteral("Próba nyilvántartás %1. oldal").arg(p + 1));
        EXPECT_EQ(lines.at(1), QStringLiteral("Szám Cím Ár"));
        EXPECT_EQ(lines.at(2), QStringLiteral("Szerző Db"));
        EXPECT_EQ(lines.last(), QStringLiteral("ZENTAR Többnyelvű Integrált Könyvtári Rendszer"));
        for (const TextItem& item : doc.pages.at(p).texts) {
            EXPECT_GE(item.rect.top(), definition.margins.top - 0.01);
            EXPECT_LE(item.rect.bottom(), size.height() - definition.margins.bottom + 0.01) << item.text.toStdString();
        }
    }
    // Every row once, in order, both of its lines on the same page, the second under the first.
    int lastPage = 0;
    double lastTop = 0;
    for (int i = 1; i <= 200; ++i) {
        QRectF first, second;
        const int p1 = pageOf(doc, QStringLiteral("Cím %1").arg(i), &first);
        const int p2 = pageOf(doc, QStringLiteral("Szerző %1").arg(i), &second);
        ASSERT_GE(p1, 0) << i;
        EXPECT_EQ(p1, p2) << "row " << i << " cut between pages";
        EXPECT_GT(second.top(), first.top());
        EXPECT_TRUE(p1 > lastPage || (p1 == lastPage && first.top() > lastTop)) << i;
        lastPage = p1;
        lastTop = first.top();
    }
    // The sums after the last row, on the last page only, followed by the summary lines.
    const QStringList last = doc.pages.last().lines();
    const int sumLine = int(last.indexOf(QStringLiteral("Összesen: 300")));
    ASSERT_GE(sumLine, 0) << last.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(last.at(sumLine - 1), QStringLiteral("Szerző 200 0")); // the last row
    EXPECT_EQ(last.at(sumLine + 1), QStringLiteral("100"));
    EXPECT_EQ(last.at(sumLine + 2), QStringLiteral("Dátum"));
    for (int p = 0; p + 1 < doc.pages.size(); ++p)
        EXPECT_FALSE(doc.pages.at(p).contains(QStringLiteral("Összesen:")));
}

TEST(Report, SummaryThatDoesNotFitMovesWholeToANewPageWithItsHeader)
{
    ReportDefinition definition = registerDefinition();
    const int perPage = [&] {
        const Document one = layout(definition, rows(400));
        int n = 0;
        for (const TextItem& t : one.pages.first().texts)
            n += t.text.startsWith(QStringLiteral("Cím ")) ? 1 : 0;
        return n;
    }();
    ASSERT_GT(perPage, 10);
    const Document doc = layout(definition, rows(perPage)); // the first page is full of rows
    ASSERT_EQ(doc.pages.size(), 2);
    EXPECT_FALSE(doc.pages.first().contains(QStringLiteral("Összesen:")));
    const QStringList second = doc.pages.at(1).lines();
    EXPECT_EQ(second.first(), QStringLiteral("Próba nyilvántartás 2. oldal"));
    EXPECT_TRUE(second.contains(QStringLiteral("Dátum")));
}

TEST(Report, LandscapeIsWiderThanTallAndHoldsFewerRows)
{
    const Document portrait = layout(registerDefinition(), rows(200));
    const Document landscape = layout(registerDefinition(QPageLayout::Landscape), rows(200));
    EXPECT_GT(landscape.pageSize().width(), landscape.pageSize().height());
    EXPECT_NEAR(landscape.pageSize().width(), 297, 0.5);
    EXPECT_GT(landscape.pages.size(), portrait.pages.size());
    const QImage image = renderPage(landscape, 0, 50);
    EXPECT_GT(image.width(), image.height());
}

TEST(Report, EmptyReportStillHasOnePageWithHeaderAndZeroSums)
{
    const Document doc = layout(registerDefinition(), {});
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_TRUE(doc.pages.first().lines().contains(QStringLiteral("Összesen: 0")));
}

TEST(Report, ValuesAreFormattedForPrint)
{
    EXPECT_EQ(formatValue(QVariant(12)), QStringLiteral("12"));
    EXPECT_EQ(formatValue(QVariant(1250.0)), QStringLiteral("1250"));
    EXPECT_EQ(formatValue(QVariant(12.5)), QStringLiteral("12.5"));
    EXPECT_EQ(formatValue(QVariant(QDate(2024, 3, 5))), QStringLiteral("2024.03.05."));
    EXPECT_EQ(formatValue(QVariant()), QString());
}

TEST(Report, PdfHoldsTheTextWithHungarianLetters)
{
    QTemporaryDir dir;
    ReportDefinition definition = registerDefinition(QPageLayout::Landscape);
    QList<QVariantMap> data = rows(3);
    data[0][QStringLiteral("cim")] = QStringLiteral("Árvíztűrő tükörfúrógép ŐŰ");
    const QString path = dir.filePath(QStringLiteral("lista.pdf"));
    QString error;
    ASSERT_TRUE(writePdf(layout(definition, data), path, &error)) << error.toStdString();

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForStarted())
        GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Árvíztűrő tükörfúrógép ŐŰ"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1. oldal")));
    EXPECT_TRUE(text.contains(QStringLiteral("Összesen:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Szerző 3")));

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    ASSERT_TRUE(info.waitForFinished());
    const QString meta = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(meta.contains(QStringLiteral("842 x 595")))
        << meta.toStdString();
}

TEST(Report, PlainTextAndGridDocuments)
{
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << QStringLiteral("  sor %1").arg(i);
    const Document text = plainText(many, 10, QStringLiteral("lista"));
    ASSERT_GT(text.pages.size(), 1);
    EXPECT_EQ(text.pages.first().lines().first(), QStringLiteral("  sor 0"));
    EXPECT_EQ(text.pages.first().texts.first().font.family, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(text.pages.first().texts.first().font.size, 10);

    QList<QStringList> cells;
    for (int i = 0; i < 120; ++i)
        cells << QStringList{QStringLiteral("Település %1").arg(i), QString::number(1000 + i)};
    const Document g = grid({QStringLiteral("Település neve"), QStringLiteral("Ir. szám")}, cells, QStringLiteral("Irányítószámok"));
    ASSERT_GT(g.pages.size(), 1);
    for (const Page& page : g.pages) {
        EXPECT_EQ(page.lines().at(0), QStringLiteral("Irányítószámok"));
        EXPECT_EQ(page.lines().at(1), QStringLiteral("Település neve Ir. szám"));
    }
    EXPECT_EQ(g.pages.first().lines().at(2), QStringLiteral("Település 0 1000"));
}

// Printing without a printer: a PDF in the working folder, and the user is told where.
class PrinterTest : public zentar::test::DbTest {};

TEST_F(PrinterTest, WithoutAPrinterPrintingSavesAPdfInTheWorkingFolderAndSaysWhere)
{
    ASSERT_TRUE(context().printer().printLines({QStringLiteral("  F2:  Móra Ferenc Ifjúsági Könyvkiadó")}, 10,
                                               QStringLiteral("Funkcióbillentyűk")));
    const QString path = workDir.filePath(QStringLiteral("Funkcióbillentyűk.pdf"));
    EXPECT_TRUE(QFileInfo::exists(path));
    ASSERT_EQ(dialogs.texts(QStringLiteral("information")).size(), 1);
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).first().contains(QDir::toNativeSeparators(path)));
    ASSERT_EQ(printer->printed.size(), 1);
    EXPECT_TRUE(printer->printed.first().pages.first().contains(QStringLiteral("Móra Ferenc")));
}
