#include "document/XMLWork.h"

#include <QDomDocument>

XMLWork::XMLWork(QObject* parent) : QObject(parent) {}

XMLWork::~XMLWork()
{
    delete m_Document;
}

void XMLWork::slotRenderXMLAndCreatGUI(const QString& fileName)
{
    Q_UNUSED(fileName);
}

void XMLWork::slotRenderXMLAndCreatGUI(const QByteArray& bytes)
{
    Q_UNUSED(bytes);
}

void XMLWork::slotSaveDomDocumentToXML(const QString& fileName)
{
    Q_UNUSED(fileName);
}

void XMLWork::slotSaveDomDocumentToBytes(QByteArray& bytes)
{
    Q_UNUSED(bytes);
}
