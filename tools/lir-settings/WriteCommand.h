#pragma once

#include "tools/lir-settings/ToolCommand.h"

class QDomDocument;

// `lir-settings write --port DEV FILE`: loads FILE as the editor does and
// writes it into the controller on DEV as "Записать в контроллер" does,
// after checking its values and the controller's settings version.
class WriteCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("write"); }
    QString arguments() const override { return QStringLiteral("--port DEV FILE"); }
    QString summary() const override;
    QString help() const override;
    bool needsWindow() const override { return true; }
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;

private:
    // Prints the values the setting lines would refuse; true when there are any.
    static bool reportRefusedValues(const QString& fileName, const QDomDocument& document,
                                    QTextStream& err);
};
