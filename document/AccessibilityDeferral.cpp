#include "document/AccessibilityDeferral.h"

#include <QRect>

namespace {
// Stands for an object's interface while it is deferred. Not valid, so an
// accessibility event carrying it reaches nobody.
class Placeholder : public QAccessibleInterface
{
public:
    Placeholder(QObject* object, QVector<QAccessibleInterface*>& placeholders)
        : m_Object(object), m_Placeholders(&placeholders), m_Index(placeholders.size())
    {
        placeholders.append(this);
    }
    // Qt deletes the placeholder with its object; the list forgets it then.
    ~Placeholder() override
    {
        if (m_Placeholders)
            (*m_Placeholders)[m_Index] = nullptr;
    }
    void forget() { m_Placeholders = nullptr; }

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
    QObject* m_Object;
    QVector<QAccessibleInterface*>* m_Placeholders;
    int m_Index;
};
} // namespace

QVector<QAccessibleInterface*>* AccessibilityDeferral::s_Placeholders = nullptr;

AccessibilityDeferral::AccessibilityDeferral()
{
    // Only the outermost deferral collects; a nested one has nothing to add.
    if (s_Placeholders || QAccessible::isActive())
        return;
    m_Deferring = true;
    s_Placeholders = &m_Placeholders;
    QAccessible::installFactory(placeholderFor);
}

AccessibilityDeferral::~AccessibilityDeferral()
{
    if (!m_Deferring)
        return;
    QAccessible::removeFactory(placeholderFor);
    s_Placeholders = nullptr;
    for (QAccessibleInterface* placeholder : qAsConst(m_Placeholders)) {
        if (!placeholder)
            continue;
        static_cast<Placeholder*>(placeholder)->forget();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(placeholder));
    }
}

QAccessibleInterface* AccessibilityDeferral::placeholderFor(const QString&, QObject* object)
{
    // A technology that starts meanwhile gets real interfaces from then on.
    if (!s_Placeholders || QAccessible::isActive())
        return nullptr;
    return new Placeholder(object, *s_Placeholders);
}
