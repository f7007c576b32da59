#include "app/AccessibilityDeferral.h"

#include <QAccessible>
#include <QRect>

namespace {
// Stands for an object's interface while no technology is active. Not valid,
// so an event carrying it reaches nobody. The living placeholders form a list
// that Qt's deletion of one (with its object) leaves in order.
class Placeholder : public QAccessibleInterface
{
public:
    explicit Placeholder(QObject* object) : m_Object(object)
    {
        m_Next = s_First;
        if (s_First)
            s_First->m_Previous = this;
        s_First = this;
    }
    ~Placeholder() override
    {
        if (m_Previous)
            m_Previous->m_Next = m_Next;
        else
            s_First = m_Next;
        if (m_Next)
            m_Next->m_Previous = m_Previous;
    }

    static Placeholder* first() { return s_First; }

    bool isValid() const override { return false; }
    QObject* object() const override { return m_Object; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override { return QAccessible::State(); }

private:
    static Placeholder* s_First;
    QObject* m_Object;
    Placeholder* m_Previous = nullptr;
    Placeholder* m_Next = nullptr;
};

Placeholder* Placeholder::s_First = nullptr;
bool g_Active = false;

class ActivationWatch : public QAccessible::ActivationObserver
{
public:
    ActivationWatch() { QAccessible::installActivationObserver(this); }
    ~ActivationWatch() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override
    {
        g_Active = active;
        if (active)
            AccessibilityDeferral::dropPlaceholders();
    }
};

// Made as the program starts, before any application object, because Qt's
// list of observers is made by the first observer: the list then outlives
// the application object, whose destruction clears it, also where that
// object is destroyed only as the program exits.
ActivationWatch g_Watch;
bool g_Installed = false;
} // namespace

void AccessibilityDeferral::install()
{
    if (g_Installed)
        return;
    g_Installed = true;
    // Consulted before the factories installed earlier, Qt's own among them.
    QAccessible::installFactory(placeholderFor);
}

void AccessibilityDeferral::dropPlaceholders()
{
    // Qt deletes each through its cache, and the deletion takes it off the
    // list. Every placeholder is in the cache from its making, so each has an
    // id (Qt would give it one otherwise).
    while (Placeholder* placeholder = Placeholder::first())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(placeholder));
}

QAccessibleInterface* AccessibilityDeferral::placeholderFor(const QString& className,
                                                            QObject* object)
{
    Q_UNUSED(className);
    if (!object || g_Active || QAccessible::isActive())
        return nullptr;
    return new Placeholder(object);
}
