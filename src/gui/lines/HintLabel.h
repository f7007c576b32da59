#pragma once

#include <QLabel>

#include <memory>

class QTextDocument;

// The hint of a setting line, rich text (limits, length, admitted
// characters). A rich-text label builds a whole text control and document
// for its text as soon as it has it: about 15 KiB, and at the first showing
// of a group of hundreds of settings, half of the time, though only the
// hints in view are painted. The label itself therefore holds the text as
// plain text, which needs nothing more; the hint measures it and paints it
// as the label paints rich text, and builds the document for that when it is
// first painted.
//
// Measuring rich text means laying its document out, several times over;
// hints of the same text and font measure alike, so each text is measured
// once and its sizes serve every hint that shows it.
class HintLabel : public QLabel
{
public:
    explicit HintLabel(const QString& text);
    ~HintLabel() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Sizes
    {
        QSize preferred;
        QSize minimum;
    };
    Sizes sizes() const;
    // The text's document as the label lays it out in `width`.
    QTextDocument& laidOut(int width);

    // Made at the first painting: most hints of a large document never are.
    struct Painted;
    std::unique_ptr<Painted> m_Painted;
};
