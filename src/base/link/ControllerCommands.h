#pragma once

#include "link/ControllerPort.h"
#include <QByteArray>

class ControllerLink;
class QIODevice;
class QSerialPort;
class TransferObserver;

// The controller's side of the two menu commands and of the command-line
// tool: each run opens the port, runs its exchanges (the version first) and
// closes the port again on every path. Every failure has been reported to
// the user when a run returns, except a cancel, which is silent.
class ControllerCommands
{
public:
    enum class Result
    {
        Done,
        PortNotOpened,
        LinkFailed, // an exchange failed: time-out, header, status, checksum
        Cancelled,
        VersionMismatch,
        NoDocument // the controller sent an empty document
    };

    // What a port that cannot be opened is reported with.
    enum class OpenFailure
    {
        WithReason, // the port, then the system's reason
        PortOnly    // the port alone, as the editor's menu commands show it
    };

    explicit ControllerCommands(TransferObserver* observer = nullptr,
                                OpenFailure openFailure = OpenFailure::WithReason);

    // Each command on the chosen port, which it opens and closes.
    Result readVersion(const ControllerPort& controllerPort, quint16& version);
    // The controller's document text, without the zero byte that closes it.
    Result readDocument(const ControllerPort& controllerPort, QByteArray& text);
    // Writes `text` (the serialised document) after checking that the
    // controller carries settings version `formatVerMaj`.
    Result writeDocument(const ControllerPort& controllerPort, const QByteArray& text,
                         quint8 formatVerMaj);

    // The same commands on a port that is already open.
    Result readVersion(QIODevice& port, quint16& version);
    Result readDocument(QIODevice& port, QByteArray& text);
    Result writeDocument(QIODevice& port, const QByteArray& text, quint8 formatVerMaj);

    static QString openFailureTitle();

private:
    bool openPort(QSerialPort& port, const ControllerPort& controllerPort) const;
    Result versionExchange(ControllerLink& link, quint16& version);
    Result linkFailure(const ControllerLink& link) const;
    static QByteArray documentText(const QByteArray& payload);

    TransferObserver* m_Observer;
    OpenFailure m_OpenFailure;
};
