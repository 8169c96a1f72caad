#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QString>

namespace zentar::test {

// A printer for tests: never a real printer. Printing writes the PDF into the working folder (as
// the program does where no printer is installed) and records the document; a preview records
// the document instead of opening the preview window.
class TestPrinter : public platform::Printer {
public:
    using platform::Printer::Printer;

    struct RichTextJob {
        QString title;
        QString text;
    };

    void preview(const platform::report::Document& document) override { previews << document; }
    bool print(const platform::report::Document& document, bool askSettings = false) override
    {
        printed << document;
        return platform::Printer::print(document, askSettings);
    }
    bool print(const QTextDocument& text, const QString& jobTitle) override;
    bool hasPrinter() const override { return false; }

    QList<platform::report::Document> previews;
    QList<platform::report::Document> printed;
    QList<RichTextJob> richText;
};

} // namespace zentar::test
