#pragma once

// The command-line tool `lir-settings`: runs the editor's own document code
// without a window. Commands are added by their subsystems.
class SettingsTool
{
public:
    static int run(int argc, char** argv);
};
