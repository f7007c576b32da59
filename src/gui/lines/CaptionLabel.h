#pragma once

#include <QLabel>

// The caption of a setting line. A label measures its text three times over
// (preferred size, one-line height, narrowest width), though for a plain
// text that does not wrap all three come to the same rectangle; the caption
// measures it once, and again only when its text or font changes. Anything
// else, rich text or word wrap, margins, a frame or a buddy, is measured by
// the label itself.
class CaptionLabel : public QLabel
{
public:
    explicit CaptionLabel(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Whether the text is measured here rather than by the label.
    bool plainLine() const;
    QSize textSize() const;

    mutable QString m_MeasuredText;
    mutable QFont m_MeasuredFont;
    mutable QSize m_Size;
};
