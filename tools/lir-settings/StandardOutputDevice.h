#pragma once

#include <QIODevice>

// Standard output as a device for the tool's text stream, written with the
// system's calls: a failed write (a full disk, a closed pipe) is kept with
// the system's reason instead of being lost in the C library's buffer.
class StandardOutputDevice : public QIODevice
{
public:
    StandardOutputDevice();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;
};
