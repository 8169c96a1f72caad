#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace zentar::platform::rtf {

// Rich text as RTF: paragraphs with alignment, left and first-line indent and bullets; runs
// with font, size, bold, italic and underline. Every letter outside ASCII is written as "\uN"
// followed by its Windows-1250 byte (or "?") for readers that do not know Unicode, so the
// Hungarian letters (ő, ű, Ő, Ű among them) survive any reader.
QByteArray write(const QTextDocument& document);

// Reads RTF into the document (replacing its contents). Tolerant of what word processors
// write: groups it does not know ("{\*\...}", style sheets, list tables, pictures, document
// information) are skipped and their text left out; "\'xx" bytes are read in the code page of
// the run's font or of "\ansicpg". Returns false when the bytes are not RTF at all.
bool read(QTextDocument& document, const QByteArray& bytes);

// A simple document as RTF: a centred bold title (when not empty), then the paragraphs; a
// paragraph starting with "- " becomes a bullet item. For delivered texts (help, licence).
QByteArray fromParagraphs(const QString& title, const QStringList& paragraphs, double pointSize = 11);

// File helpers; `error` gets a Hungarian message naming the path.
bool save(const QTextDocument& document, const QString& path, QString* error = nullptr);
bool load(QTextDocument& document, const QString& path, QString* error = nullptr);

} // namespace zentar::platform::rtf
