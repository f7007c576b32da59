#include "lines/HintLabel.h"

#include <QEvent>
#include <QHash>
#include <QPair>
#include <QTextDocument>
#include <QTextFrame>
#include <QVector>
#include <QtMath>

#include <algorithm>

namespace {
// The size a label gives its rich text, measured as the label does: its
// document, in the label's font, without margin, laid out at no set width.
// The label sets that up step by step and measures three times over, each
// step and measurement laying the document out anew; here the document is
// laid out once, when all is set.
QSize richTextSize(const QString& text, const QFont& font, Qt::Alignment alignment)
{
    QTextDocument document;
    document.setPageSize(QSizeF(0, 0)); // a null page size defers the layout
    document.setUndoRedoEnabled(false);
    document.setDefaultFont(font);
    document.setHtml(text);
    QTextOption option = document.defaultTextOption();
    option.setAlignment(alignment);
    option.setWrapMode(QTextOption::ManualWrap);
    document.setDefaultTextOption(option);
    QTextFrameFormat format = document.rootFrame()->frameFormat();
    format.setMargin(0);
    document.rootFrame()->setFrameFormat(format);
    document.setTextWidth(-1);
    const QSizeF size = document.size();
    return QSize(qCeil(size.width()), qCeil(size.height()));
}
} // namespace

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
    // Hints come in a few fonts: the sizes are kept by font, then by text.
    static QVector<QPair<QFont, QHash<QString, Sizes>>> measured;
    auto byFont = std::find_if(measured.begin(), measured.end(),
                               [this](const auto& entry) { return entry.first == font(); });
    if (byFont == measured.end())
        byFont = measured.insert(measured.end(), qMakePair(font(), QHash<QString, Sizes>()));
    QHash<QString, Sizes>& byText = byFont->second;
    const auto found = byText.constFind(text());
    if (found != byText.constEnd())
        return found.value();
    Sizes sizes;
    if (text().isEmpty()) {
        // A label without text measures as no text at all.
        sizes = {QLabel::sizeHint(), QLabel::minimumSizeHint()};
    } else {
        // A hint has neither margin, indent, frame nor word wrap: the
        // label's preferred and minimum sizes are both its text's.
        const QSize size = richTextSize(text(), font(), alignment());
        sizes = {size, size};
    }
    byText.insert(text(), sizes);
    return sizes;
}
