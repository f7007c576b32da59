#pragma once

#include <QTreeWidgetItem>
#include <QVector>

class BoxForLines;
class LineInBox;

// The navigation item of one container; it owns the container's group boxes.
class TreeWidgetItemLineInLeftTree : public QTreeWidgetItem
{
public:
    explicit TreeWidgetItemLineInLeftTree(int type = 0);
    ~TreeWidgetItemLineInLeftTree() override;

    void setBoxesVisible(bool visible);
    // Puts `line` into `box`, or into the item's last box when `box` is none
    // (creating the first box), and returns the box used.
    BoxForLines* addLine(LineInBox* line, BoxForLines* box = nullptr);

    quint8 m_HideCount = 0;
    QVector<BoxForLines*> m_Boxes;
};
