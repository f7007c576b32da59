#pragma once

#include "tools/lir-settings/ExitCode.h"

#include <QString>

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
    static ExitCode runCommand(int& argc, char** argv, ToolCommand* command);
};
