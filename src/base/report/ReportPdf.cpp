#include "report/ReportPdf.h"

#include "document/OutputFile.h"
#include "report/DocumentPrinter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QScreen>

namespace {
// A printer made for the screen's resolution, as the editor's printing had
// it; 96 without a screen.
int screenResolution()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}
} // namespace

bool ReportPdf::write(const QString& html, const QString& fileName, QString& reason)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QStringLiteral("Report"));
        writer.setResolution(screenResolution());
        writer.setPageSize(QPageSize(QPageSize::A4));
        if (!DocumentPrinter::print(html, writer)) {
            reason = QStringLiteral("PDF не сформирован");
            return false;
        }
    }
    if (!pdf.data().startsWith("%PDF") || !pdf.data().trimmed().endsWith("%%EOF")) {
        reason = QStringLiteral("PDF не сформирован");
        return false;
    }
    return OutputFile::write(fileName, pdf.data(), reason);
}
