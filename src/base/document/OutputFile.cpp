#include "document/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool OutputFile::write(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInto(fileName, bytes, reason);
    return replace(fileName, bytes, reason);
}

bool OutputFile::replace(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    QSaveFile file(fileName);
    // Writing in place would leave a half-written file behind a failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool OutputFile::writeInto(const QString& fileName, const QByteArray& bytes, QString& reason)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = file.errorString();
        return false;
    }
    return writeAll(file, bytes, reason);
}

bool OutputFile::writeAll(QFileDevice& file, const QByteArray& bytes, QString& reason)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            reason = file.errorString();
            return false;
        }
        written += count;
    }
    return true;
}
