#pragma once

#include "document/SymbolTable.h"

#include <QString>
#include <QVector>

class QDomDocument;
class SettingsModel;
class QDomElement;

// Finds the values of a settings document that the setting lines would
// refuse, using the lines' own validators and value encodings, without
// building any widget.
class DocumentValueChecker
{
public:
    struct Finding
    {
        int line = 0;      // line number of the `signal` element
        QString label;     // the caption of the setting's line, shortened for messages
        QString container; // `name` of the container that holds it (shortened)
        QString problem;   // what is wrong with the value
    };

    // Reads the document's own symbols, which decide the string classes.
    explicit DocumentValueChecker(const QDomDocument& document);

    // The findings for every setting the loader makes a line of, in document
    // order.
    QVector<Finding> findings() const;
    // The same for a model made of the document already.
    QVector<Finding> findings(const SettingsModel& model) const;
    // What is wrong with the value of one `signal` element; empty when it
    // is fine (an empty value is fine for every kind but numbers).
    QString problemOf(const QDomElement& signal) const;
    // The same with the symbols of the document, which decide the letters
    // a string admits. This is the one rule of which values a line must
    // refuse: the editor marks and lists the fields it holds.
    static QString problemOf(const QDomElement& signal, const SymbolTable& symbols);

private:
    static QString stringProblem(const QDomElement& signal, const QString& value,
                                 const SymbolTable& symbols);

    const QDomDocument& m_Document;
    SymbolTable m_Symbols;
};
