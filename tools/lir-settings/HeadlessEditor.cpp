#include "tools/lir-settings/HeadlessEditor.h"

#include "app/MainWindow.h"

HeadlessEditor::HeadlessEditor(QTextStream& out) : m_Dialogs(out), m_Window(new MainWindow) {}

HeadlessEditor::~HeadlessEditor() = default;

XMLWork::LoadResult HeadlessEditor::load(const QString& name, const QByteArray& text)
{
    m_Dialogs.setSource(name);
    const XMLWork::LoadResult result = m_Window->m_XmlWork->loadBytes(text);
    m_Window->documentLoaded();
    return result;
}
