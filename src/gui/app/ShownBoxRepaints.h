#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

class BoxForLines;
class QWidget;

// Every widget that is shown posts a repaint of its own rectangle, and Qt's
// repaint manager compares each widget so marked with all its siblings:
// quadratic in the widgets of one box, thousands in a large group. A box's
// own repaint covers all its widgets and paints the same pixels, so while
// the events posted up to the showing of some boxes are handled, this filter
// drops the repaints posted by the widgets inside them; the boxes' own pass.
class ShownBoxRepaints : public QObject
{
public:
    // Call right after showing `boxes`: asks for their repaint and filters
    // until the events posted so far are handled. `owner` keeps the filter
    // should they never be.
    static void coalesce(const QVector<BoxForLines*>& boxes, QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ShownBoxRepaints(const QVector<BoxForLines*>& boxes, QObject* owner);
    ~ShownBoxRepaints() override;
    bool insideBox(const QWidget* widget) const;

    QVector<QPointer<BoxForLines>> m_Boxes;
};
