#pragma once

#include <QString>
#include <QVector>
#include <utility>

class QDomElement;

// The document's named character classes: pairs (code, name) read from the
// attributes "symbols_<name>" of the first `symbols` element directly under
// the document element. Codes 1 to 5 select the string validators.
class SymbolTable
{
public:
    SymbolTable();

    // Empties the table and refills it from `documentElement`.
    void loadSymbols(const QDomElement& documentElement);
    // The code of the first pair named `name`, or -1.
    int symbolCode(const QString& name) const;

    void clear() { m_Symbols.clear(); }
    int size() const { return m_Symbols.size(); }
    const QVector<std::pair<int, QString>>& symbols() const { return m_Symbols; }

private:
    QVector<std::pair<int, QString>> m_Symbols;
};

extern SymbolTable* g_SymbolTable;
