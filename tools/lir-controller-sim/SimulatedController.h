#pragma once

#include "tools/lir-controller-sim/SimulatorOptions.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The controller's side of the protocol: collects request frames from the
// line and answers them from the document file, with the faults the options
// ask for.
class SimulatedController
{
public:
    struct Answer
    {
        quint8 command = 0;
        bool silent = false;
        bool killAfterReply = false; // the emulator dies once the reply is sent
        QByteArray reply;
        QStringList log; // lines for standard output
    };

    explicit SimulatedController(const SimulatorOptions& options);

    // Takes bytes from the line; returns an answer for each complete request.
    QList<Answer> feed(const QByteArray& bytes);

private:
    bool takeFrame(QByteArray& frame);
    Answer answer(const QByteArray& frame);
    quint8 serve(quint8 command, const QByteArray& payload, bool faulty, QByteArray& replyPayload,
                 QStringList& log);
    QByteArray documentBytes() const;
    quint16 version() const;
    quint8 store(const QByteArray& payload, QStringList& log);
    QByteArray withFaults(QByteArray reply) const;

    const SimulatorOptions& m_Options;
    QByteArray m_Pending;
};
