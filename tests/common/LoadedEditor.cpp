#include "common/LoadedEditor.h"

#include "app/BoxForLines.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "lines/LineInBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

XMLWork::LoadResult LoadedEditor::load(const QByteArray& xml)
{
    return window.m_XmlWork->loadBytes(xml);
}

XMLWork::LoadResult LoadedEditor::loadFile(const QString& fileName)
{
    return window.m_XmlWork->loadFile(fileName);
}

QList<LineInBox*> LoadedEditor::allLines() const
{
    QList<LineInBox*> lines;
    for (QTreeWidgetItemIterator it(window.m_Tree); *it; ++it) {
        if (auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it)) {
            for (BoxForLines* box : qAsConst(item->m_Boxes)) {
                for (LineInBox* line : qAsConst(box->m_Lines))
                    lines << line;
            }
        }
    }
    return lines;
}

LineInBox* LoadedEditor::line(const QString& label) const
{
    for (LineInBox* line : allLines()) {
        if (line->m_LabelName->text() == label)
            return line;
    }
    return nullptr;
}

TreeWidgetItemLineInLeftTree* LoadedEditor::item(const QString& name) const
{
    for (QTreeWidgetItemIterator it(window.m_Tree); *it; ++it) {
        if ((*it)->text(0) == name)
            return dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it);
    }
    return nullptr;
}

QStringList LoadedEditor::visibleLines() const
{
    QStringList labels;
    for (LineInBox* line : allLines()) {
        if (line->m_Visible)
            labels << line->m_LabelName->text();
    }
    return labels;
}

void LoadedEditor::finishNumber(LineInBox* line, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(line->m_Widgets.value(0));
    Q_ASSERT(edit);
    edit->setText(text);
    emit edit->textEdited(text);
    emit edit->editingFinished();
}
