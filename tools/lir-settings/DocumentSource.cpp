#include "tools/lir-settings/DocumentSource.h"

#include "dialogs/UserDialogs.h"
#include "document/DocumentInput.h"
#include "document/DocumentParser.h"
#include "document/LoadedDocument.h"
#include "link/ControllerCommands.h"

#include <QDomDocument>
#include <QTextStream>

namespace {
const QString kPortPrefix = QStringLiteral("port:");
const QString kDocumentElement = QStringLiteral("lir1Settings");
} // namespace

bool DocumentSource::isPort(const QString& source)
{
    return source.startsWith(kPortPrefix);
}

QString DocumentSource::name(const QString& source)
{
    return isPort(source) ? source.mid(kPortPrefix.size()) : source;
}

bool DocumentSource::read(const QString& source, QByteArray& text, QTextStream& err)
{
    if (isPort(source))
        return readPort(name(source), text);
    QString reason;
    if (readFileOrInput(source, text, reason))
        return true;
    err << "lir-settings: cannot read " << source << ": " << reason << '\n';
    return false;
}

bool DocumentSource::readToLoad(const QString& source, QByteArray& text)
{
    QString reason;
    if (readFileOrInput(source, text, reason))
        return true;
    UserDialogs::critical(nullptr, DocumentParser::errorTitle(),
                          DocumentInput::cannotOpenText(source, reason));
    return false;
}

bool DocumentSource::readFileOrInput(const QString& source, QByteArray& text, QString& reason)
{
    if (source == QLatin1String("-"))
        return DocumentInput::readStandardInput(text, reason);
    return DocumentInput::readFile(source, text, reason);
}

bool DocumentSource::readPort(const QString& device, QByteArray& text)
{
    return ControllerCommands().readDocument(ControllerPort::fromDevice(device), text) ==
           ControllerCommands::Result::Done;
}

bool DocumentSource::parse(const QString& name, const QByteArray& text, QDomDocument& document,
                           QTextStream& err)
{
    return !refused(name, DocumentParser::parse(text, document), document, err);
}

bool DocumentSource::load(const QString& source, LoadedDocument& loaded, QTextStream& err)
{
    QByteArray text;
    if (!read(source, text, err))
        return false;
    DocumentParser::Result parsed;
    loaded.load(text, parsed);
    return !refused(name(source), parsed, loaded.document(), err);
}

bool DocumentSource::refused(const QString& name, const DocumentParser::Result& parsed,
                             const QDomDocument& document, QTextStream& err)
{
    if (!parsed.parsed) {
        err << "lir-settings: " << name << ':';
        if (parsed.line > 0)
            err << parsed.line << ':' << parsed.column << ':';
        err << " not a settings document: " << parsed.reason << '\n';
        return true;
    }
    const QString problem = notSettingsDocument(document);
    if (problem.isEmpty())
        return false;
    err << "lir-settings: " << name << ':' << problem << '\n';
    return true;
}

QString DocumentSource::notSettingsDocument(const QDomDocument& document)
{
    const QDomElement root = document.documentElement();
    if (root.tagName() == kDocumentElement)
        return QString();
    return QString::number(root.lineNumber()) +
           QStringLiteral(": not a settings document: the "
                          "document element is ") +
           root.tagName() + QStringLiteral(", not ") + kDocumentElement;
}
