#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// The one way the text of a settings document comes in from a file, a pipe
// or standard input: read once, front to back, and never more than
// DocumentParser::kMaxDocumentBytes of it, so that a pipe or a FIFO loses
// nothing and a huge file is refused before it fills the memory.
class DocumentInput
{
public:
    // False, with the reason in `reason`, when `fileName` cannot be read or
    // is larger than the bound.
    static bool readFile(const QString& fileName, QByteArray& text, QString& reason);
    // The same for standard input.
    static bool readStandardInput(QByteArray& text, QString& reason);
    // Reads `file`, open for reading, to its end.
    static bool read(QFile& file, QByteArray& text, QString& reason);

    // "Документ больше 16 МиБ (16777216 байт)": the refusal of a text
    // beyond the bound.
    static QString tooLargeReason();
    // The message of the editor's open when `fileName` cannot be read.
    static QString cannotOpenText(const QString& fileName, const QString& reason);
};
