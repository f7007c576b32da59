#include "lines/HintLabel.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QPainter>
#include <QPair>
#include <QStyleOption>
#include <QTextDocument>
#include <QTextFrame>
#include <QVector>
#include <QtMath>

#include <algorithm>

namespace {
// A label's rich-text document as the label sets it up, before its width.
void setUpAsLabel(QTextDocument& document, const QString& text, const QFont& font,
                  Qt::Alignment alignment)
{
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
}

// The size a label gives its rich text, measured as the label does: its
// document, in the label's font, without margin, laid out at no set width.
// The label sets that up step by step and measures three times over, each
// step and measurement laying the document out anew; here the document is
// laid out once, when all is set.
QSize richTextSize(const QString& text, const QFont& font, Qt::Alignment alignment)
{
    QTextDocument document;
    document.setPageSize(QSizeF(0, 0)); // a null page size defers the layout
    setUpAsLabel(document, text, font, alignment);
    document.setTextWidth(-1);
    const QSizeF size = document.size();
    return QSize(qCeil(size.width()), qCeil(size.height()));
}
} // namespace

struct HintLabel::Painted
{
    QTextDocument document;
    QString text;
    QFont font;
    Qt::Alignment alignment;
    int width = -1;
};

HintLabel::HintLabel(const QString& text)
{
    // A label without text needs no document, rich or not.
    setTextFormat(text.isEmpty() ? Qt::RichText : Qt::PlainText);
    setText(text);
}

HintLabel::~HintLabel() = default;

QSize HintLabel::sizeHint() const
{
    return sizes().preferred;
}

QSize HintLabel::minimumSizeHint() const
{
    return sizes().minimum;
}

void HintLabel::paintEvent(QPaintEvent* event)
{
    if (text().isEmpty() || textFormat() != Qt::PlainText) {
        QLabel::paintEvent(event);
        return;
    }
    // As a label paints its rich text: the document laid out in the
    // contents' width (a hint has no margin, indent or frame), placed by the
    // vertical alignment, in the palette's window text colour.
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect();
    QTextDocument& document = laidOut(area.width());
    const qreal height = document.documentLayout()->documentSize().height();
    qreal top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = qMax((area.height() - height) / 2, qreal(0));
    else if (alignment() & Qt::AlignBottom)
        top = qMax(area.height() - height, qreal(0));
    const QRect place =
        QRectF(area.x(), top + area.y(), area.width(), area.height()).toAlignedRect();
    QStyleOption option;
    option.initFrom(this);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    if (foregroundRole() != QPalette::Text && isEnabled())
        context.palette.setColor(QPalette::Text, context.palette.color(foregroundRole()));
    painter.translate(place.topLeft());
    painter.setClipRect(place.translated(-place.x(), -place.y()));
    document.documentLayout()->draw(&painter, context);
}

QTextDocument& HintLabel::laidOut(int width)
{
    if (!m_Painted || m_Painted->text != text() || m_Painted->font != font() ||
        m_Painted->alignment != alignment()) {
        m_Painted.reset(new Painted);
        setUpAsLabel(m_Painted->document, text(), font(), alignment());
        m_Painted->text = text();
        m_Painted->font = font();
        m_Painted->alignment = alignment();
    }
    if (width != m_Painted->width) {
        m_Painted->document.setTextWidth(width);
        m_Painted->width = width;
    }
    return m_Painted->document;
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
