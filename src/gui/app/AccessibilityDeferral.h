#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// Qt 5 makes and keeps an accessible interface for every widget whose text or
// state changes, whether or not an assistive technology listens: for the tens
// of thousands of widgets of a large document that is a tenth of its load.
// Once installed, and while no assistive technology is active, queries are
// answered with small placeholders that Qt takes for no interface. When a
// technology becomes active, every placeholder is dropped, and whoever asks
// from then on gets the real interface, made on demand as usual. With a
// technology active from the start nothing changes.
class AccessibilityDeferral
{
public:
    // Idempotent; needs the application object.
    static void install();
    // Drops every placeholder; done when a technology becomes active.
    static void dropPlaceholders();

private:
    static QAccessibleInterface* placeholderFor(const QString& className, QObject* object);
};
