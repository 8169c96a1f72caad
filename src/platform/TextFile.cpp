#include "platform/TextFile.h"

#include "platform/Windows1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zentar::platform {

bool writeTextFile(const QString& path, const QStringList& lines, QString* error)
{
    TextFileWriter writer(path);
    for (const QString& line : lines)
        writer.writeLine(line);
    return writer.commit(error);
}

TextFileWriter::TextFileWriter(const QString& path) : path_(path), file_(new QSaveFile(path))
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    failed_ = !file_->open(QIODevice::WriteOnly);
}

TextFileWriter::~TextFileWriter()
{
    // Not committed: the old file stays as it was.
    delete file_;
}

void TextFileWriter::writeLine(const QString& line)
{
    buffer_ += encodeWindows1250(line);
    buffer_ += "\r\n";
    if (buffer_.size() >= 1 << 16)
        flush();
}

void TextFileWriter::flush()
{
    if (!failed_ && file_->write(buffer_) != buffer_.size())
        failed_ = true;
    buffer_.clear();
}

bool TextFileWriter::commit(QString* error)
{
    flush();
    if (failed_ || !file_->commit()) {
        if (error)
            *error = QStringLiteral("A fájl nem írható: %1 (%2)").arg(QDir::toNativeSeparators(path_), file_->errorString());
        failed_ = true;
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
