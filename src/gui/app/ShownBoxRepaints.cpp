#include "app/ShownBoxRepaints.h"

#include "app/BoxForLines.h"

#include <QCoreApplication>
#include <QEvent>

void ShownBoxRepaints::coalesce(const QVector<BoxForLines*>& boxes, QObject* owner)
{
    // The boxes ask for their repaint at once: asked for only when their
    // posted requests are handled, it would wait for the event loop's next
    // round, after the events of the showing.
    for (BoxForLines* box : boxes)
        box->update();
    auto* filter = new ShownBoxRepaints(boxes, owner);
    QCoreApplication::instance()->installEventFilter(filter);
    // Posted events of one priority are handled in order: this call comes
    // after the repaints posted by the showing.
    QMetaObject::invokeMethod(
        filter, [filter] { delete filter; }, Qt::QueuedConnection);
}

ShownBoxRepaints::ShownBoxRepaints(const QVector<BoxForLines*>& boxes, QObject* owner)
    : QObject(owner)
{
    m_Boxes.reserve(boxes.size());
    for (BoxForLines* box : boxes)
        m_Boxes.append(box);
}

ShownBoxRepaints::~ShownBoxRepaints()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool ShownBoxRepaints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::UpdateLater && watched->isWidgetType())
        return insideBox(static_cast<QWidget*>(watched));
    return false;
}

bool ShownBoxRepaints::insideBox(const QWidget* widget) const
{
    for (const QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        for (const QPointer<BoxForLines>& box : m_Boxes) {
            if (box == parent)
                return true;
        }
    }
    return false;
}
