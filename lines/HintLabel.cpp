#include "lines/HintLabel.h"

#include <QEvent>

HintLabel::HintLabel(const QString& text)
{
    // A label without text needs no document, rich or not.
    setTextFormat(text.isEmpty() ? Qt::RichText : Qt::PlainText);
    setText(text);
}

bool HintLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Polish)
        setTextFormat(Qt::RichText);
    return QLabel::event(event);
}
