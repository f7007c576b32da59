#pragma once

#include <QString>
#include <QStringList>

// The command line of lir-controller-sim.
class SimulatorOptions
{
public:
    // Reads the arguments (without the program name). False with `error`
    // set when they are not usable.
    bool parse(const QStringList& arguments, QString& error);
    static QString helpText();

    // True when the injected faults apply to a reply to `command`.
    bool faultsApplyTo(quint8 command) const;
    bool hasFaults() const;
    // True when the faults change a reply of `replySize` bytes; a cut or a
    // death at or past its end does not.
    bool spoilsReply(int replySize) const;

    bool help = false;
    bool version = false;
    QString documentPath;
    QString devicePath;         // empty: create a pseudo-terminal
    QString linkPath;           // empty: no symbolic link to the line
    QString storedValue;        // not empty: the first setting's value as stored
    int controllerVersion = -1; // -1: the document's formatVerMaj
    bool silent = false;
    int status = 0;
    int wrongCommand = -1;
    bool wrongStart = false;
    bool badChecksum = false;
    int trailingBytes = 0;
    bool hugeLength = false;
    int cutAfter = -1;  // -1: the whole reply
    int killAfter = -1; // -1: never
    int splitSize = 0;
    int pauseMs = 0;
    int baud = 0;         // 0: no pacing
    int faultCommand = 0; // 0: every command
    int exitAfter = 0;    // 0: never
    bool ignoreStdin = false;

private:
    bool parseOption(const QString& argument, const QString& value, bool& takesValue,
                     QString& error);
};
