#pragma once

#include <QString>

// The report as a PDF file, made without a printer: the pages that
// DocumentPrinter lays out, at the screen's resolution, on A4 paper.
class ReportPdf
{
public:
    // Writes the report `html` into `fileName` through the output file, which
    // replaces it as a whole or leaves it as it was; false with the reason
    // when the PDF could not be made or written.
    static bool write(const QString& html, const QString& fileName, QString& reason);
};
