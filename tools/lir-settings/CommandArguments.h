#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The arguments after a command word, split into its options and its
// positional arguments. "--" ends the options; "-" is a positional argument
// (standard input or output); any other argument that starts with "-" must
// be one of the command's options.
class CommandArguments
{
public:
    // `flags` take no value, `valued` take the next argument as theirs.
    CommandArguments(const QStringList& flags, const QStringList& valued);

    // False, with the reason in `problem`, for an unknown option, an option
    // given twice or one that lacks its value.
    bool parse(const QStringList& args, QString& problem);

    bool has(const QString& option) const { return m_Given.contains(option); }
    QString value(const QString& option) const { return m_Given.value(option); }
    const QStringList& positionals() const { return m_Positionals; }

private:
    bool take(const QStringList& args, int& i, QString& problem);

    QStringList m_Flags;
    QStringList m_Valued;
    QHash<QString, QString> m_Given;
    QStringList m_Positionals;
};
