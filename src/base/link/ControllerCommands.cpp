#include "link/ControllerCommands.h"

#include "dialogs/UserDialogs.h"
#include "link/ControllerLink.h"
#include "link/LinkFrame.h"
#include "link/LinkMessages.h"

#include <QSerialPort>

ControllerCommands::ControllerCommands(TransferObserver* observer, OpenFailure openFailure)
    : m_Observer(observer), m_OpenFailure(openFailure)
{
}

ControllerCommands::Result ControllerCommands::readVersion(const ControllerPort& controllerPort,
                                                           quint16& version)
{
    QSerialPort port;
    return openPort(port, controllerPort) ? readVersion(port, version) : Result::PortNotOpened;
}

ControllerCommands::Result ControllerCommands::readDocument(const ControllerPort& controllerPort,
                                                            QByteArray& text)
{
    QSerialPort port;
    return openPort(port, controllerPort) ? readDocument(port, text) : Result::PortNotOpened;
}

ControllerCommands::Result ControllerCommands::writeDocument(const ControllerPort& controllerPort,
                                                             const QByteArray& text,
                                                             quint8 formatVerMaj)
{
    QSerialPort port;
    return openPort(port, controllerPort) ? writeDocument(port, text, formatVerMaj)
                                          : Result::PortNotOpened;
}

ControllerCommands::Result ControllerCommands::readVersion(QIODevice& port, quint16& version)
{
    ControllerLink link(port, m_Observer);
    return versionExchange(link, version);
}

ControllerCommands::Result ControllerCommands::readDocument(QIODevice& port, QByteArray& text)
{
    ControllerLink link(port, m_Observer);
    quint16 version = 0;
    const Result versionResult = versionExchange(link, version);
    if (versionResult != Result::Done)
        return versionResult;
    QByteArray reply;
    if (!link.exchange(cmdReadSettings, QByteArray(), reply))
        return linkFailure(link);
    const QByteArray received = documentText(ControllerLink::payloadOf(reply));
    if (received.isEmpty()) {
        LinkMessages::show(LinkMessages::noDocumentFromController());
        return Result::NoDocument;
    }
    text = received;
    return Result::Done;
}

ControllerCommands::Result
ControllerCommands::writeDocument(QIODevice& port, const QByteArray& text, quint8 formatVerMaj)
{
    ControllerLink link(port, m_Observer);
    quint16 version = 0;
    const Result versionResult = versionExchange(link, version);
    if (versionResult != Result::Done)
        return versionResult;
    if (version != quint16(formatVerMaj)) {
        LinkMessages::show(LinkMessages::versionMismatch());
        return Result::VersionMismatch;
    }
    QByteArray reply;
    if (!link.exchange(cmdWriteSettings, text + QByteArray(1, '\0'), reply))
        return linkFailure(link);
    return Result::Done;
}

bool ControllerCommands::openPort(QSerialPort& port, const ControllerPort& controllerPort) const
{
    if (controllerPort.open(port))
        return true;
    QString text = controllerPort.displayName();
    if (m_OpenFailure == OpenFailure::WithReason && port.error() != QSerialPort::NoError)
        text += QStringLiteral(": ") + port.errorString();
    UserDialogs::about(nullptr, openFailureTitle(), text);
    return false;
}

QString ControllerCommands::openFailureTitle()
{
    return QStringLiteral("Ошибка Открытия порта");
}

ControllerCommands::Result ControllerCommands::versionExchange(ControllerLink& link,
                                                               quint16& version)
{
    QByteArray reply;
    if (!link.exchange(cmdGetVersion, QByteArray(), reply))
        return linkFailure(link);
    version = ControllerLink::versionOf(reply);
    return Result::Done;
}

ControllerCommands::Result ControllerCommands::linkFailure(const ControllerLink& link) const
{
    return link.wasCancelled() ? Result::Cancelled : Result::LinkFailed;
}

QByteArray ControllerCommands::documentText(const QByteArray& payload)
{
    // The controller closes the text with a zero byte. A payload without it
    // is handed over whole rather than losing its last character.
    return payload.endsWith('\0') ? payload.left(payload.size() - 1) : payload;
}
