#include "tools/lir-settings/LinkToolArguments.h"

#include "tools/lir-settings/CommandArguments.h"

#include <QTextStream>

bool LinkToolArguments::parse(const QStringList& args, bool takesOutput, int positionalCount,
                              QTextStream& err)
{
    QStringList valued{QStringLiteral("--port")};
    QStringList flags;
    if (takesOutput)
        valued << QStringLiteral("-o");
    if (takesWriteChecks) {
        valued << QStringLiteral("--backup");
        flags << QStringLiteral("--verify");
    }
    CommandArguments arguments(flags, valued);
    QString problem;
    if (!arguments.parse(args, problem)) {
        err << "lir-settings: " << problem << '\n';
        return false;
    }
    port = arguments.value(QStringLiteral("--port"));
    output = arguments.value(QStringLiteral("-o"));
    verify = arguments.has(QStringLiteral("--verify"));
    backup = arguments.value(QStringLiteral("--backup"));
    positionals = arguments.positionals();
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
