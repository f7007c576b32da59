// The benchmark table of the editor: loads, a click, the save, the report
// and the controller link on generated documents, each against its floor.
//
//   bench_editor [--runs N] [--paced-runs N] [--only ROW,ROW...]
//   bench_editor --measure ROW     (one measurement in this process)
//   bench_editor --list            (the rows)
//
// ./bench.sh builds it in Release and runs it.

#include "bench/BenchTable.h"
#include "bench/EditorBench.h"

#include <QApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace {
QString firstLineWith(const QString& fileName, const QString& start)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Files of /proc have no size, so they are read whole.
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(start))
            return line.mid(line.indexOf(QLatin1Char(':')) + 1).trimmed();
    }
    return QString();
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2);
}

// The offscreen platform warns about every window it cannot size; that is
// not the benchmark's business.
void dropPlatformChatter(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("propagateSizeHints")))
        qt_message_output(type, context, text);
}

int measureOne(QApplication& application, const QString& row)
{
    qInstallMessageHandler(dropPlatformChatter);
    QTemporaryDir directory;
    auto* bench = new EditorBench(application.applicationDirPath() + QStringLiteral("/../tools"),
                                  directory.path());
    EditorBench::Figures figures;
    QString error;
    const bool measured = bench->run(row, figures, error);
    QTextStream out(stdout);
    for (const auto& [name, value] : figures)
        out << "figure " << name << ' ' << QString::number(value, 'g', 10) << '\n';
    if (!measured)
        out << "error " << error << '\n';
    out.flush();
    // Tearing down tens of thousands of widgets is no part of any row; a
    // profile of this process shows the row alone.
    directory.remove();
    fflush(stdout);
    _exit(measured ? 0 : 1);
}

bool readSettings(const QStringList& args, BenchTable::Settings& settings)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString value = args.value(i + 1);
        if (args.at(i) == QLatin1String("--runs"))
            settings.runs = value.toInt();
        else if (args.at(i) == QLatin1String("--paced-runs"))
            settings.pacedRuns = value.toInt();
        else if (args.at(i) == QLatin1String("--only"))
            settings.only = value.split(QLatin1Char(','));
        else
            return false;
        ++i;
    }
    return settings.runs > 0 && settings.pacedRuns >= 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    QTextStream out(stdout);
    if (args.value(0) == QLatin1String("--measure"))
        return measureOne(application, args.value(1));
    if (args.value(0) == QLatin1String("--list")) {
        out << EditorBench::rowNames().join(QLatin1Char('\n')) << '\n';
        return 0;
    }
    BenchTable::Settings settings;
    if (!readSettings(args, settings)) {
        out << "Usage: bench_editor [--runs N] [--paced-runs N] [--only ROW,ROW...]\n";
        return 2;
    }
    out << "Machine: "
        << firstLineWith(QStringLiteral("/proc/cpuinfo"), QStringLiteral("model name")) << ", "
        << QThread::idealThreadCount() << " cores, "
        << firstLineWith(QStringLiteral("/proc/meminfo"), QStringLiteral("MemTotal")) << " memory; "
        << QSysInfo::prettyProductName() << "; Qt " << qVersion() << "; "
        << "g++ " << __VERSION__ << "\nLoad average before: " << loadAverage() << "\n\n";
    out.flush();
    BenchTable table(application.applicationFilePath(), settings);
    const bool measured = table.run(out);
    out << "\nLoad average after: " << loadAverage() << '\n';
    return measured ? 0 : 1;
}
