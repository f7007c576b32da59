#include "app/BoxForLines.h"

#include "lines/LineInBox.h"

#include <QGridLayout>

BoxForLines::BoxForLines(QWidget* parent) : QGroupBox(parent)
{
    m_Layout = new QGridLayout(this);
    m_Layout->setVerticalSpacing(6);
    m_Layout->setSizeConstraint(QLayout::SetMinimumSize);
    m_Lines.reserve(30);
    hide();
}

void BoxForLines::loadLinesFromDom()
{
    // Loading may run condition receivers, but never adds or removes lines.
    for (LineInBox* line : qAsConst(m_Lines))
        line->slotLoadFromDom();
}
