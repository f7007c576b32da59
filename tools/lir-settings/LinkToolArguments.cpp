#include "tools/lir-settings/LinkToolArguments.h"

#include <QTextStream>

bool LinkToolArguments::parse(const QStringList& args, bool takesOutput, int positionalCount,
                              QTextStream& err)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& argument = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (argument == QLatin1String("--port") && hasValue) {
            port = args.at(++i);
        } else if (takesOutput && argument == QLatin1String("-o") && hasValue) {
            output = args.at(++i);
        } else if (takesWriteChecks && argument == QLatin1String("--verify")) {
            verify = true;
        } else if (takesWriteChecks && argument == QLatin1String("--backup") && hasValue) {
            backup = args.at(++i);
        } else if (argument.startsWith(QLatin1Char('-'))) {
            err << "lir-settings: unexpected argument " << argument << '\n';
            return false;
        } else {
            positionals.append(argument);
        }
    }
    if (port.isEmpty()) {
        err << "lir-settings: --port DEV is needed\n";
        return false;
    }
    if (positionals.size() != positionalCount) {
        err << "lir-settings: "
            << (positionalCount == 0 ? "no file expected\n" : "exactly one file expected\n");
        return false;
    }
    return true;
}
