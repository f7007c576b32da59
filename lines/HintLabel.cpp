#include "lines/HintLabel.h"

#include <QEvent>
#include <QHash>

HintLabel::HintLabel(const QString& text)
{
    // A label without text needs no document, rich or not.
    setTextFormat(text.isEmpty() ? Qt::RichText : Qt::PlainText);
    setText(text);
}

QSize HintLabel::sizeHint() const
{
    return sizes().preferred;
}

QSize HintLabel::minimumSizeHint() const
{
    return sizes().minimum;
}

bool HintLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Polish)
        setTextFormat(Qt::RichText);
    return QLabel::event(event);
}

HintLabel::Sizes HintLabel::sizes() const
{
    // The sizes of a label follow from its text, font and style, and from
    // margins, indent, alignment and size limits, which no hint changes.
    ensurePolished();
    static QHash<QString, Sizes> measured;
    const QString key = font().key() + QLatin1Char('\n') + text();
    const auto found = measured.constFind(key);
    if (found != measured.constEnd())
        return found.value();
    const Sizes sizes{QLabel::sizeHint(), QLabel::minimumSizeHint()};
    measured.insert(key, sizes);
    return sizes;
}
