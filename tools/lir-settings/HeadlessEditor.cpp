#include "tools/lir-settings/HeadlessEditor.h"

#include "app/MainWindow.h"

HeadlessEditor::HeadlessEditor(QTextStream& out) : m_Dialogs(out), m_Window(new MainWindow) {}

HeadlessEditor::~HeadlessEditor() = default;

XMLWork::LoadResult HeadlessEditor::load(const QString& fileName)
{
    m_Dialogs.setSource(fileName);
    return m_Window->m_XmlWork->loadFile(fileName);
}
