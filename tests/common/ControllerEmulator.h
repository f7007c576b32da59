#pragma once

#include "link/ControllerPort.h"

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

// lir-controller-sim run for one test: started on a pseudo-terminal with a
// document file, stopped by its destructor.
class ControllerEmulator
{
public:
    enum class Start
    {
        Running,
        NoPseudoTerminal, // the system gives no pseudo-terminal: the test skips
        Failed
    };

    ControllerEmulator() = default;
    ~ControllerEmulator();
    ControllerEmulator(const ControllerEmulator&) = delete;
    ControllerEmulator& operator=(const ControllerEmulator&) = delete;

    Start start(const QString& documentPath, const QStringList& options = QStringList());
    QString devicePath() const { return m_DevicePath; }
    // What the editor's port choice shows for the pseudo-terminal.
    QString entryText() const;
    // Why the start failed.
    QString failure() const { return m_Failure; }

    // The command codes of the requests the emulator has taken so far.
    QList<int> requests();
    // Every line the emulator has logged so far.
    QStringList log();
    // Ends the emulator by SIGKILL, as a crash would.
    void kill();

private:
    QProcess m_Process;
    QString m_DevicePath;
    QString m_Failure;
    QStringList m_Log;
};

// Starts `emulator` or ends the calling test: skipped when no
// pseudo-terminal can be had, failed otherwise.
#define START_EMULATOR(emulator, document, options)                                                \
    do {                                                                                           \
        const ControllerEmulator::Start started_ = (emulator).start((document), (options));        \
        if (started_ == ControllerEmulator::Start::NoPseudoTerminal)                               \
            QSKIP("no pseudo-terminal can be had on this system");                                 \
        QVERIFY2(started_ == ControllerEmulator::Start::Running,                                   \
                 qPrintable((emulator).failure()));                                                \
    } while (false)

// Starts the emulator and makes its pseudo-terminal the only port the editor
// lists.
#define START_EMULATOR_AS_PORT(emulator, document, options)                                        \
    START_EMULATOR(emulator, document, options);                                                   \
    ControllerPort::setDeviceOverride({(emulator).devicePath()})
