#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes the files people keep: a regular file, or a new one, is replaced as
// a whole through a temporary file beside it, or left as it was when any
// step fails; a device or a pipe (/dev/null, a FIFO, /dev/stdout) is written
// into directly, as replacing it would destroy it. On failure `reason` is
// the system's reason.
class OutputFile
{
public:
    static bool write(const QString& fileName, const QByteArray& bytes, QString& reason);

private:
    static bool replace(const QString& fileName, const QByteArray& bytes, QString& reason);
    static bool writeInto(const QString& fileName, const QByteArray& bytes, QString& reason);
    // Unbuffered, so that a short write (a full disk) shows at once with the
    // system's reason instead of being lost in a buffer that the close
    // flushes without a word.
    static bool writeAll(QFileDevice& file, const QByteArray& bytes, QString& reason);
};
