#include "support/TestPrinter.h"

#include <QTextDocument>

namespace zentar::test {

bool TestPrinter::print(const QTextDocument& text, const QString& jobTitle)
{
    richText << RichTextJob{jobTitle, text.toPlainText()};
    return platform::Printer::print(text, jobTitle);
}

} // namespace zentar::test
