#pragma once

#include <QByteArray>
#include <QString>

struct stat;

// Writes every file the programs produce. A regular file, or a new one, is
// replaced as a whole through a temporary file beside it, keeping the old
// file's owner, group, mode and extended attributes, or left exactly as it
// was when any step fails. A device or a pipe (/dev/null, a FIFO) is written
// into, as replacing it would destroy it. "-", /dev/stdout, /dev/stderr and
// /dev/fd/N are the process's own streams and are written into as they are
// open (appending stays appending). A symbolic link is written through. A
// regular file with more than one name (hard links) is refused: replacing
// it would part its names, and writing it in place could leave it half
// written. On failure `reason` is the system's reason.
class OutputFile
{
public:
    static bool write(const QString& fileName, const QByteArray& bytes, QString& reason);
    // True when the output `output` would overwrite the regular file
    // `input`: the same device and inode, whatever names or links lead
    // there.
    static bool isSameFile(const QString& input, const QString& output);
    // The system's reason for the error number `error`, in Qt's words.
    static QString systemReason(int error);

private:
    // The descriptor that "-" and the names of the process's streams stand
    // for; -1 for any other name.
    static int streamDescriptor(const QString& fileName);
    static bool statusOf(const QString& fileName, struct stat& status);
    static bool finalTarget(const QString& fileName, QString& target, QString& reason);
    static bool writeInto(const QString& fileName, const QByteArray& bytes, QString& reason);
    static bool replace(const QString& fileName, const struct stat* old, const QByteArray& bytes,
                        QString& reason);
    static int createTemporary(const QString& fileName, bool existing, QString& temporary,
                               QString& reason);
    static bool keepAttributes(int descriptor, const QString& fileName, const struct stat& old,
                               QString& reason);
    static bool copyExtendedAttributes(int descriptor, const QString& fileName, QString& reason);
    // Writes with the system's calls, unbuffered, so that a short write (a
    // full disk) shows at once with its reason instead of being lost in a
    // buffer that a close flushes without a word.
    static bool writeAll(int descriptor, const QByteArray& bytes, QString& reason);
    static bool failed(QString& reason);
};
