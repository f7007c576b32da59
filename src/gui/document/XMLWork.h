#pragma once

#include "document/DocumentParser.h"
#include "document/DocumentText.h"

#include <QByteArray>
#include <QObject>

class QDomDocument;
class QDomElement;
class QDomNode;
class QTreeWidget;
class ScrollAreaWidget;
class TreeWidgetItemLineInLeftTree;

// Owns the current settings document and builds the screens from it.
class XMLWork : public QObject
{
    Q_OBJECT
public:
    // Deeper nesting than this is refused before the DOM parse.
    static constexpr int kMaxNestingDepth = DocumentParser::kMaxNestingDepth;

    enum class LoadResult
    {
        Loaded,    // the document is held and its screens are built
        Refused,   // the text is no document (parse error, refused by the checks)
        Unreadable // the file could not be read; no document is held
    };

    explicit XMLWork(QObject* parent = nullptr);
    ~XMLWork() override;

    // The loads behind the two render slots; each message has been shown
    // when they return.
    LoadResult loadFile(const QString& fileName);
    LoadResult loadBytes(const QByteArray& bytes);

    // True when a document with a document element is held, that is after a
    // load that succeeded.
    bool hasDocument() const;
    // The document as saved: indented by 4, UTF-8, declaring UTF-8 when it
    // declares an encoding at all, each element's attributes in the order of
    // the loaded text. Empty without a document.
    QByteArray documentText() const;
    // Replaces `fileName` with the document as a whole or leaves it as it
    // was (a device or a pipe is written into); on failure `reason` says why.
    bool saveToFile(const QString& fileName, QString& reason) const;

    QDomDocument* m_Document = nullptr;
    QTreeWidget* m_Tree = nullptr;
    ScrollAreaWidget* m_ScrollArea = nullptr;

    // The walk over `node`: one tree item per container, one line per
    // signal, the containers' conditions handed to their registry.
    // `parentItem` is the container whose children are walked (none outside
    // containers); `start` tells whether a hideConds may still belong to it.
    void renderNode(const QDomNode& node, TreeWidgetItemLineInLeftTree* parentItem, bool start);

public slots:
    void slotRenderXMLAndCreatGUI(const QString& fileName);
    void slotRenderXMLAndCreatGUI(const QByteArray& bytes);
    void slotSaveDomDocumentToXML(const QString& fileName);
    void slotSaveDomDocumentToBytes(QByteArray& bytes);

private:
    void discardDocument();
    // The walk from the document element, with the polishing of the new
    // widgets left to their first showing.
    void buildScreens(const QDomElement& root);
    LoadResult parseAndBuild(const QByteArray& text);
    void loadValuesFromDom();

    // The text the document was parsed from: it gives the attributes' order,
    // read at the first save and kept until another document is loaded.
    DocumentText m_Text;
};
