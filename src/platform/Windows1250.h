#pragma once

#include <QByteArray>
#include <QString>

namespace zentar::platform {

// The Windows-1250 code page of the program's text files. A character the code page cannot
// hold is written as "?", so a file is never broken by one odd letter.
QByteArray encodeWindows1250(const QString& text);
QString decodeWindows1250(const QByteArray& bytes);

} // namespace zentar::platform
