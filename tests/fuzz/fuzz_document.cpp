// The load of a settings document as "Открыть" does it: the checks before
// the parse, the parse, the screens, the values and conditions; then what
// leaves the editor: the saved text and the report; and the document's values
// carried into and out of ЛИР-1's default and merged with it.
#include "FuzzSupport.h"

#include "app/MainWindow.h"
#include "document/LoadedDocument.h"
#include "document/XMLWork.h"
#include "merge/SettingsCarry.h"
#include "merge/SettingsMerge.h"
#include "report/SettingsReport.h"

#include <QApplication>
#include <QFile>

namespace {
MainWindow* g_Window = nullptr;
QByteArray g_Default;

bool loaded(LoadedDocument& document, const QByteArray& text)
{
    DocumentParser::Result parsed;
    return document.load(text, parsed) == LoadedDocument::Result::Loaded;
}

// Each carry writes into its target, so each starts from fresh loads.
void carryAndMerge(const QByteArray& text)
{
    LoadedDocument fuzzed;
    LoadedDocument standard;
    if (!loaded(fuzzed, text) || !loaded(standard, g_Default))
        return;
    SettingsCarry::carry(fuzzed.model(), standard);
    standard.text();
    SettingsCarry::carry(standard.model(), fuzzed);
    fuzzed.text();
    LoadedDocument base;
    LoadedDocument theirs;
    if (!loaded(base, g_Default) || !loaded(theirs, text))
        return;
    SettingsMerge::merge(base.model(), standard.model(), theirs);
    theirs.text();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    FuzzSupport::silenceMessages();
    g_Window = new MainWindow;
    QFile standard(QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"));
    if (standard.open(QIODevice::ReadOnly))
        g_Default = standard.readAll();
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
    carryAndMerge(text);
    return 0;
}
