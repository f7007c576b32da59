#include "report/DocumentPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace {
// The resolution a document laid out for no device is measured in; the
// margins of the body are given in it.
int sourceDpi(Qt::Orientation orientation)
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return qRound(orientation == Qt::Horizontal ? screen->logicalDotsPerInchX()
                                                    : screen->logicalDotsPerInchY());
    }
    return 100;
}

// Sets `html` as the text of `document`. Setting the whole text counts as a
// new document, which is laid out lazily and then a second time; as part of
// an edit that also removes a character that stood before, it is laid out
// once.
void setHtmlInOnePass(QTextDocument& document, const QString& html)
{
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral(" "));
    cursor.beginEditBlock();
    cursor.deletePreviousChar();
    document.setHtml(html);
    cursor.endEditBlock();
}

struct Page
{
    QRectF body;          // the printer's page, in device pixels
    QPointF numberOrigin; // where the number of the first page stands
};

void printPage(int index, QPainter& painter, QTextDocument& document, const Page& page)
{
    painter.save();
    painter.translate(page.body.left(), page.body.top() - (index - 1) * page.body.height());
    const QRectF view(0, (index - 1) * page.body.height(), page.body.width(), page.body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    painter.setClipRect(view);
    context.clip = view;
    // Black on paper whatever the screen's palette says.
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);

    painter.setClipping(false);
    painter.setFont(QFont(document.defaultFont()));
    const QString number = QString::number(index);
    painter.drawText(
        qRound(page.numberOrigin.x() - painter.fontMetrics().horizontalAdvance(number)),
        qRound(page.numberOrigin.y() + view.top()), number);
    painter.restore();
}
} // namespace

bool DocumentPrinter::print(const QString& html, QPagedPaintDevice& device, int fromPage,
                            int toPage)
{
    const QMarginsF paperMargins = device.pageLayout().margins(QPageLayout::Millimeter);
    if (paperMargins.left() == 0. && paperMargins.right() == 0. && paperMargins.top() == 0. &&
        paperMargins.bottom() == 0.)
        device.setPageMargins(QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter);

    QPainter painter(&device);
    if (!painter.isActive())
        return false;

    const qreal sourceDpiX = sourceDpi(Qt::Horizontal);
    const qreal sourceDpiY = sourceDpi(Qt::Vertical);
    const int horizontalMargin = int((2 / 2.54) * sourceDpiX);
    const int verticalMargin = int((2 / 2.54) * sourceDpiY);

    QTextDocument document;
    // The root frame that the text gets has the document's margin on every
    // side.
    const bool evenMargins = horizontalMargin == verticalMargin;
    if (evenMargins)
        document.setDocumentMargin(horizontalMargin);
    document.documentLayout()->setPaintDevice(painter.device());
    Page page;
    page.body = QRectF(0, 0, device.width(), device.height());
    document.setPageSize(page.body.size());
    setHtmlInOnePass(document, html);
    if (!evenMargins) {
        QTextFrameFormat format = document.rootFrame()->frameFormat();
        format.setLeftMargin(horizontalMargin);
        format.setRightMargin(horizontalMargin);
        format.setTopMargin(verticalMargin);
        format.setBottomMargin(verticalMargin);
        document.rootFrame()->setFrameFormat(format);
    }

    const qreal dpiScaleX = qreal(device.logicalDpiX()) / sourceDpiX;
    const qreal dpiScaleY = qreal(device.logicalDpiY()) / sourceDpiY;
    const int dpiY = painter.device()->logicalDpiY();
    page.numberOrigin = QPointF(
        page.body.width() - horizontalMargin * dpiScaleX,
        page.body.height() - verticalMargin * dpiScaleY +
            QFontMetrics(document.defaultFont(), painter.device()).ascent() + 5 * dpiY / 72.0);

    const int pageCount = document.pageCount();
    if (fromPage == 0 && toPage == 0) {
        fromPage = 1;
        toPage = pageCount;
    }
    fromPage = qMax(1, fromPage);
    toPage = qMin(pageCount, toPage);
    for (int index = fromPage; index <= toPage; ++index) {
        if (index > fromPage && !device.newPage())
            break;
        printPage(index, painter, document, page);
    }
    return true;
}
