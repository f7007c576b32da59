#pragma once

#include "dialogs/PrintingDialogs.h"

// The editor's dialogs during a benchmark: messages are printed (and
// counted), the output choice of "Печать" answers with the PDF entry and the
// save dialog with `pdfFileName`.
class BenchDialogs : public PrintingDialogs
{
public:
    BenchDialogs(QTextStream& out, const QString& pdfFileName);

    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override;
    QString chooseItem(QWidget* parent, const QString& title, const QString& label,
                       const QStringList& items, int current, bool* ok) override;

private:
    QString m_PdfFileName;
};
