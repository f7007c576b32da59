#include "document/SymbolTable.h"

#include <QDomElement>
#include <QDomNamedNodeMap>

SymbolTable* g_SymbolTable = nullptr;

namespace {
const QString kSymbolPrefix = QStringLiteral("symbols_");
}

SymbolTable::SymbolTable()
{
    m_Symbols.reserve(6);
}

void SymbolTable::loadSymbols(const QDomElement& documentElement)
{
    m_Symbols.clear();
    const QDomElement symbols = documentElement.firstChildElement(QStringLiteral("symbols"));
    if (symbols.isNull())
        return;
    const QDomNamedNodeMap attributes = symbols.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        const QString name = attribute.name();
        // The name must contain the prefix; its first eight characters are
        // dropped wherever the prefix stands.
        if (name.contains(kSymbolPrefix))
            m_Symbols.append({attribute.value().toInt(), name.mid(kSymbolPrefix.size())});
    }
}

int SymbolTable::symbolCode(const QString& name) const
{
    for (const auto& [code, symbolName] : m_Symbols) {
        if (symbolName == name)
            return code;
    }
    return -1;
}
