#include "tools/lir-settings/CheckCommand.h"

#include "tools/lir-settings/HeadlessEditor.h"

#include <QTextStream>

LIR_TOOL_COMMAND(CheckCommand)

QString CheckCommand::summary() const
{
    return QStringLiteral("load each document as the editor does and print its messages");
}

int CheckCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty()) {
        err << "lir-settings check: no file given\n"
            << "Usage: lir-settings check FILE...\n";
        return 2;
    }
    HeadlessEditor editor(out);
    bool unreadable = false;
    for (const QString& fileName : args) {
        if (editor.load(fileName) == XMLWork::LoadResult::Unreadable)
            unreadable = true;
    }
    if (unreadable)
        return 2;
    return editor.dialogs().printedCount() == 0 ? 0 : 1;
}
