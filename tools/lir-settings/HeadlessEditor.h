#pragma once

#include "dialogs/PrintingDialogs.h"
#include "document/XMLWork.h"

#include <memory>

class MainWindow;
class QTextStream;

// The editor's main window, never shown, for commands that work on
// documents exactly as the editor does. Every message the editor shows is
// printed to `out` by the PrintingDialogs, which stay installed as long as
// the window lives. Needs a QApplication.
class HeadlessEditor
{
public:
    explicit HeadlessEditor(QTextStream& out);
    ~HeadlessEditor();

    MainWindow& window() { return *m_Window; }
    PrintingDialogs& dialogs() { return m_Dialogs; }

    // Loads `text`, read from `name`, as "Открыть" does, after-load state
    // included; its messages name `name`.
    XMLWork::LoadResult load(const QString& name, const QByteArray& text);

private:
    PrintingDialogs m_Dialogs;
    std::unique_ptr<MainWindow> m_Window;
};
