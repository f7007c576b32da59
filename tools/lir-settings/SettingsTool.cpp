#include "tools/lir-settings/SettingsTool.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {
const char* const kUsage =
    "Usage: lir-settings COMMAND [ARGS]\n"
    "\n"
    "Works on ЛИР-1/ЛИР-2 settings documents with the editor's own code.\n"
    "\n"
    "Options:\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n";
}

int SettingsTool::run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = application.arguments().mid(1);
    if (args.isEmpty()) {
        err << kUsage;
        return 2;
    }
    if (args.first() == QLatin1String("--help")) {
        out << kUsage;
        return 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "lir-settings 1.0\n";
        return 0;
    }
    err << "lir-settings: unknown command " << args.first() << "\n" << kUsage;
    return 2;
}
