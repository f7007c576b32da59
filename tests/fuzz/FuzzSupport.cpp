#include "FuzzSupport.h"

#include "dialogs/PrintingDialogs.h"

#include <QFile>
#include <QTextStream>

namespace FuzzSupport {

namespace {
void dropMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        qFatal("%s", qPrintable(message));
}
} // namespace

void silenceMessages()
{
    qInstallMessageHandler(dropMessage);
    static QFile nowhere(QStringLiteral("/dev/null"));
    nowhere.open(QIODevice::WriteOnly);
    static QTextStream out(&nowhere);
    static PrintingDialogs dialogs(out);
}

quint32 Random::next()
{
    // xorshift32
    m_State ^= m_State << 13;
    m_State ^= m_State >> 17;
    m_State ^= m_State << 5;
    return m_State;
}

} // namespace FuzzSupport
