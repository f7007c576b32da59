#include "app/ScrollAreaWidget.h"

#include "app/BoxForLines.h"
#include "app/ShownBoxRepaints.h"
#include "app/TreeWidgetItemLineInLeftTree.h"

ScrollAreaWidget::ScrollAreaWidget(QWidget* parent) : QScrollArea(parent), m_Current(nullptr)
{
    m_Content = new QWidget;
    setWidget(m_Content);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ScrollAreaWidget::slotActivatedBox(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column);
    auto* activated = dynamic_cast<TreeWidgetItemLineInLeftTree*>(item);
    if (!activated || activated == m_Current)
        return;
    if (m_Current)
        m_Current->setBoxesVisible(false);
    activated->setBoxesVisible(true);
    ShownBoxRepaints::coalesce(activated->m_Boxes, this);
    for (BoxForLines* box : qAsConst(activated->m_Boxes))
        m_Content->setMinimumSize(box->sizeHint());
    m_Current = activated;
}
