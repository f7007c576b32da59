#pragma once

#include <QByteArray>
#include <QString>

class QDomDocument;
class QTextStream;

// A settings document for the commands that compare documents: a file, or
// "port:DEV", the document read out of the controller on DEV as "Считать из
// контроллера" reads it (commands 1 and 2).
class DocumentSource
{
public:
    static bool isPort(const QString& source);
    // The device of "port:DEV", the file name otherwise: what messages name.
    static QString name(const QString& source);

    // The document's text. False when it cannot be had: a file's reason is
    // printed on `err`, a link failure goes through the installed dialogs.
    static bool read(const QString& source, QByteArray& text, QTextStream& err);
    // Parses `text` as the editor's loader does; false, with the reason on
    // `err`, when it is no document.
    static bool parse(const QString& name, const QByteArray& text, QDomDocument& document,
                      QTextStream& err);
    // Reads the controller's document out of `device`.
    static bool readPort(const QString& device, QByteArray& text);
};
