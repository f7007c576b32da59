#include "document/OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {
QByteArray encoded(const QString& fileName)
{
    return QFile::encodeName(fileName);
}

// The size a listing or value of extended attributes needs; -1 on failure.
template <typename Call> ssize_t sized(Call call, std::vector<char>& buffer)
{
    const ssize_t size = call(nullptr, 0);
    if (size <= 0)
        return size;
    buffer.resize(size_t(size));
    return call(buffer.data(), buffer.size());
}
} // namespace

bool OutputFile::write(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    const int stream = streamDescriptor(fileName);
    if (stream >= 0)
        return writeAll(stream, bytes, reason);
    QString target;
    if (!finalTarget(fileName, target, reason))
        return false;
    struct stat old = {};
    if (stat(encoded(target).constData(), &old) != 0)
        return errno == ENOENT ? replace(target, nullptr, bytes, reason) : failed(reason);
    if (S_ISDIR(old.st_mode)) {
        reason = QCoreApplication::translate("QSaveFile", "Filename refers to a directory");
        return false;
    }
    if (!S_ISREG(old.st_mode))
        return writeInto(target, bytes, reason);
    if (old.st_nlink > 1) {
        reason = QStringLiteral("у файла несколько имён (жёстких ссылок: %1), замена разделила бы "
                                "их; запишите в другой файл и скопируйте его поверх")
                     .arg(old.st_nlink);
        return false;
    }
    return replace(target, &old, bytes, reason);
}

bool OutputFile::isSameFile(const QString& input, const QString& output)
{
    struct stat in = {};
    struct stat out = {};
    // As an input, "-" is standard input.
    const bool inputFound = input == QLatin1String("-")
                                ? fstat(STDIN_FILENO, &in) == 0
                                : stat(encoded(input).constData(), &in) == 0;
    return inputFound && statusOf(output, out) && S_ISREG(out.st_mode) && in.st_dev == out.st_dev &&
           in.st_ino == out.st_ino;
}

// Qt's own words where it has them (translated like every reason Qt gives
// once the program installs its Russian translation); for the other
// failures of a write, the system's wording in Russian, as the messages
// around them are; anything else as the C library words it.
QString OutputFile::systemReason(int error)
{
    switch (error) {
    case EACCES:
        return QCoreApplication::translate("QIODevice", "Permission denied");
    case EMFILE:
        return QCoreApplication::translate("QIODevice", "Too many open files");
    case ENOENT:
        return QCoreApplication::translate("QIODevice", "No such file or directory");
    case ENOSPC:
        return QCoreApplication::translate("QIODevice", "No space left on device");
    case EPIPE:
        return QStringLiteral("Обрыв канала (читающая сторона закрыта)");
    case EROFS:
        return QStringLiteral("Файловая система доступна только для чтения");
    case EDQUOT:
        return QStringLiteral("Превышена дисковая квота");
    case EFBIG:
        return QStringLiteral("Файл слишком велик");
    case EIO:
        return QStringLiteral("Ошибка ввода/вывода");
    case ENOTDIR:
        return QStringLiteral("Не является каталогом");
    case ELOOP:
        return QStringLiteral("Слишком много уровней символьных ссылок");
    case EBADF:
        return QStringLiteral("Неверный дескриптор файла");
    case ENXIO:
        return QStringLiteral("Нет такого устройства или адреса");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя файла");
    default:
        return QString::fromLocal8Bit(strerror(error));
    }
}

int OutputFile::streamDescriptor(const QString& fileName)
{
    if (fileName == QLatin1String("-") || fileName == QLatin1String("/dev/stdout"))
        return STDOUT_FILENO;
    if (fileName == QLatin1String("/dev/stderr"))
        return STDERR_FILENO;
    static const QRegularExpression numbered(QStringLiteral("^/(dev|proc/self)/fd/(\\d{1,9})$"));
    const QRegularExpressionMatch match = numbered.match(fileName);
    return match.hasMatch() ? match.captured(2).toInt() : -1;
}

bool OutputFile::statusOf(const QString& fileName, struct stat& status)
{
    const int stream = streamDescriptor(fileName);
    if (stream >= 0)
        return fstat(stream, &status) == 0;
    return stat(encoded(fileName).constData(), &status) == 0;
}

