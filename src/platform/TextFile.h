#pragma once

#include <QString>
#include <QStringList>

class QSaveFile;

namespace zentar::platform {

// The program's text files: Windows-1250, CR LF line ends, the file replaced on every run
// (written to a temporary file and renamed, so a failed run never leaves half a file).
// Returns false and fills `error` (a Hungarian message naming the path) when writing fails.
bool writeTextFile(const QString& path, const QStringList& lines, QString* error = nullptr);

// Reads a text file written in Windows-1250 (or UTF-8 when it starts with a UTF-8 byte-order
// mark); accepts CR LF and LF line ends. `ok` is false when the file cannot be read.
QStringList readTextFile(const QString& path, bool* ok = nullptr);

} // namespace zentar::platform

namespace zentar::platform {

// The same file format written line by line, for exports too big to hold as a list of lines.
// Nothing replaces the old file until commit() succeeds.
//
//   TextFileWriter out(ctx.folders.exportFile("konyv.txt"));
//   for (...) out.writeLine(line);
//   if (!out.commit(&error)) ctx.dialogs.error(error);
class TextFileWriter {
public:
    explicit TextFileWriter(const QString& path);
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    const QString& path() const { return path_; }
    void writeLine(const QString& line);
    // Writes what is left and replaces the file; false (with `error`) when anything failed.
    bool commit(QString* error = nullptr);

private:
    void flush();

    QString path_;
    QSaveFile* file_;
    QByteArray buffer_;
    bool failed_ = false;
};

} // namespace zentar::platform
