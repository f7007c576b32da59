#pragma once

#include <QLabel>

// The hint of a setting line, rich text (limits, length, admitted
// characters). A rich-text label builds a whole text document for its text:
// about 15 KiB and as much time as the rest of its line, while a document of
// thousands of settings shows the hints of one group at a time. The hint
// therefore holds its text as plain text, which needs no document, until Qt
// polishes it, which it does before the label is first shown or measured;
// from then on it is rich text.
class HintLabel : public QLabel
{
public:
    explicit HintLabel(const QString& text);

protected:
    bool event(QEvent* event) override;
};