// A symbolic link stays a link: the file it ends in is the one replaced.
bool OutputFile::finalTarget(const QString& fileName, QString& target, QString& reason)
{
    target = fileName;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo link(target);
        if (!link.isSymLink())
            return true;
        char next[PATH_MAX];
        const ssize_t size = readlink(encoded(target).constData(), next, sizeof next);
        if (size < 0)
            return failed(reason);
        const QString linked = QFile::decodeName(QByteArray(next, int(size)));
        target = QDir::isAbsolutePath(linked) ? linked : link.absolutePath() + '/' + linked;
    }
    reason = systemReason(ELOOP);
    return false;
}

bool OutputFile::writeInto(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    const int descriptor = open(encoded(fileName).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return failed(reason);
    bool done = writeAll(descriptor, bytes, reason);
    if (close(descriptor) != 0 && done)
        done = failed(reason);
    return done;
}

bool OutputFile::replace(const QString& fileName, const struct stat* old, const QByteArray& bytes,
                         QString& reason)
{
    // As for any writer, a file its user may not write is not replaced
    // (root may write every file).
    if (old && access(encoded(fileName).constData(), W_OK) != 0)
        return failed(reason);
    QString temporary;
    const int descriptor = createTemporary(fileName, old != nullptr, temporary, reason);
    if (descriptor < 0)
        return false;
    bool done = writeAll(descriptor, bytes, reason) &&
                (!old || keepAttributes(descriptor, fileName, *old, reason));
    if (done && fsync(descriptor) != 0)
        done = failed(reason);
    if (close(descriptor) != 0 && done)
        done = failed(reason);
    if (done && rename(encoded(temporary).constData(), encoded(fileName).constData()) != 0)
        done = failed(reason);
    if (!done)
        unlink(encoded(temporary).constData());
    return done;
}

// Beside the target, so that the rename stays within one file system. A
// new file gets the mode the user's umask gives; the temporary file of an
// existing one is private until it has the old file's mode.
int OutputFile::createTemporary(const QString& fileName, bool existing, QString& temporary,
                                QString& reason)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = fileName + QStringLiteral(".%1.new").arg(QRandomGenerator::global()->generate(),
                                                             8, 16, QLatin1Char('0'));
        const int descriptor =
            open(encoded(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                 existing ? 0600 : 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor >= 0 ? descriptor : (failed(reason), -1);
    }
    failed(reason);
    return -1;
}

// The owner first: a change of owner clears the set-user-ID and
// set-group-ID bits, which the mode then restores. Only root may give a
// file away; anyone else's copy becomes theirs, as with any editor.
bool OutputFile::keepAttributes(int descriptor, const QString& fileName, const struct stat& old,
                                QString& reason)
{
    if (fchown(descriptor, old.st_uid, old.st_gid) != 0 && errno != EPERM)
        return failed(reason);
    if (fchmod(descriptor, old.st_mode & 07777) != 0)
        return failed(reason);
    return copyExtendedAttributes(descriptor, fileName, reason);
}

// Attributes of a namespace the user may not set (trusted.*, some
// security.* for anyone but root) are left out; any other failure fails.
bool OutputFile::copyExtendedAttributes(int descriptor, const QString& fileName, QString& reason)
{
    const QByteArray path = encoded(fileName);
    std::vector<char> names;
    const ssize_t listed = sized(
        [&](char* data, size_t size) { return listxattr(path.constData(), data, size); }, names);
    if (listed < 0)
        return errno == ENOTSUP ? true : failed(reason);
    for (ssize_t at = 0; at < listed; at += ssize_t(strlen(names.data() + at)) + 1) {
        const char* name = names.data() + at;
        std::vector<char> value;
        const ssize_t size = sized(
            [&](char* data, size_t room) { return getxattr(path.constData(), name, data, room); },
            value);
        if (size < 0)
            return failed(reason);
        if (fsetxattr(descriptor, name, value.data(), size_t(size), 0) != 0 && errno != EPERM &&
            errno != ENOTSUP)
            return failed(reason);
    }
    return true;
}

bool OutputFile::writeAll(int descriptor, const QByteArray& bytes, QString& reason)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0)
            errno = EIO;
        if (count <= 0)
            return failed(reason);
        written += count;
    }
    return true;
}

bool OutputFile::failed(QString& reason)
{
    reason = systemReason(errno);
    return false;
}
