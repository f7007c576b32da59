#pragma once

#include <QScrollArea>

class QTreeWidgetItem;
class TreeWidgetItemLineInLeftTree;

// The group view: shows the boxes of the tree item last clicked.
class ScrollAreaWidget : public QScrollArea
{
    Q_OBJECT
public:
    explicit ScrollAreaWidget(QWidget* parent = nullptr);

    TreeWidgetItemLineInLeftTree* m_Current;
    QWidget* m_Content;

public slots:
    void slotActivatedBox(QTreeWidgetItem* item, int column);
};
