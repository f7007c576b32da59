#pragma once

#include "document/DocumentParser.h"
#include "document/DocumentText.h"
#include "document/SettingsModel.h"
#include "document/SymbolTable.h"

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// A settings document loaded as the editor loads it, without its screens:
// parsed through the one parser, its settings model, the messages the editor
// shows meanwhile, and the text the editor would save or send.
class LoadedDocument
{
public:
    enum class Result
    {
        Loaded,
        Refused // the text does not parse; the parser's message was told
    };

    Result load(const QByteArray& text);
    // The same, but a text that does not parse is not told: `parsed` says
    // why.
    Result load(const QByteArray& text, DocumentParser::Result& parsed);
    // Tells through the dialog seam what the editor says while it builds its
    // screens for the loaded document.
    void tellLoadMessages() const;

    const QDomDocument& document() const { return m_Document; }
    const SettingsModel& model() const { return m_Model; }
    // The document's symbols, which decide the letters its strings take.
    SymbolTable symbols() const;
    // The settings version as the editor keeps it: the low byte of the
    // document element's formatVerMaj, 255 when that element is no
    // lir1Settings.
    quint8 formatVersion() const;
    // The controller model that version names ("ЛИР-1", "ЛИР-2"), or empty.
    QString modelName() const;
    QByteArray text() const { return m_Text.of(m_Document); }

private:
    QDomDocument m_Document;
    SettingsModel m_Model;
    DocumentText m_Text;
};
