#pragma once

#include <QObject>

class QDomDocument;
class QTreeWidget;
class ScrollAreaWidget;

// Owns the current settings document and builds the screens from it.
class XMLWork : public QObject
{
    Q_OBJECT
public:
    explicit XMLWork(QObject* parent = nullptr);
    ~XMLWork() override;

    QDomDocument* m_Document = nullptr;
    QTreeWidget* m_Tree = nullptr;
    ScrollAreaWidget* m_ScrollArea = nullptr;

public slots:
    void slotRenderXMLAndCreatGUI(const QString& fileName);
    void slotRenderXMLAndCreatGUI(const QByteArray& bytes);
    void slotSaveDomDocumentToXML(const QString& fileName);
    void slotSaveDomDocumentToBytes(QByteArray& bytes);
};
