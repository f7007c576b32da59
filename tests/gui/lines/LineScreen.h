#pragma once

#include "app/MainWindow.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/ScriptedDialogs.h"

#include <QDomDocument>
#include <QVector>

class LineInBox;

// The lines of one small document, placed in the box of one tree item of a
// main window as the loader would place them, without the loader. The
// settings given go into one container named "Группа"; the first of them
// starts on line kFirstSignalLine of the document text.
class LineScreen
{
public:
    static constexpr int kFirstSignalLine = 4;

    // An unexpected dialog fails the test at the line that made the screen.
    explicit LineScreen(const QString& settings, const char* file = __builtin_FILE(),
                        int line = __builtin_LINE());

    LineInBox* line(int index = 0) const { return m_Lines.at(index); }
    QString value(int index = 0) const;
    // Loads every line's value, as the end of a document load does.
    void loadAll();

    ScriptedDialogs dialogs;
    MainWindow window;
    QDomDocument document;
    TreeWidgetItemLineInLeftTree* item = nullptr;

private:
    QVector<LineInBox*> m_Lines;
};
