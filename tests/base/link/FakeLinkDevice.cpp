#include "FakeLinkDevice.h"

#include <cstring>

FakeLinkDevice::FakeLinkDevice(QObject* parent) : QIODevice(parent)
{
    open(QIODevice::ReadWrite | QIODevice::Unbuffered);
}

void FakeLinkDevice::makeAvailable(const QByteArray& bytes)
{
    m_Incoming.append(bytes);
}

void FakeLinkDevice::answerOnWrite(const QByteArray& bytes)
{
    m_Script.enqueue({Step::OnWrite, bytes});
}

void FakeLinkDevice::arriveOnWait(const QByteArray& bytes)
{
    m_Script.enqueue({Step::OnWait, bytes});
}

void FakeLinkDevice::silence(int waits)
{
    for (int i = 0; i < waits; ++i)
        m_Script.enqueue({Step::Silence, QByteArray()});
}

qint64 FakeLinkDevice::bytesAvailable() const
{
    return m_Incoming.size() + QIODevice::bytesAvailable();
}

bool FakeLinkDevice::waitForReadyRead(int msecs)
{
    m_Waits.append(msecs);
    if (m_Script.isEmpty() || m_Script.head().kind == Step::OnWrite)
        return false;
    const Step step = m_Script.dequeue();
    if (step.kind == Step::Silence)
        return false;
    deliver(step.bytes);
    return true;
}

qint64 FakeLinkDevice::readData(char* data, qint64 maxSize)
{
    const qint64 count = qMin<qint64>(maxSize, m_Incoming.size());
    std::memcpy(data, m_Incoming.constData(), size_t(count));
    m_Incoming.remove(0, int(count));
    return count;
}

qint64 FakeLinkDevice::writeData(const char* data, qint64 size)
{
    m_Written.append(data, int(size));
    if (!m_Script.isEmpty() && m_Script.head().kind == Step::OnWrite)
        deliver(m_Script.dequeue().bytes);
    return size;
}

void FakeLinkDevice::deliver(const QByteArray& bytes)
{
    m_Incoming.append(bytes);
    emit readyRead();
}
