#pragma once

#include <QIODevice>
#include <QList>
#include <QQueue>

// A scripted peer for the link code: records every byte written to it and
// lets bytes arrive as the script says, without real time passing. A wait
// for data takes the next step of the script; an empty script is silence.
class FakeLinkDevice : public QIODevice
{
    Q_OBJECT
public:
    explicit FakeLinkDevice(QObject* parent = nullptr);

    // Bytes readable at once, before anything is written.
    void makeAvailable(const QByteArray& bytes);
    // Bytes the peer sends as soon as the next write has happened (one write
    // takes one such step).
    void answerOnWrite(const QByteArray& bytes);
    // Bytes that arrive during the next wait for data.
    void arriveOnWait(const QByteArray& bytes);
    // Waits that end without data.
    void silence(int waits = 1);

    QByteArray written() const { return m_Written; }
    // The time-out of every wait for data, in order.
    QList<int> waits() const { return m_Waits; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool waitForReadyRead(int msecs) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    struct Step
    {
        enum Kind
        {
            OnWrite,
            OnWait,
            Silence
        } kind;
        QByteArray bytes;
    };

    void deliver(const QByteArray& bytes);

    QQueue<Step> m_Script;
    QByteArray m_Incoming;
    QByteArray m_Written;
    QList<int> m_Waits;
};
