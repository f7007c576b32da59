#include "tools/lir-settings/CommandArguments.h"

CommandArguments::CommandArguments(const QStringList& flags, const QStringList& valued)
    : m_Flags(flags), m_Valued(valued)
{
}

bool CommandArguments::parse(const QStringList& args, QString& problem)
{
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& argument = args.at(i);
        if (optionsEnded || argument == QLatin1String("-") ||
            !argument.startsWith(QLatin1Char('-'))) {
            m_Positionals.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!take(args, i, problem)) {
            return false;
        }
    }
    return true;
}

bool CommandArguments::take(const QStringList& args, int& i, QString& problem)
{
    const QString& option = args.at(i);
    const bool valued = m_Valued.contains(option);
    if (!valued && !m_Flags.contains(option)) {
        problem = QStringLiteral("unknown option ") + option;
        return false;
    }
    if (m_Given.contains(option)) {
        problem = QStringLiteral("option ") + option + QStringLiteral(" given twice");
        return false;
    }
    if (valued && i + 1 >= args.size()) {
        problem = QStringLiteral("option ") + option + QStringLiteral(" needs a value");
        return false;
    }
    m_Given.insert(option, valued ? args.at(++i) : QString());
    return true;
}
