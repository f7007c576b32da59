#include "tools/lir-settings-gen/SettingsGenerator.h"

#include "dialogs/QtTranslation.h"
#include "document/OutputFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {
const char* const kHelp =
    "Usage: lir-settings-gen [OPTIONS] SETTINGS\n"
    "       lir-settings-gen [OPTIONS] --bytes N\n"
    "\n"
    "Writes a generated ЛИР settings document with SETTINGS settings (or as many as\n"
    "make it at least N bytes long) to standard output: every kind of setting,\n"
    "nested containers, symbols, and visibility conditions on about a fifth of the\n"
    "settings. The editor accepts every value; the same options give the same text.\n"
    "\n"
    "Options:\n"
    "  -o FILE          write into FILE instead (replaced as a whole; a device or a\n"
    "                   pipe is written into; \"-\" is standard output)\n"
    "  --seed N         seed of the document (default 1)\n"
    "  --min-group N    fewest settings directly in a container (default 10)\n"
    "  --max-group N    most settings directly in a container (default 200)\n"
    "  --help           show this help and exit\n"
    "\n"
    "What the document holds is printed on standard error.\n";

bool readCount(const QString& text, qint64 minimum, qint64& value)
{
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok && value >= minimum && value <= (qint64(1) << 31) - 1;
}

bool parse(const QStringList& args, SettingsGenerator::Options& options, QString& output,
           bool& help)
{
    bool counted = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& argument = args.at(i);
        const QString value = args.value(i + 1);
        qint64 number = 0;
        if (argument == QLatin1String("--help")) {
            help = true;
            return true;
        }
        if (argument == QLatin1String("-o") && !value.isEmpty()) {
            output = value;
        } else if (argument == QLatin1String("--seed") && readCount(value, 0, number)) {
            options.seed = quint32(number);
        } else if (argument == QLatin1String("--min-group") && readCount(value, 1, number)) {
            options.minGroup = int(number);
        } else if (argument == QLatin1String("--max-group") && readCount(value, 1, number)) {
            options.maxGroup = int(number);
        } else if (argument == QLatin1String("--bytes") && !counted &&
                   readCount(value, 1, number)) {
            options.minBytes = number;
            counted = true;
        } else if (!argument.startsWith(QLatin1Char('-')) && !counted &&
                   readCount(argument, 0, number)) {
            options.settings = int(number);
            counted = true;
            continue;
        } else {
            return false;
        }
        ++i;
    }
    return counted && options.minGroup <= options.maxGroup;
}
} // namespace

int main(int argc, char** argv)
{
    // Qt would read its own options out of the arguments it is given.
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    // The system's reasons in messages read in Russian, as in lir-settings.
    installQtRussianTranslation(application);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    SettingsGenerator::Options options;
    QString output;
    bool help = false;
    if (!parse(args, options, output, help)) {
        fputs("lir-settings-gen: неверные аргументы\nСм. lir-settings-gen --help\n", stderr);
        return 2;
    }
    if (help) {
        fputs(kHelp, stdout);
        return 0;
    }
    SettingsGenerator generator(options);
    const QByteArray text = generator.document();
    QString reason;
    if (!OutputFile::write(output.isEmpty() ? QStringLiteral("-") : output, text, reason)) {
        const QString named = output.isEmpty() || output == QLatin1String("-")
                                  ? QStringLiteral("стандартный вывод")
                                  : output;
        fputs((QStringLiteral("lir-settings-gen: не удалось записать ") + named +
               QStringLiteral(": ") + reason + QLatin1Char('\n'))
                  .toUtf8()
                  .constData(),
              stderr);
        return 1;
    }
    const SettingsGenerator::Counts counts = generator.counts();
    fprintf(stderr,
            "настроек: %d, контейнеров: %d, условий строк: %d, условий контейнеров: %d, "
            "байт: %lld\n",
            counts.settings, counts.containers, counts.lineConditions, counts.containerConditions,
            static_cast<long long>(text.size()));
    return 0;
}
