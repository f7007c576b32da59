#include "document/LoadedDocument.h"

#include "dialogs/UserDialogs.h"
#include "document/ModelName.h"
#include "document/ValueCodec.h"

LoadedDocument::Result LoadedDocument::load(const QByteArray& text)
{
    DocumentParser::Result parsed;
    const Result result = load(text, parsed);
    if (result == Result::Refused)
        UserDialogs::about(nullptr, DocumentParser::errorTitle(), parsed.message());
    return result;
}

LoadedDocument::Result LoadedDocument::load(const QByteArray& text, DocumentParser::Result& parsed)
{
    m_Document = QDomDocument();
    m_Model = SettingsModel();
    m_Text.clear();
    parsed = DocumentParser::parse(text, m_Document);
    if (!parsed.parsed)
        return Result::Refused;
    m_Text.setSource(text);
    m_Model = SettingsModel::of(m_Document);
    return Result::Loaded;
}

void LoadedDocument::tellLoadMessages() const
{
    for (const SettingsModel::Message& message : m_Model.loadMessages())
        UserDialogs::about(nullptr, message.title, message.text);
}

quint8 LoadedDocument::formatVersion() const
{
    const QDomElement root = m_Document.documentElement();
    if (root.tagName() != QLatin1String("lir1Settings"))
        return 255;
    return ValueCodec::formatVersionByte(root.attribute(QStringLiteral("formatVerMaj")));
}

QString LoadedDocument::modelName() const
{
    return modelNameOf(formatVersion());
}

SymbolTable LoadedDocument::symbols() const
{
    SymbolTable table;
    table.loadSymbols(m_Document.documentElement());
    return table;
}
