#pragma once

#include <QGroupBox>
#include <QVector>

class LineInBox;
class QGridLayout;

// The group box of one container: its setting lines in a grid.
class BoxForLines : public QGroupBox
{
    Q_OBJECT
public:
    explicit BoxForLines(QWidget* parent = nullptr);

    // Every line re-reads its value from the document, in order.
    void loadLinesFromDom();

    QGridLayout* m_Layout;
    QVector<LineInBox*> m_Lines;
};
