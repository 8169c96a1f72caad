#include "platform/Printer.h"

#include "platform/AppContext.h"
#include "platform/PreviewWindow.h"
#include "platform/ReportPainter.h"

#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTextDocument>

namespace zentar::platform {

namespace {

QString noPrinterMessage(const QString& path)
{
    return QStringLiteral("Nincs telepített nyomtató, a nyomat PDF fájlba került:\n%1")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

bool Printer::hasPrinter() const
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString Printer::fallbackPdfPath(const QString& jobTitle) const
{
    QString name = jobTitle.trimmed();
    if (name.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        name.chop(4);
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_') && c != QLatin1Char('.'))
            c = QLatin1Char('_');
    }
    if (name.isEmpty())
        name = QStringLiteral("nyomtatas");
    return context_.folders.workFile(name + QStringLiteral(".pdf"));
}

void Printer::preview(const report::Document& document)
{
    auto* window = new PreviewWindow(context_, document);
    if (context_.hasHost())
        context_.host().showWindow(window);
    else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
}

bool Printer::print(const report::Document& document, bool askSettings)
{
    if (!hasPrinter()) {
        const QString path = fallbackPdfPath(document.title);
        QString error;
        if (!report::writePdf(document, path, &error)) {
            context_.dialogs.error(error);
            return false;
        }
        context_.dialogs.information(noPrinterMessage(path));
        return true;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(document.title);
    printer.setFullPage(true);
    if (askSettings) {
        QPrintDialog dialog(&printer);
        dialog.setMinMax(1, int(document.pages.size()));
        if (dialog.exec() != QDialog::Accepted)
            return false;
    }
    if (!report::paint(document, printer)) {
        context_.dialogs.error(QStringLiteral("A nyomtatás nem sikerült."));
        return false;
    }
    return true;
}

bool Printer::print(const QTextDocument& text, const QString& jobTitle)
{
    if (!hasPrinter()) {
        const QString path = fallbackPdfPath(jobTitle);
        QSaveFile file(path);
        bool ok = file.open(QIODevice::WriteOnly);
        if (ok) {
            QPdfWriter writer(&file);
            writer.setTitle(jobTitle);
            writer.setCreator(QStringLiteral("Zentar"));
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
            text.print(&writer);
            ok = file.commit();
        }
        if (!ok) {
            context_.dialogs.error(QStringLiteral("A fájl nem írható: %1 (%2)")
                                       .arg(QDir::toNativeSeparators(path), file.errorString()));
            return false;
        }
        context_.dialogs.information(noPrinterMessage(path));
        return true;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(jobTitle);
    printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    text.print(&printer);
    return true;
}

bool Printer::printLines(const QStringList& lines, double fontSize, const QString& jobTitle)
{
    return print(report::plainText(lines, fontSize, jobTitle));
}

} // namespace zentar::platform
