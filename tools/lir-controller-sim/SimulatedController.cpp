#include "tools/lir-controller-sim/SimulatedController.h"

#include "document/OutputFile.h"
#include "document/ValueCodec.h"
#include "link/Crc16.h"
#include "link/LinkFrame.h"

#include <QDomDocument>
#include <QFile>

namespace {
enum ControllerStatus : quint8
{
    statusOk = 0,
    statusBadChecksum = 1,
    statusUnknownCommand = 2,
    statusBadDocument = 3,
    statusNotStored = 4
};
} // namespace

SimulatedController::SimulatedController(const SimulatorOptions& options) : m_Options(options) {}

QList<SimulatedController::Answer> SimulatedController::feed(const QByteArray& bytes)
{
    m_Pending.append(bytes);
    QList<Answer> answers;
    QByteArray frame;
    while (takeFrame(frame))
        answers.append(answer(frame));
    return answers;
}

bool SimulatedController::takeFrame(QByteArray& frame)
{
    for (;;) {
        // Anything before the start bytes is line noise.
        const int start = m_Pending.indexOf(QByteArray("->"));
        if (start < 0) {
            m_Pending = m_Pending.right(1) == "-" ? QByteArray("-") : QByteArray();
            return false;
        }
        m_Pending.remove(0, start);
        if (m_Pending.size() < LinkFrame::kRequestHeaderSize)
            return false;
        const quint32 length = LinkFrame::readUInt32(m_Pending, LinkFrame::kRequestLengthOffset);
        if (length > LinkFrame::kMaxPayloadLength) {
            m_Pending.remove(0, 1);
            continue;
        }
        const int size = LinkFrame::kRequestHeaderSize + int(length) + LinkFrame::kChecksumSize;
        if (m_Pending.size() < size)
            return false;
        frame = m_Pending.left(size);
        m_Pending.remove(0, size);
        return true;
    }
}

SimulatedController::Answer SimulatedController::answer(const QByteArray& frame)
{
    Answer result;
    result.command = quint8(frame.at(2));
    const QByteArray payload =
        frame.mid(LinkFrame::kRequestHeaderSize,
                  frame.size() - LinkFrame::kRequestHeaderSize - LinkFrame::kChecksumSize);
    result.log << QStringLiteral("request %1 length %2").arg(result.command).arg(payload.size());
    const bool faulty = m_Options.faultsApplyTo(result.command);
    const quint16 checksum = crc16(frame.constData(), frame.size() - LinkFrame::kChecksumSize);
    QByteArray replyPayload;
    quint8 status = statusBadChecksum;
    if (checksum == LinkFrame::readUInt16(frame, frame.size() - LinkFrame::kChecksumSize) &&
        frame.at(3) == '\0')
        status = serve(result.command, payload, faulty, replyPayload, result.log);
    if (faulty && m_Options.silent) {
        result.silent = true;
        result.log << QStringLiteral("silent %1").arg(result.command);
        return result;
    }
    if (faulty && m_Options.status != 0) {
        status = quint8(m_Options.status);
        replyPayload.clear();
    }
    result.reply = LinkFrame::reply(result.command, status, replyPayload);
    if (faulty) {
        result.reply = withFaults(result.reply);
        result.killAfterReply = m_Options.killAfter >= 0;
    }
    result.log << QStringLiteral("reply %1 status %2 length %3")
                      .arg(result.command)
                      .arg(status)
                      .arg(replyPayload.size());
    return result;
}

quint8 SimulatedController::serve(quint8 command, const QByteArray& payload, bool faulty,
                                  QByteArray& replyPayload, QStringList& log)
{
    switch (command) {
    case cmdGetVersion:
        LinkFrame::appendUInt16(replyPayload, version());
        return statusOk;
    case cmdReadSettings:
        replyPayload = documentBytes();
        if (!replyPayload.isEmpty())
            replyPayload.append('\0');
        return statusOk;
    case cmdWriteSettings:
        // The document is stored unless the faults spoil the reply (the
        // bare header and checksum), so that a write the editor takes as
        // done is always stored.
        if (!faulty ||
            !m_Options.spoilsReply(LinkFrame::kReplyHeaderSize + LinkFrame::kChecksumSize))
            return store(payload, log);
        log << QStringLiteral("not stored: fault injected");
        return statusOk;
    default:
        return statusUnknownCommand;
    }
}

QByteArray SimulatedController::documentBytes() const
{
    QFile file(m_Options.documentPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 SimulatedController::version() const
{
    if (m_Options.controllerVersion >= 0)
        return quint16(m_Options.controllerVersion);
    QDomDocument document;
    if (!document.setContent(documentBytes()))
        return 0;
    return ValueCodec::formatVersionByte(
        document.documentElement().attribute(QStringLiteral("formatVerMaj")));
}

quint8 SimulatedController::store(const QByteArray& payload, QStringList& log)
{
    QByteArray text = payload.endsWith('\0') ? payload.left(payload.size() - 1) : payload;
    QDomDocument document;
    if (!document.setContent(text)) {
        log << QStringLiteral("refused: not well-formed XML");
        return statusBadDocument;
    }
    QDomElement first = document.elementsByTagName(QStringLiteral("signal")).item(0).toElement();
    if (!m_Options.storedValue.isEmpty() && !first.isNull()) {
        first.setAttribute(QStringLiteral("value"), m_Options.storedValue);
        text = document.toString(4).toUtf8();
        log << QStringLiteral("changed the first value to %1").arg(m_Options.storedValue);
    }
    QString reason;
    if (!OutputFile::write(m_Options.documentPath, text, reason)) {
        log << QStringLiteral("refused: cannot store %1: %2").arg(m_Options.documentPath, reason);
        return statusNotStored;
    }
    log << QStringLiteral("stored %1 bytes").arg(text.size());
    return statusOk;
}

QByteArray SimulatedController::withFaults(QByteArray reply) const
{
    // Header faults get a checksum that fits them, so that each fault shows
    // on its own.
    reply.chop(LinkFrame::kChecksumSize);
    if (m_Options.wrongStart) {
        reply[0] = LinkFrame::kRequestStart1;
        reply[1] = LinkFrame::kRequestStart2;
    }
    if (m_Options.wrongCommand >= 0)
        reply[2] = char(m_Options.wrongCommand);
    if (m_Options.hugeLength) {
        for (int i = 0; i < 4; ++i)
            reply[LinkFrame::kReplyLengthOffset + i] = char(0xFF);
    }
    LinkFrame::appendChecksum(reply);
    if (m_Options.badChecksum) {
        const int last = reply.size() - 1;
        reply[last] = char(reply.at(last) ^ 0xFF);
        reply[last - 1] = char(reply.at(last - 1) ^ 0xFF);
    }
    reply.append(QByteArray(m_Options.trailingBytes, char(0xA5)));
    if (m_Options.cutAfter >= 0)
        reply = reply.left(m_Options.cutAfter);
    if (m_Options.killAfter >= 0)
        reply = reply.left(m_Options.killAfter);
    return reply;
}
