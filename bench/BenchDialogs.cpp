#include "bench/BenchDialogs.h"

BenchDialogs::BenchDialogs(QTextStream& out, const QString& pdfFileName)
    : PrintingDialogs(out), m_PdfFileName(pdfFileName)
{
}

QString BenchDialogs::saveFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return m_PdfFileName;
}

QString BenchDialogs::chooseItem(QWidget*, const QString&, const QString&, const QStringList& items,
                                 int, bool* ok)
{
    *ok = !items.isEmpty();
    return items.value(items.size() - 1);
}
