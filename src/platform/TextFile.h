#pragma once

#include <QString>
#include <QStringList>

namespace zentar::platform {

// The program's text files: Windows-1250, CR LF line ends, the file replaced on every run
// (written to a temporary file and renamed, so a failed run never leaves half a file).
// Returns false and fills `error` (a Hungarian message naming the path) when writing fails.
bool writeTextFile(const QString& path, const QStringList& lines, QString* error = nullptr);

// Reads a text file written in Windows-1250 (or UTF-8 when it starts with a UTF-8 byte-order
// mark); accepts CR LF and LF line ends. `ok` is false when the file cannot be read.
QStringList readTextFile(const QString& path, bool* ok = nullptr);

} // namespace zentar::platform
