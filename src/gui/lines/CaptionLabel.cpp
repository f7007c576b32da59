#include "lines/CaptionLabel.h"

#include <QTextDocument>

CaptionLabel::CaptionLabel(const QString& text) : QLabel(text) {}

QSize CaptionLabel::sizeHint() const
{
    ensurePolished();
    return plainLine() ? textSize() : QLabel::sizeHint();
}

QSize CaptionLabel::minimumSizeHint() const
{
    ensurePolished();
    return plainLine() ? textSize() : QLabel::minimumSizeHint();
}

bool CaptionLabel::plainLine() const
{
    const Qt::TextFormat format = textFormat();
    const bool plain =
        format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text()));
    return plain && !text().isEmpty() && !wordWrap() && margin() == 0 && indent() < 0 &&
           frameWidth() == 0 && contentsMargins().isNull() && !buddy();
}

QSize CaptionLabel::textSize() const
{
    if (m_Size.isValid() && m_MeasuredText == text() && m_MeasuredFont == font())
        return m_Size.expandedTo(minimumSize());
    // As the label lays its plain text out: aligned as it is, tabs
    // expanded, in a rectangle that its text does not fill.
    const int flags = (alignment() & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs;
    m_Size = fontMetrics().boundingRect(0, 0, 2000, 2000, flags, text()).size();
    m_MeasuredText = text();
    m_MeasuredFont = font();
    return m_Size.expandedTo(minimumSize());
}
