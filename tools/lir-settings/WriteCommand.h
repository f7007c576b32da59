#pragma once

#include "tools/lir-settings/ToolCommand.h"

class QByteArray;
class QDomDocument;

// `lir-settings write --port DEV [--backup OUT] [--verify] FILE`: loads FILE
// as the editor does and writes it into the controller on DEV as "Записать в
// контроллер" does, after checking its values and the controller's settings
// version; first saves the controller's document to OUT, afterwards reads it
// back and compares it with what was sent.
class WriteCommand : public ToolCommand
{
public:
    QString name() const override { return QStringLiteral("write"); }
    QString arguments() const override
    {
        return QStringLiteral("--port DEV [--backup OUT] [--verify] FILE");
    }
    QString summary() const override;
    QString help() const override;
    ExitCode run(const QStringList& args, QTextStream& out, QTextStream& err) override;

private:
    // Saves the controller's current document to `backupName`.
    ExitCode backUp(const QString& device, const QString& backupName, QTextStream& out,
                    QTextStream& err);
    // Reads the document back and compares it with `sent`.
    static ExitCode verify(const QString& device, const QByteArray& sent, QTextStream& out,
                           QTextStream& err);
    // Prints the values the setting lines would refuse; true when there are any.
    static bool reportRefusedValues(const QString& fileName, const QDomDocument& document,
                                    QTextStream& err);
};
