#include "tools/lir-settings/DocumentSource.h"

#include "document/DocumentParser.h"
#include "link/ControllerCommands.h"

#include <QDomDocument>
#include <QFile>
#include <QTextStream>

namespace {
const QString kPortPrefix = QStringLiteral("port:");
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
    QFile file(source);
    if (file.open(QIODevice::ReadOnly))
        text = file.readAll();
    if (file.error() == QFileDevice::NoError)
        return true;
    err << "lir-settings: cannot read " << source << ": " << file.errorString() << '\n';
    return false;
}

bool DocumentSource::readPort(const QString& device, QByteArray& text)
{
    return ControllerCommands().readDocument(ControllerPort::fromDevice(device), text) ==
           ControllerCommands::Result::Done;
}

bool DocumentSource::parse(const QString& name, const QByteArray& text, QDomDocument& document,
                           QTextStream& err)
{
    const DocumentParser::Result parsed = DocumentParser::parse(text, document);
    if (parsed.parsed)
        return true;
    err << "lir-settings: " << name << ':' << parsed.line << ':' << parsed.column
        << ": not a settings document: " << parsed.reason << '\n';
    return false;
}
