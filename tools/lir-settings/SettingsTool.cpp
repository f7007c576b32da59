#include "tools/lir-settings/SettingsTool.h"

#include "dialogs/QtTranslation.h"
#include "tools/ProjectVersion.h"
#include "tools/lir-settings/StandardOutputDevice.h"
#include "tools/lir-settings/ToolCommand.h"
#include "tools/lir-settings/ToolOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <memory>

void SettingsTool::printUsage(QTextStream& stream)
{
    // QStringLiteral: a plain literal would reach the stream as Latin-1.
    stream << QStringLiteral("Usage: lir-settings COMMAND [ARGS]\n"
                             "\n"
                             "Works on ЛИР-1/ЛИР-2 settings documents with the editor's own code.\n"
                             "\n"
                             "Commands:\n");
    for (const auto& command : ToolCommand::all()) {
        const QString synopsis = command->name() + QLatin1Char(' ') + command->arguments();
        const int column = 22;
        // A long synopsis takes a line of its own, so that the summaries
        // stand in one column.
        if (synopsis.size() > column)
            stream << "  " << synopsis << '\n' << QString(column + 2, QLatin1Char(' '));
        else
            stream << "  " << synopsis.leftJustified(column);
        stream << ' ' << command->summary() << '\n';
    }
    stream << "\n"
              "Options:\n"
              "  --help       show this help and exit\n"
              "  --version    show the version and exit\n";
}

void SettingsTool::chooseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

namespace {
QtMessageHandler g_QtHandler = nullptr;

// Qt's own debug output and warnings (no runtime directory in a container,
// fonts, platform plugins) are not the tool's messages: a clean run prints
// nothing. A fatal message still goes out before the abort.
void keepFatalMessagesOnly(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type == QtFatalMsg && g_QtHandler)
        g_QtHandler(type, context, message);
}
} // namespace

int SettingsTool::run(int argc, char** argv)
{
    g_QtHandler = qInstallMessageHandler(keepFatalMessagesOnly);
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    std::unique_ptr<ToolCommand> command = ToolCommand::create(first);
    const bool needsGui = command && command->needsGui();
    const std::unique_ptr<QCoreApplication> application = createApplication(needsGui, argv);
    // Decoded only now: the application object sets up the locale.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return int(runCommand(args, command.get()));
}

std::unique_ptr<QCoreApplication> SettingsTool::createApplication(bool needsGui, char** argv)
{
    // Qt reads its own options (-platform, -style, ...) out of the arguments
    // it is given and would take a user's file names as their values: the
    // application object sees the program's name only.
    static int qtArgc = 1;
    std::unique_ptr<QCoreApplication> application;
    if (needsGui) {
        // The platform must be chosen before the application object exists.
        chooseOffscreenPlatform();
        application = std::make_unique<QGuiApplication>(qtArgc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(qtArgc, argv);
    }
    // Qt's own texts in messages (reasons of file errors) read as in the
    // editor, in every command alike.
    installQtRussianTranslation(*application);
    return application;
}

ExitCode SettingsTool::runCommand(const QStringList& args, ToolCommand* command)
{
    StandardOutputDevice standardOutput;
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    if (args.isEmpty()) {
        printUsage(err);
        return ExitCode::Error;
    }
    if (args.first() == QLatin1String("--help")) {
        printUsage(out);
        return ExitCode::Success;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "lir-settings " << kProjectVersion << '\n';
        return ExitCode::Success;
    }
    if (!command) {
        err << "lir-settings: unknown command " << args.first() << "\n";
        printUsage(err);
        return ExitCode::Error;
    }
    if (args.size() == 2 && args.at(1) == QLatin1String("--help")) {
        out << "Usage: lir-settings " << command->name() << ' ' << command->arguments() << "\n\n"
            << command->help();
        return ExitCode::Success;
    }
    const ExitCode result = command->run(args.mid(1), out, err);
    // A result cut short on its way out is no success.
    return ToolOutput::flushed(out, err) ? result : ExitCode::Error;
}
