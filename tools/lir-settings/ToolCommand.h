#pragma once

#include "tools/lir-settings/ExitCode.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QTextStream;

// One command of `lir-settings` ("check", ...). Each command is a class in
// its own file that registers itself with LIR_TOOL_COMMAND, so adding a
// command touches no other file.
class ToolCommand
{
public:
    using Factory = std::function<std::unique_ptr<ToolCommand>()>;

    virtual ~ToolCommand();

    // The word that selects the command.
    virtual QString name() const = 0;
    // The arguments as shown in the help, e.g. "FILE...".
    virtual QString arguments() const = 0;
    // One line for the help.
    virtual QString summary() const = 0;
    // What `lir-settings NAME --help` prints below the usage line: what the
    // command does and its exit codes.
    virtual QString help() const = 0;
    // Commands that lay out text (the report) need fonts and with them a
    // QGuiApplication; the others run on a QCoreApplication.
    virtual bool needsGui() const { return false; }
    // Runs with the arguments after the command word.
    virtual ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) = 0;

    static int add(Factory create);
    // A new instance of every registered command, ordered by name.
    static std::vector<std::unique_ptr<ToolCommand>> all();
    // A new instance of the command named `name`, or none.
    static std::unique_ptr<ToolCommand> create(const QString& name);

private:
    static std::vector<Factory>& factories();
};

#define LIR_TOOL_COMMAND(ClassName)                                                                \
    static const int ClassName##_registered =                                                      \
        ToolCommand::add([] { return std::unique_ptr<ToolCommand>(new ClassName); });
