#pragma once

#include <QString>

class MainWindow;

// The "Печать" command: checks the fields to correct, builds the report and
// prints it on paper or into a PDF file.
class ReportPrinter
{
public:
    static void print(MainWindow* window);

    // The PDF file name as written: ".pdf" is appended when the name holds no
    // ".pdf" anywhere (case-sensitive).
    static QString pdfFileName(const QString& chosen);

private:
    static void printOnPaper(MainWindow* window, const QString& html);
    static void printIntoPdf(MainWindow* window, const QString& html);
};
