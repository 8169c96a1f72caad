#include "catalogue/CardEditorText.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>
#include <vector>

namespace zentar::catalogue::cardtext {

namespace {

QString displayName(const QString& path)
{
    return path.isEmpty() ? QStringLiteral("[Untitled]") : QFileInfo(path).fileName();
}

} // namespace

QString caption(const QString& path)
{
    return kEditorCaption + QStringLiteral(" - ") + displayName(path);
}

QString changedQuestion(const QString& path)
{
    return QStringLiteral("A %1 fájl tartalma megváltozott.\n\nKívánja menteni a változásokat?\n"
                          "(helyi lemezre, szövegfájlként!)")
        .arg(displayName(path));
}

QString characterCountMessage(const QString& text)
{
    return QStringLiteral("A szöveg %1 karaktert tartalmaz.").arg(text.size());
}

double firstLineIndent(int position)
{
    return 10.0 * position;
}

int indentPosition(double firstLineIndent)
{
    return qRound(firstLineIndent / 10.0);
}

void cutLines(QTextDocument& document, int width)
{
    // Ranges beyond the width of every line (a paragraph, or a part of one after a line break),
    // removed from the last to the first so the positions stay valid.
    std::vector<std::pair<int, int>> ranges;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int lineStart = 0;
        while (lineStart <= text.size()) {
            int lineEnd = int(text.indexOf(QChar::LineSeparator, lineStart));
            if (lineEnd < 0)
                lineEnd = int(text.size());
            if (lineEnd - lineStart > width)
                ranges.emplace_back(block.position() + lineStart + width, block.position() + lineEnd);
            lineStart = lineEnd + 1;
        }
    }
    if (ranges.empty())
        return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto it = ranges.rbegin(); it != ranges.rend(); ++it) {
        cursor.setPosition(it->first);
        cursor.setPosition(it->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

} // namespace zentar::catalogue::cardtext
