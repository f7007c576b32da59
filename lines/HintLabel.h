#pragma once

#include <QLabel>

// The hint of a setting line, rich text (limits, length, admitted
// characters). A rich-text label builds a whole text document for its text:
// about 15 KiB and as much time as the rest of its line, while a document of
// thousands of settings shows the hints of one group at a time. The hint
// therefore holds its text as plain text, which needs no document, until Qt
// polishes it, which it does before the label is first shown or measured;
// from then on it is rich text.
//
// Measuring rich text means laying its document out, several times over;
// hints of the same text and font measure alike, so each text is measured
// once and its sizes serve every hint that shows it.
class HintLabel : public QLabel
{
public:
    explicit HintLabel(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;

private:
    struct Sizes
    {
        QSize preferred;
        QSize minimum;
    };
    Sizes sizes() const;
};
