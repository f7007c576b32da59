#include "document/XMLWork.h"

#include "app/BoxForLines.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "conditions/HideConds.h"
#include "conditions/HideConds_Cont.h"
#include "dialogs/UserDialogs.h"
#include "document/DocumentInput.h"
#include "document/DocumentParser.h"
#include "document/DocumentText.h"
#include "document/DocumentWalk.h"
#include "document/OutputFile.h"
#include "document/SettingsModel.h"
#include "document/SymbolTable.h"
#include "document/ValueCodec.h"
#include "lines/LineInBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
const QString kOpenErrorTitle = DocumentParser::errorTitle();

QString quotedFileName(const QString& fileName)
{
    return QStringLiteral("«") + QDir::toNativeSeparators(fileName) + QStringLiteral("»");
}

} // namespace

XMLWork::XMLWork(QObject* parent) : QObject(parent) {}

XMLWork::~XMLWork()
{
    delete m_Document;
}

void XMLWork::slotRenderXMLAndCreatGUI(const QString& fileName)
{
    loadFile(fileName);
}

void XMLWork::slotRenderXMLAndCreatGUI(const QByteArray& bytes)
{
    loadBytes(bytes);
}

XMLWork::LoadResult XMLWork::loadFile(const QString& fileName)
{
    discardDocument();
    QByteArray text;
    QString reason;
    if (!DocumentInput::readFile(fileName, text, reason)) {
        UserDialogs::critical(nullptr, kOpenErrorTitle,
                              DocumentInput::cannotOpenText(fileName, reason));
        return LoadResult::Unreadable;
    }
    return parseAndBuild(text);
}

XMLWork::LoadResult XMLWork::loadBytes(const QByteArray& bytes)
{
    discardDocument();
    return parseAndBuild(bytes);
}

void XMLWork::discardDocument()
{
    if (!m_Document)
        return;
    m_ScrollArea->m_Current = nullptr;
    m_Tree->clear();
    delete m_Document;
    m_Document = nullptr;
    m_Text.clear();
    if (g_MainWindow)
        g_MainWindow->m_ErrorFields.clear();
    // A load that fails leaves nothing of the old document behind.
    if (g_SymbolTable)
        g_SymbolTable->clear();
}

XMLWork::LoadResult XMLWork::parseAndBuild(const QByteArray& text)
{
    m_Document = new QDomDocument;
    const DocumentParser::Result parsed = DocumentParser::parse(text, *m_Document);
    if (!parsed.parsed) {
        UserDialogs::about(nullptr, kOpenErrorTitle, parsed.message());
        return LoadResult::Refused;
    }
    m_Text.setSource(text);

    const QDomElement root = m_Document->documentElement();
    if (g_SymbolTable)
        g_SymbolTable->loadSymbols(root);
    buildScreens(root);
    m_Tree->expandAll();

    g_HideConds->connectConds();
    g_HideConds_Cont->connectConds();
    g_HideConds->clearConds();
    g_HideConds_Cont->clearConds();

    QCoreApplication::processEvents();
    loadValuesFromDom();
    // Conditions otherwise act only when a source signals a change; decide
    // each once against the loaded values so the screens start as the
    // document says.
    g_HideConds->evaluateWired();
    g_HideConds_Cont->evaluateWired();
    QCoreApplication::processEvents();
    return LoadResult::Loaded;
}

namespace {
void dropPolishRequests()
{
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
}

// Builds the screens on the loader's walk: a tree item per container, a
// line per setting in its container's box, the containers' conditions handed
// to their registry.
class ScreenBuilder : public DocumentWalk<TreeWidgetItemLineInLeftTree>
{
public:
    ScreenBuilder(QTreeWidget& tree, QWidget& boxParent) : m_Tree(tree), m_BoxParent(boxParent) {}

protected:
    void visitNode(const QDomNode& node) override
    {
        if (node.isElement() && node.nodeName() == QLatin1String("lir1Settings") && g_MainWindow) {
            g_MainWindow->m_FormatVerMaj = ValueCodec::formatVersionByte(
                node.toElement().attribute(QStringLiteral("formatVerMaj")));
        }
    }

    TreeWidgetItemLineInLeftTree* takeContainer(const QDomElement& element,
                                                TreeWidgetItemLineInLeftTree* parent) override
    {
        dropPolishRequests();
        auto* item = new TreeWidgetItemLineInLeftTree(0);
        item->setText(0, element.attribute(QStringLiteral("name")));
        if (parent)
            parent->addChild(item);
        else
            m_Tree.addTopLevelItem(item);
        return item;
    }

    void takeSetting(const QDomElement& signal, TreeWidgetItemLineInLeftTree* container) override
    {
        BoxForLines* box = container->addLine(new LineInBox(signal), nullptr);
        if (box->parentWidget() != &m_BoxParent)
            box->setParent(&m_BoxParent);
    }

    void refuseSetting(const QDomElement& signal) override
    {
        const SettingsModel::Message fault = SettingsModel::orphanSetting(signal);
        UserDialogs::about(nullptr, fault.title, fault.text);
    }

    void takeContainerConditions(const QDomElement& hideConds,
                                 TreeWidgetItemLineInLeftTree* container) override
    {
        g_HideConds_Cont->readHideConds(container, hideConds);
    }

private:
    QTreeWidget& m_Tree;
    QWidget& m_BoxParent;
};
} // namespace

void XMLWork::buildScreens(const QDomElement& root)
{
    // Every widget asks to be polished when it is made, by an event posted
    // to it. Polishing the widgets of every group took a tenth of a load,
    // and more since a hint builds its text document when polished
    // (HintLabel); Qt polishes a widget anyway right before it is first
    // shown or measured, so the walk's widgets are left to that. Widgets
    // that asked before the walk are polished now, as the handling of
    // pending events at the end of the load would have done. The walk drops
    // the requests at each container: a queue of every request of the
    // document would be scanned whenever Qt posts an event it may merge.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
    renderNode(root, nullptr, false);
    dropPolishRequests();
}

void XMLWork::renderNode(const QDomNode& node, TreeWidgetItemLineInLeftTree* parentItem, bool start)
{
    ScreenBuilder(*m_Tree, *m_ScrollArea->m_Content).walk(node, parentItem, start);
}

void XMLWork::loadValuesFromDom()
{
    for (QTreeWidgetItemIterator it(m_Tree); *it; ++it) {
        if (auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(*it)) {
            for (BoxForLines* box : qAsConst(item->m_Boxes))
                box->loadLinesFromDom();
        }
    }
}

bool XMLWork::hasDocument() const
{
    return m_Document && !m_Document->documentElement().isNull();
}

QByteArray XMLWork::documentText() const
{
    if (!hasDocument())
        return QByteArray();
    return m_Text.of(*m_Document);
}

bool XMLWork::saveToFile(const QString& fileName, QString& reason) const
{
    return OutputFile::write(fileName, documentText(), reason);
}

void XMLWork::slotSaveDomDocumentToXML(const QString& fileName)
{
    // Without a document there is nothing to write; an empty file would only
    // destroy whatever had that name.
    if (!hasDocument())
        return;
    QString reason;
    if (!saveToFile(fileName, reason)) {
        UserDialogs::critical(g_MainWindow, QStringLiteral("Ошибка сохранения файла"),
                              QStringLiteral("Не удалось сохранить файл ") +
                                  quotedFileName(fileName) + QStringLiteral(": ") + reason);
    }
}

void XMLWork::slotSaveDomDocumentToBytes(QByteArray& bytes)
{
    bytes += documentText();
}
