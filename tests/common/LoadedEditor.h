#pragma once

#include "app/MainWindow.h"
#include "common/ScriptedDialogs.h"
#include "document/XMLWork.h"

#include <QByteArray>
#include <QStringList>

class LineInBox;
class TreeWidgetItemLineInLeftTree;

// A main window with scripted dialogs that loads documents through the
// editor's own loader, and finds lines and containers by their texts. An
// unexpected dialog fails the test at the line that made the editor.
class LoadedEditor
{
public:
    explicit LoadedEditor(const char* file = __builtin_FILE(), int line = __builtin_LINE())
        : dialogs(file, line)
    {
    }

    XMLWork::LoadResult load(const QByteArray& xml);
    XMLWork::LoadResult loadFile(const QString& fileName);

    // The first line whose caption is `label`, in walk order; null when none.
    LineInBox* line(const QString& label) const;
    // The first navigation item named `name`, depth first; null when none.
    TreeWidgetItemLineInLeftTree* item(const QString& name) const;
    // Captions of all lines, in walk order, whose line is shown.
    QStringList visibleLines() const;
    QList<LineInBox*> allLines() const;

    // Types `text` into a number line and finishes the edit, as Return does.
    static void finishNumber(LineInBox* line, const QString& text);

    ScriptedDialogs dialogs;
    MainWindow window;
};
