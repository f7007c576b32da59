#pragma once

#include "tools/lir-settings/ToolCommand.h"

// `lir-settings merge [--html PAGE] BASE OURS THEIRS -o OUT` and
// `lir-settings merge --git BASE OURS THEIRS`: a three-way merge of settings
// documents with the structure of THEIRS. Exit code 0 when clean, 1 on
// conflicts, refusals or dropped changes, 2 on errors.
class MergeCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("merge"); }
    QString arguments() const override
    {
        return QStringLiteral("[--html PAGE] (-o OUT | --git) BASE OURS THEIRS");
    }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;
};
