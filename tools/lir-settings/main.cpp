#include "tools/lir-settings/SettingsTool.h"

int main(int argc, char** argv)
{
    return SettingsTool::run(argc, argv);
}
