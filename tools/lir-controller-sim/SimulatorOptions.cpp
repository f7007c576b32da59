#include "tools/lir-controller-sim/SimulatorOptions.h"

#include <limits>
#include <utility>

namespace {
bool readNumber(const QString& text, int minimum, int maximum, int& value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return false;
    value = number;
    return true;
}
} // namespace

bool SimulatorOptions::parse(const QStringList& arguments, QString& error)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString value = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
        bool takesValue = false;
        if (!parseOption(argument, value, takesValue, error))
            return false;
        i += takesValue ? 1 : 0;
    }
    if (!help && !version && documentPath.isEmpty()) {
        error = QStringLiteral("a document file is needed");
        return false;
    }
    return true;
}

bool SimulatorOptions::parseOption(const QString& argument, const QString& value, bool& takesValue,
                                   QString& error)
{
    const std::pair<const char*, bool*> flags[] = {
        {"--help", &help},           {"--wrong-start", &wrongStart},
        {"--bad-crc", &badChecksum}, {"--huge-length", &hugeLength},
        {"--silent", &silent},       {"--ignore-stdin", &ignoreStdin},
        {"--version", &version},
    };
    for (const auto& flag : flags) {
        if (argument == QLatin1String(flag.first)) {
            *flag.second = true;
            return true;
        }
    }
    struct NumberOption
    {
        const char* name;
        int minimum;
        int maximum;
        int* value;
    };
    const NumberOption numbers[] = {
        {"--controller-version", 0, 65535, &controllerVersion},
        {"--status", 1, 255, &status},
        {"--wrong-command", 0, 255, &wrongCommand},
        {"--trailing", 1, 65536, &trailingBytes},
        {"--split", 1, 1 << 24, &splitSize},
        {"--pause", 0, 60000, &pauseMs},
        {"--baud", 50, 4000000, &baud},
        {"--fault-on", 1, 3, &faultCommand},
        {"--exit-after", 1, 1 << 30, &exitAfter},
        {"--cut", 0, 1 << 24, &cutAfter},
        {"--kill-after", 0, 1 << 24, &killAfter},
    };
    for (const NumberOption& option : numbers) {
        if (argument != QLatin1String(option.name))
            continue;
        takesValue = true;
        if (readNumber(value, option.minimum, option.maximum, *option.value))
            return true;
        error = QStringLiteral("%1 needs a number from %2 to %3")
                    .arg(argument)
                    .arg(option.minimum)
                    .arg(option.maximum);
        return false;
    }
    const std::pair<const char*, QString*> texts[] = {
        {"--device", &devicePath},
        {"--link", &linkPath},
        {"--store-changed", &storedValue},
    };
    for (const auto& [name, text] : texts) {
        if (argument != QLatin1String(name))
            continue;
        takesValue = true;
        *text = value;
        if (!value.isEmpty())
            return true;
        error = QStringLiteral("%1 needs a value").arg(argument);
        return false;
    }
    if (argument.startsWith(QLatin1Char('-')) || !documentPath.isEmpty()) {
        error = QStringLiteral("unexpected argument %1").arg(argument);
        return false;
    }
    documentPath = argument;
    return true;
}

bool SimulatorOptions::faultsApplyTo(quint8 command) const
{
    return hasFaults() && (faultCommand == 0 || faultCommand == command);
}

bool SimulatorOptions::hasFaults() const
{
    return spoilsReply(std::numeric_limits<int>::max());
}

bool SimulatorOptions::spoilsReply(int replySize) const
{
    // A cut or a death at or past the end of the reply leaves it whole.
    return silent || status != 0 || wrongCommand >= 0 || wrongStart || badChecksum ||
           trailingBytes > 0 || hugeLength || (cutAfter >= 0 && cutAfter < replySize) ||
           (killAfter >= 0 && killAfter < replySize);
}

QString SimulatorOptions::helpText()
{
    return QStringLiteral(
        "Usage: lir-controller-sim [OPTIONS] DOCUMENT\n"
        "\n"
        "Plays a ЛИР-1/ЛИР-2 controller on a serial line. Without --device it creates a\n"
        "pseudo-terminal and prints its path as the first line of standard output.\n"
        "DOCUMENT is the controller's settings document: command 2 sends it (an empty\n"
        "document when the file is missing or empty), command 3 replaces it atomically.\n"
        "Every request and reply is logged on standard output, one line each.\n"
        "\n"
        "Options:\n"
        "  --device PATH             serve this serial device instead of a pseudo-terminal\n"
        "  --link PATH               make PATH a symbolic link to the line served, locked\n"
        "                            through PATH.lock while running and both removed on\n"
        "                            exit; a link left by a killed emulator is replaced,\n"
        "                            a running emulator's link and any other file are not\n"
        "  --controller-version N    version for command 1 (default: formatVerMaj of DOCUMENT)\n"
        "  --exit-after N            exit after N requests\n"
        "  --ignore-stdin            keep running when standard input closes\n"
        "  --help                    show this help and exit\n"
        "  --version                 show the version and exit\n"
        "\n"
        "Faults (on every reply, or only on command C with --fault-on C):\n"
        "  --fault-on C              inject the faults below only into replies to command C\n"
        "  --silent                  do not answer\n"
        "  --status CODE             answer with status CODE (1-255) and no payload\n"
        "  --wrong-command CODE      echo CODE as the command code\n"
        "  --wrong-start             start the reply with the request's start bytes\n"
        "  --bad-crc                 send a wrong checksum\n"
        "  --trailing N              send N extra bytes after the checksum\n"
        "  --huge-length             announce a payload length of 4294967295\n"
        "  --cut N                   send only the first N bytes of the reply\n"
        "  --kill-after N            die by SIGKILL after sending N bytes of the reply\n"
        "                            (the whole reply when it is no longer than N)\n"
        "  --store-changed TEXT      store a written document with the value of its first\n"
        "                            setting replaced by TEXT (and re-indented)\n"
        "A command whose reply gets a fault does not store a written document. A --cut\n"
        "or --kill-after at or past the end of a reply leaves it whole: the reply is no\n"
        "fault, a written document is stored (and --kill-after still dies after it).\n"
        "\n"
        "Timing:\n"
        "  --split SIZE              send replies in pieces of SIZE bytes\n"
        "  --pause MS                pause MS milliseconds between pieces\n"
        "  --baud RATE               pace replies as a line of RATE baud (10 bits a byte),\n"
        "                            and requests too on the pseudo-terminal\n"
        "\n"
        "Status codes of the controller itself: 1 bad request checksum, 2 unknown command,\n"
        "3 written document not well-formed XML, 4 written document could not be stored.\n"
        "\n"
        "Exit: 0 on SIGTERM, SIGINT, SIGQUIT, SIGHUP (unless ignored, as under nohup),\n"
        "end of standard input or --exit-after; 1 on an I/O error or when the --link\n"
        "cannot be made; 2 on bad usage; 3 when no pseudo-terminal can be had.\n");
}
