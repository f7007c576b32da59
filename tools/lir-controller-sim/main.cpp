#include "tools/ProjectVersion.h"
#include "tools/lir-controller-sim/SimulatorLine.h"
#include "tools/lir-controller-sim/SimulatorLink.h"
#include "tools/lir-controller-sim/SimulatorLoop.h"
#include "tools/lir-controller-sim/SimulatorOptions.h"
#include "tools/lir-controller-sim/StopSignals.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
void print(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}
} // namespace

int main(int argc, char** argv)
{
    // Qt would read its own options out of the arguments it is given.
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    SimulatorOptions options;
    QString error;
    if (!options.parse(args, error)) {
        print(stderr,
              QStringLiteral("lir-controller-sim: %1\nTry lir-controller-sim --help\n").arg(error));
        return 2;
    }
    if (options.help) {
        print(stdout, SimulatorOptions::helpText());
        return 0;
    }
    if (options.version) {
        print(stdout,
              QStringLiteral("lir-controller-sim %1\n").arg(QLatin1String(kProjectVersion)));
        return 0;
    }
    if (!StopSignals::install()) {
        print(stderr, QStringLiteral("lir-controller-sim: cannot install signal handlers\n"));
        return 1;
    }
    SimulatorLine line;
    const bool opened = options.devicePath.isEmpty()
                            ? line.create(error)
                            : line.openDevice(options.devicePath, options.baud, error);
    if (!opened) {
        print(stderr, QStringLiteral("lir-controller-sim: %1\n").arg(error));
        return options.devicePath.isEmpty() ? 3 : 1;
    }
    SimulatorLink link;
    if (!options.linkPath.isEmpty() && !link.create(options.linkPath, line.path(), error)) {
        print(stderr, QStringLiteral("lir-controller-sim: %1\n").arg(error));
        return 1;
    }
    print(stdout, line.path() + QLatin1Char('\n'));
    return SimulatorLoop(line, options).run();
}
