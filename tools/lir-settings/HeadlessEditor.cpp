#include "tools/lir-settings/HeadlessEditor.h"

#include "app/MainWindow.h"

HeadlessEditor::HeadlessEditor(QTextStream& out) : m_Dialogs(out), m_Window(new MainWindow) {}

HeadlessEditor::~HeadlessEditor() = default;

XMLWork::LoadResult HeadlessEditor::load(const QString& fileName)
{
    m_Dialogs.setSource(fileName);
    const XMLWork::LoadResult result = m_Window->m_XmlWork->loadFile(fileName);
    m_Window->documentLoaded();
    return result;
}
