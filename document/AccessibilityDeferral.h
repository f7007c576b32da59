#pragma once

#include <QAccessible>
#include <QVector>

// Qt 5 makes and keeps an accessible interface for every widget whose text or
// state changes, whether or not an assistive technology listens: for the
// thousands of widgets of a loaded document that is a tenth of the load and
// over a kilobyte a setting. While no assistive technology is active, an
// object of this class answers those queries with placeholders that Qt takes
// for no interface, and drops them when it goes; whoever asks afterwards gets
// the real interface, made on demand as usual. When a technology is active
// nothing changes.
class AccessibilityDeferral
{
public:
    AccessibilityDeferral();
    ~AccessibilityDeferral();
    AccessibilityDeferral(const AccessibilityDeferral&) = delete;
    AccessibilityDeferral& operator=(const AccessibilityDeferral&) = delete;

private:
    static QAccessibleInterface* placeholderFor(const QString& className, QObject* object);

    static QVector<QAccessibleInterface*>* s_Placeholders;
    QVector<QAccessibleInterface*> m_Placeholders;
    bool m_Deferring = false;
};
