#pragma once

#include "tools/lir-settings/ExitCode.h"

#include <QString>
#include <QStringList>
#include <memory>

class QCoreApplication;
class QTextStream;
class ToolCommand;

// The command-line tool `lir-settings`: runs the editor's own document code
// without a window. Each command is a ToolCommand of its own.
class SettingsTool
{
public:
    static int run(int argc, char** argv);

private:
    static void printUsage(QTextStream& stream);
    // Lets the commands that need the main window run without a display.
    static void chooseOffscreenPlatform();
    // The application object, built without the user's arguments.
    static std::unique_ptr<QCoreApplication> createApplication(bool needsGui, char** argv);
    // `args` are the arguments after the program's name.
    static ExitCode runCommand(const QStringList& args, ToolCommand* command);
};
