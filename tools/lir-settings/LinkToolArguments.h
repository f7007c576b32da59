#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The arguments of the controller commands of lir-settings: "--port DEV",
// for "read" also "-o FILE", for "write" also "--verify" and "--backup OUT",
// and the positional arguments.
class LinkToolArguments
{
public:
    // False, with the reason on `err`, when the arguments do not fit a
    // command taking `positionalCount` positional arguments.
    bool parse(const QStringList& args, bool takesOutput, int positionalCount, QTextStream& err);

    // Set before parse() for a command that takes "--verify" and "--backup OUT".
    bool takesWriteChecks = false;

    QString port;
    QString output;
    bool verify = false;
    QString backup;
    QStringList positionals;
};
