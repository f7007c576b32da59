// The controller's replies as the link receives and checks them: the input
// is what the controller sends, arriving in pieces whose sizes the first
// bytes of the input choose; a read ends with the check of the document the
// editor's load would make.
#include "FuzzSupport.h"

#include "document/DocumentParser.h"
#include "link/ControllerCommands.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QIODevice>

namespace {
// A serial line without time: each wait for data brings the next piece of
// the controller's bytes; when they are used up every wait ends in silence.
class FuzzPort : public QIODevice
{
public:
    FuzzPort(const QByteArray& incoming, quint32 seed) : m_Incoming(incoming), m_Random(seed)
    {
        open(QIODevice::ReadWrite);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override
    {
        return m_Available.size() + QIODevice::bytesAvailable();
    }
    bool waitForReadyRead(int) override
    {
        if (m_Next >= m_Incoming.size())
            return false;
        const int piece = m_Random.pieceSize(256);
        m_Available += m_Incoming.mid(m_Next, piece);
        m_Next += piece;
        return true;
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const int count = int(qMin<qint64>(maxSize, m_Available.size()));
        memcpy(data, m_Available.constData(), size_t(count));
        m_Available.remove(0, count);
        return count;
    }
    qint64 writeData(const char*, qint64 size) override { return size; }

private:
    QByteArray m_Incoming;
    QByteArray m_Available;
    int m_Next = 0;
    FuzzSupport::Random m_Random;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size)
{
    if (size < 5)
        return 0;
    // Byte 0 chooses the command, bytes 1 to 4 the pieces.
    const quint32 seed =
        quint32(data[1]) | quint32(data[2]) << 8 | quint32(data[3]) << 16 | quint32(data[4]) << 24;
    FuzzPort port(QByteArray(reinterpret_cast<const char*>(data) + 5, int(size) - 5), seed);
    ControllerCommands commands;
    if (data[0] & 1) {
        commands.writeDocument(port, QByteArray("<lir1Settings formatVerMaj=\"1\"/>"), 1);
        return 0;
    }
    QByteArray text;
    if (commands.readDocument(port, text) == ControllerCommands::Result::Done) {
        QDomDocument document;
        DocumentParser::parse(text, document);
    }
    return 0;
}
