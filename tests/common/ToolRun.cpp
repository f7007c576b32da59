#include "common/ToolRun.h"

#include <QProcess>
#include <QProcessEnvironment>

void ToolRun::prepare(QProcess& process, const QString& tool, const QStringList& args)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.setProgram(QStringLiteral(LIR_TOOLS_DIR "/") + tool);
    process.setArguments(args);
}

ToolRun ToolRun::run(const QString& tool, const QStringList& args)
{
    QProcess process;
    prepare(process, tool, args);
    process.start();
    return finish(process);
}

ToolRun ToolRun::run(const QString& tool, const QStringList& args, const QByteArray& input)
{
    QProcess process;
    prepare(process, tool, args);
    process.start();
    process.write(input);
    process.closeWriteChannel();
    return finish(process);
}

ToolRun ToolRun::finish(QProcess& process)
{
    ToolRun result;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return result; // a tool still running is killed with `process`
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
