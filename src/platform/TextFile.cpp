#include "platform/TextFile.h"

#include "platform/Windows1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zentar::platform {

bool writeTextFile(const QString& path, const QStringList& lines, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("A fájl nem írható: %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encodeWindows1250(line);
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("A fájl nem írható: %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

QStringList readTextFile(const QString& path, bool* ok)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    QByteArray bytes = file.readAll();
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text = QString::fromUtf8(bytes.mid(3));
    else
        text = decodeWindows1250(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (ok)
        *ok = true;
    return lines;
}

} // namespace zentar::platform
