#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The arguments of the controller commands of lir-settings: "--port DEV",
// for "read" also "-o FILE", and the positional arguments.
class LinkToolArguments
{
public:
    // False, with the reason on `err`, when the arguments do not fit a
    // command taking `positionalCount` positional arguments.
    bool parse(const QStringList& args, bool takesOutput, int positionalCount, QTextStream& err);

    QString port;
    QString output;
    QStringList positionals;
};
