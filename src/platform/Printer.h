#pragma once

#include "platform/Report.h"

class QTextDocument;

namespace zentar::platform {

class AppContext;

// Where printed pages go. Reports are shown in the preview window (from which they are printed
// or saved as PDF); plain text, grids and rich text can also go straight to the default printer.
// Where no printer is installed, printing writes a PDF in the working folder and tells the user
// its path. Tests install a printer that records the documents and always writes PDFs.
class Printer {
public:
    explicit Printer(AppContext& context) : context_(context) {}
    virtual ~Printer() = default;
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Shows the document in the preview window.
    virtual void preview(const report::Document& document);
    // Sends the document to the default printer (`askSettings`: the print dialog first).
    // Returns false when nothing was printed (cancelled, or the error was shown).
    virtual bool print(const report::Document& document, bool askSettings = false);
    // Prints a rich-text document under the given job title.
    virtual bool print(const QTextDocument& text, const QString& jobTitle);

    // Plain text lines "to the default printer" in a fixed-pitch font.
    bool printLines(const QStringList& lines, double fontSize = 10, const QString& jobTitle = {});

    // Is there a printer to send pages to?
    virtual bool hasPrinter() const;
    // The PDF a print job goes to when there is no printer: "<job title>.pdf" in the working folder.
    QString fallbackPdfPath(const QString& jobTitle) const;

protected:
    AppContext& context_;
};

} // namespace zentar::platform
