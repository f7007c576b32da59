#include "tools/lir-settings/StandardOutputDevice.h"

#include "document/OutputFile.h"

#include <QByteArray>

StandardOutputDevice::StandardOutputDevice()
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 StandardOutputDevice::readData(char*, qint64)
{
    return -1;
}

qint64 StandardOutputDevice::writeData(const char* data, qint64 size)
{
    QString reason;
    if (OutputFile::write(QStringLiteral("-"), QByteArray::fromRawData(data, int(size)), reason))
        return size;
    setErrorString(reason);
    return -1;
}
