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

    // Prints the report `html` into the PDF file `fileName`, which is
    // replaced as a whole or left as it was; false with the reason when the
    // PDF could not be printed or written.
    static bool printToPdf(const QString& html, const QString& fileName, QString& reason);

private:
    static void printOnPaper(MainWindow* window, const QString& html);
    static void printIntoPdf(MainWindow* window, const QString& html);
};
