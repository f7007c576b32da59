// The load of a settings document as "Открыть" does it: the checks before
// the parse, the parse, the screens, the values and conditions; then what
// leaves the editor: the saved text and the report.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "document/XMLWork.h"
#include "report/SettingsReport.h"

#include <QApplication>

namespace {
MainWindow* g_Window = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    FuzzSupport::silenceMessages();
    g_Window = new MainWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    // Each load discards everything the previous one built.
    if (g_Window->m_XmlWork->loadBytes(text) != XMLWork::LoadResult::Loaded)
        return 0;
    g_Window->documentLoaded();
    g_Window->m_XmlWork->documentText();
    SettingsReport::html(g_Window->m_Tree, g_Window->m_ModelName, g_Window);
    return 0;
}
