#include "link/ControllerMenuCommands.h"

#include "app/MainWindow.h"
#include "dialogs/UserDialogs.h"
#include "document/XMLWork.h"
#include "link/ControllerCommands.h"
#include "link/LinkMessages.h"
#include "link/TransferProgressDialog.h"

#include <QAction>

ControllerMenuCommands::ControllerMenuCommands(MainWindow& window) : m_Window(window) {}

void ControllerMenuCommands::loadFromLir()
{
    if (!m_Window.mayReplaceDocument(QStringLiteral("Загрузка из...")))
        return;
    ControllerPort port;
    if (!choosePort(port))
        return;
    QByteArray text;
    ControllerCommands::Result result;
    {
        TransferProgressDialog progress(LinkMessages::readTitle(), &m_Window);
        result = ControllerCommands(&progress, ControllerCommands::OpenFailure::PortOnly)
                     .readDocument(port, text);
    }
    if (result == ControllerCommands::Result::Done)
        takeLoadedDocument(text);
}

void ControllerMenuCommands::saveToLir()
{
    if (m_Window.reportErrorFields())
        return;
    // Checked before any port is touched: a missing or empty document is
    // never sent, and the document itself is left alone.
    const QByteArray text = documentToWrite();
    if (text.isEmpty()) {
        UserDialogs::about(&m_Window, LinkMessages::writeTitle(),
                           LinkMessages::noDocumentToWriteText());
        return;
    }
    ControllerPort port;
    if (!choosePort(port))
        return;
    ControllerCommands::Result result;
    {
        TransferProgressDialog progress(LinkMessages::writeTitle(), &m_Window);
        result = ControllerCommands(&progress, ControllerCommands::OpenFailure::PortOnly)
                     .writeDocument(port, text, m_Window.m_FormatVerMaj);
    }
    if (result == ControllerCommands::Result::Done)
        UserDialogs::about(&m_Window, LinkMessages::writeTitle(),
                           LinkMessages::writeSucceededText());
}

bool ControllerMenuCommands::choosePort(ControllerPort& port)
{
    bool cancelled = true;
    port = m_Window.choosePort(&m_Window, cancelled);
    return !cancelled;
}

void ControllerMenuCommands::takeLoadedDocument(const QByteArray& text)
{
    m_Window.m_XmlWork->slotRenderXMLAndCreatGUI(text);
    m_Window.documentLoaded();
}

QByteArray ControllerMenuCommands::documentToWrite() const
{
    if (!m_Window.m_XmlWork->hasDocument())
        return QByteArray();
    QByteArray bytes;
    m_Window.m_XmlWork->slotSaveDomDocumentToBytes(bytes);
    return bytes;
}
