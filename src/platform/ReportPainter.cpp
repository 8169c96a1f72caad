#include "platform/ReportPainter.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>

namespace zentar::platform::report {

namespace {

QFont toQFont(const Font& f)
{
    QFont font(f.family);
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setStyleHint(f.family.contains(QLatin1String("Mono")) ? QFont::Monospace : QFont::SansSerif);
    return font;
}

} // namespace

void paintPage(QPainter& painter, const Page& page, double pxPerMm)
{
    painter.save();
    painter.setPen(Qt::black);
    for (const TextItem& item : page.texts) {
        if (item.text.isEmpty())
            continue;
        painter.setFont(toQFont(item.font));
        const QRectF r(item.rect.left() * pxPerMm, item.rect.top() * pxPerMm, item.rect.width() * pxPerMm,
                       item.rect.height() * pxPerMm);
        painter.drawText(r, int(item.align) | Qt::TextSingleLine, item.text);
    }
    for (const RuleItem& rule : page.rules) {
        QPen pen(Qt::black);
        pen.setWidthF(rule.width * pxPerMm);
        painter.setPen(pen);
        painter.drawLine(rule.from * pxPerMm, rule.to * pxPerMm);
    }
    painter.restore();
}

bool paint(const Document& document, QPagedPaintDevice& device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pxPerMm = device.logicalDpiX() / 25.4;
    for (int i = 0; i < document.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, document.pages.at(i), pxPerMm);
    }
    return painter.end();
}

bool writePdf(const Document& document, const QString& path, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter writer(&file);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Zentar"));
        writer.setResolution(600);
        ok = paint(document, writer);
    }
    ok = ok && file.commit();
    if (!ok && error)
        *error = QStringLiteral("A fájl nem írható: %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
    return ok;
}

QImage renderPage(const Document& document, int index, double dpi)
{
    const QSizeF mm = document.pageSize();
    const double pxPerMm = dpi / 25.4;
    QImage image(QSize(qRound(mm.width() * pxPerMm), qRound(mm.height() * pxPerMm)), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    if (index >= 0 && index < document.pages.size()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paintPage(painter, document.pages.at(index), pxPerMm);
    }
    return image;
}

} // namespace zentar::platform::report
