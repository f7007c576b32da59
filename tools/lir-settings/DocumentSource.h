#pragma once

#include "document/DocumentParser.h"

#include <QByteArray>
#include <QString>

class LoadedDocument;
class QDomDocument;
class QTextStream;

// Where the commands take a settings document from: a file, "-" for
// standard input, or "port:DEV", the document read out of the controller on
// DEV as "Считать из контроллера" reads it (commands 1 and 2). Each is read
// once, and never beyond the size bound of a document.
class DocumentSource
{
public:
    static bool isPort(const QString& source);
    // The device of "port:DEV", the file name otherwise: what messages name.
    static QString name(const QString& source);

    // The document's text. False when it cannot be had: a file's reason is
    // printed on `err`, a link failure goes through the installed dialogs.
    static bool read(const QString& source, QByteArray& text, QTextStream& err);
    // The text of a file or of standard input for the commands that load it
    // as "Открыть" does: a failure is shown through the installed dialogs as
    // the editor shows it.
    static bool readToLoad(const QString& source, QByteArray& text);
    // Parses `text` as the editor's loader does; false, with the reason on
    // `err`, when it is no settings document.
    static bool parse(const QString& name, const QByteArray& text, QDomDocument& document,
                      QTextStream& err);
    // Reads and loads the document of `source` without telling its load
    // messages; false, with the reason on `err` as parse() gives it, when
    // it cannot be had or is no settings document.
    static bool load(const QString& source, LoadedDocument& loaded, QTextStream& err);
    // Reads the controller's document out of `device`.
    static bool readPort(const QString& device, QByteArray& text);

    // Empty for a document whose document element is lir1Settings; else
    // "LINE: not a settings document: ...", what the commands print after
    // the document's name and a colon.
    static QString notSettingsDocument(const QDomDocument& document);

private:
    static bool refused(const QString& name, const DocumentParser::Result& parsed,
                        const QDomDocument& document, QTextStream& err);
    static bool readFileOrInput(const QString& source, QByteArray& text, QString& reason);
};
