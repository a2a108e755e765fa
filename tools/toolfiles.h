#pragma once

#include "model/messages.h"

#include <QIODevice>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace kinrow {

// Why a family file cannot be read ("no such file", "is a folder", "is a FIFO", ...); empty
// when it is a regular file, or a link to one.
QString UnreadableReason(const QString& path);

// Whether two names lead to the same file: the same canonical path, or the same device and
// inode (a hard link, a symbolic link, another spelling).
bool SameFile(const QString& a, const QString& b);

// Why output may not be written, empty when it may: it is one of the files the command read,
// or it exists and is not a regular file (a folder, a device, a FIFO, a socket). The text
// names the path and the reason.
QString RefusedOutput(const QString& output, const QStringList& readFiles);

// The text for a write into path that failed with the file system's reason: a full disk says
// so, and a reason the system did not give is not shown as "Unknown error".
QString WriteFailureText(const QString& path, const QString& reason, qint64 bytes, Lang lang);

// A file written in full into a temporary file beside path, then renamed into place; until
// commit() succeeds the file at path stays as it was. Every write is checked, so a short write
// (a full disk) fails the whole file instead of leaving it cut short.
class OutputFile
{
public:
    explicit OutputFile(const QString& path, Lang lang = Lang::English);
    ~OutputFile();

    // Opens the temporary file; the error text when it cannot be opened, else empty.
    QString open();
    // The device to write into; valid after open().
    QIODevice& device();
    // Puts the file into place; the error text, empty when the file is written. failure is
    // the writer's own complaint (a painter that could not finish), which discards the file.
    QString commit(const QString& failure = QString());

private:
    class Checked;
    QString path_;
    Lang lang_;
    QSaveFile file_;
    std::unique_ptr<Checked> checked_;
};

// Writes path through an OutputFile with write, which returns its own complaint (empty when it
// wrote everything); the error text, empty when the file is in place.
QString WriteOutputFile(const QString& path, Lang lang,
                        const std::function<QString(QIODevice&)>& write);
// Writes bytes to path through an OutputFile; the error text, empty when written.
QString WriteOutputFile(const QString& path, const QByteArray& bytes, Lang lang = Lang::English);

} // namespace kinrow
