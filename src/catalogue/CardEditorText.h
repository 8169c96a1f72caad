#pragma once

#include <QString>

class QTextDocument;

// The card editor's rules that need no window: captions, messages and the card-width cut.
namespace zentar::catalogue::cardtext {

inline const QString kEditorCaption = QStringLiteral("Katalógus cédula szerkesztése, nyomtatása");
// A catalogue card holds 40 characters on a line.
constexpr int kCardWidth = 40;

// The caption after a new document ("... - [Untitled]") or a file opened or saved ("... - <file>").
QString caption(const QString& path);
// The question asked before a changed text is discarded; names the file, "[Untitled]" when none.
QString changedQuestion(const QString& path);
// "A szöveg <n> karaktert tartalmaz."
QString characterCountMessage(const QString& text);

// The indent slider: the first-line indent is 10 times its position.
double firstLineIndent(int position);
int indentPosition(double firstLineIndent);

// Cuts every line of the document to its first `width` characters, keeping the formatting of what
// stays. One undo step.
void cutLines(QTextDocument& document, int width);

} // namespace zentar::catalogue::cardtext
