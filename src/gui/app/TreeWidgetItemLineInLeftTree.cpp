#include "app/TreeWidgetItemLineInLeftTree.h"

#include "app/BoxForLines.h"
#include "lines/LineInBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace {
QFrame* newSeparator()
{
    auto* separator = new QFrame;
    // Shape and shadow in one step: each change of the frame's style asks
    // the style for the frame's width again.
    separator->setFrameStyle(QFrame::HLine | QFrame::Raised);
    return separator;
}
} // namespace

TreeWidgetItemLineInLeftTree::TreeWidgetItemLineInLeftTree(int type) : QTreeWidgetItem(type)
{
    m_Boxes.reserve(10);
}

TreeWidgetItemLineInLeftTree::~TreeWidgetItemLineInLeftTree()
{
    qDeleteAll(m_Boxes);
}

void TreeWidgetItemLineInLeftTree::setBoxesVisible(bool visible)
{
    for (BoxForLines* box : qAsConst(m_Boxes)) {
        box->setVisible(visible);
        if (visible)
            box->loadLinesFromDom();
    }
}

BoxForLines* TreeWidgetItemLineInLeftTree::addLine(LineInBox* line, BoxForLines* box)
{
    int row = 0;
    if (!box && m_Boxes.isEmpty()) {
        box = new BoxForLines;
        m_Boxes.append(box);
        line->setParent(box);
        box->m_Lines.append(line);
        // The first line of a box also gets a separator above it.
        row = box->m_Layout->rowCount();
        box->m_Layout->addWidget(newSeparator(), row, 1, 1, 3);
    } else {
        if (!box)
            box = m_Boxes.last();
        line->setParent(box);
        box->m_Lines.append(line);
        row = box->m_Layout->rowCount();
    }
    box->m_Layout->addWidget(line->m_LabelName, row + 1, 1);
    box->m_Layout->addWidget(line->m_Editor, row + 1, 2);
    box->m_Layout->addWidget(line->m_Hint, row + 1, 3);
    line->m_Separator = newSeparator();
    box->m_Layout->addWidget(line->m_Separator, row + 2, 1, 1, 3);
    return box;
}
