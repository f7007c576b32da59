#include "app/MainWindow.h"

#include "app/AccessibilityDeferral.h"
#include "app/AppSetup.h"
#include "app/BoxForLines.h"
#include "app/DialogErros.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "conditions/HideConds.h"
#include "conditions/HideConds_Cont.h"
#include "dialogs/QtUserDialogs.h"
#include "document/ModelName.h"
#include "document/SymbolTable.h"
#include "document/XMLWork.h"
#include "lines/LineInBox.h"
#include "link/ControllerMenuCommands.h"
#include "link/PortChooser.h"
#include "link/ReceiveStep.h"
#include "report/ReportPrinter.h"
#include "report/SettingsReport.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTreeWidget>

MainWindow* g_MainWindow = nullptr;

namespace {
const QString kManufacturerSite = QStringLiteral("https://www.orvek.ru/");
const QString kOpenTitle = QStringLiteral("Открытие...");

TreeWidgetItemLineInLeftTree* findInSubtree(QTreeWidgetItem* root, BoxForLines* box)
{
    auto* item = dynamic_cast<TreeWidgetItemLineInLeftTree*>(root);
    if (!item)
        return nullptr;
    if (item->m_Boxes.contains(box))
        return item;
    for (int i = 0; i < item->childCount(); ++i) {
        if (TreeWidgetItemLineInLeftTree* found = findInSubtree(item->child(i), box))
            return found;
    }
    return nullptr;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_Version(QStringLiteral("1.0"))
{
    initLirResources();
    AccessibilityDeferral::install();
    QtUserDialogs::makeDefault();
    setWindowIcon(QIcon(QStringLiteral(":/new/ico`s/LIR-1_32x32.ico")));
    g_MainWindow = this;

    g_SymbolTable = new SymbolTable;
    g_HideConds = new HideConds;
    g_HideConds_Cont = new HideConds_Cont;

    m_ScrollArea = new ScrollAreaWidget(nullptr);
    m_Tree = new QTreeWidget(nullptr);
    g_HideConds->m_Tree = m_Tree;
    g_HideConds_Cont->m_Tree = m_Tree;

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setOpaqueResize(false);
    splitter->addWidget(m_Tree);
    splitter->addWidget(m_ScrollArea);

    m_Tree->header()->hide();
    m_Tree->setMaximumWidth(450);

    m_XmlWork = new XMLWork(nullptr);
    m_XmlWork->m_Tree = m_Tree;
    m_XmlWork->m_ScrollArea = m_ScrollArea;

    connect(m_Tree, SIGNAL(itemClicked(QTreeWidgetItem*, int)), m_ScrollArea,
            SLOT(slotActivatedBox(QTreeWidgetItem*, int)));

    setCentralWidget(splitter);
    createMenus();
    setWindowTitle(QStringLiteral("Редактор настроек ") + m_Version);
}

MainWindow::~MainWindow()
{
    // The document's lines refer to the tree and the registries, so the
    // screens go first; the objects without a parent follow. The tree items
    // own their group boxes, which are also children of the group view, so
    // the items must go before the group view deletes the boxes itself.
    m_Tree->clear();
    delete takeCentralWidget();
    delete m_XmlWork;
    qDeleteAll(m_Menus);
    for (QAction* action :
         {m_ActOpen, m_ActSaveAs, m_ActPrint, m_ActExit, m_ActAbout, m_ActRead, m_ActWrite})
        delete action;
    delete g_HideConds_Cont;
    g_HideConds_Cont = nullptr;
    delete g_HideConds;
    g_HideConds = nullptr;
    delete g_SymbolTable;
    g_SymbolTable = nullptr;
    if (g_MainWindow == this)
        g_MainWindow = nullptr;
}

void MainWindow::createMenus()
{
    const auto storedAction = [this](const QString& text, const char* slot) {
        auto* action = new QAction(text, nullptr);
        connect(action, SIGNAL(triggered()), this, slot);
        return action;
    };
    m_ActOpen = storedAction(QStringLiteral("Открыть"), SLOT(slotOpenFile()));
    m_ActSaveAs = storedAction(QStringLiteral("Сохранить как..."), SLOT(slotSaveFile()));
    m_ActPrint = storedAction(QStringLiteral("Печать"), SLOT(slotPrint()));
    m_ActExit = storedAction(QStringLiteral("Выход"), SLOT(close()));
    m_ActAbout = storedAction(QStringLiteral("О программе"), SLOT(slotAboutOrvek()));
    m_ActRead = storedAction(QStringLiteral("Считать из контроллера"), SLOT(slotLoadFromLir()));
    m_ActWrite = storedAction(QStringLiteral("Записать в контроллер"), SLOT(slotSaveToLir()));

    auto* fileMenu = new QMenu(QStringLiteral("Файл"));
    auto* settingsMenu = new QMenu(QStringLiteral("Настройки"));
    auto* helpMenu = new QMenu(QStringLiteral("Справка"));
    m_Menus = {fileMenu, settingsMenu, helpMenu};
    for (QMenu* menu : qAsConst(m_Menus))
        menuBar()->addMenu(menu);

    fileMenu->addAction(QStringLiteral("Новый ЛИР-1"), this, SLOT(slotNewFile1()));
    fileMenu->addAction(QStringLiteral("Новый ЛИР-2"), this, SLOT(slotNewFile2()));
    fileMenu->addAction(m_ActOpen);
    fileMenu->addAction(m_ActSaveAs);
    fileMenu->addAction(m_ActPrint);
    fileMenu->addAction(m_ActExit);
    settingsMenu->addAction(m_ActRead);
    settingsMenu->addAction(m_ActWrite);
    helpMenu->addAction(m_ActAbout);

    slotCanSave(false);
    m_ActWrite->setEnabled(false);
}

void MainWindow::slotCanSave(bool can)
{
    m_ActSaveAs->setEnabled(can);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (UserDialogs::askYesNo(this, QStringLiteral("Закрытие..."),
                              QStringLiteral("Закрыть приложение?")))
        event->accept();
    else
        event->ignore();
}

void MainWindow::slotAboutOrvek()
{
    const QString text =
        QStringLiteral("<a href=\"") + kManufacturerSite +
        QStringLiteral("\"><img src=\":/new/logo/LOGO.png\"></a>") + QStringLiteral("<br>") +
        QStringLiteral("<H1 align=\"center\">Редактор настроек ЛИР-1, ЛИР-2</H1>") +
        QStringLiteral("Версия: ") + m_Version + QStringLiteral("<br>") +
        QStringLiteral("<a href=\"") + kManufacturerSite + QStringLiteral("\">«Орвек»</a>");
    UserDialogs::current().message(UserDialogs::Kind::NoIcon, this, QStringLiteral("О программе."),
                                   text, UserDialogs::Ok);
}

TreeWidgetItemLineInLeftTree* MainWindow::findTreeWidgetOfBox(BoxForLines* box) const
{
    const int topLevelCount = m_Tree->topLevelItemCount();
    for (int i = 0; i < topLevelCount; ++i) {
        if (TreeWidgetItemLineInLeftTree* found = findInSubtree(m_Tree->topLevelItem(i), box))
            return found;
    }
    return nullptr;
}

void MainWindow::addErrorField(const QString& group, const QString& field)
{
    m_ErrorFields.add(group, field);
}

void MainWindow::removeErrorField(const QString& group, const QString& field)
{
    m_ErrorFields.remove(group, field);
}

void MainWindow::addErrorField(const QDomElement& setting, const QString& group,
                               const QString& field)
{
    m_ErrorFields.add(setting, group, field);
}

void MainWindow::removeErrorField(const QDomElement& setting)
{
    m_ErrorFields.remove(setting);
}

bool MainWindow::reportErrorFields()
{
    finishEditInProgress();
    if (m_ErrorFields.isEmpty())
        return false;
    new DialogErros(QStringLiteral("Для сохранения или печати"), m_ErrorFields.listText(), nullptr);
    return true;
}

void MainWindow::finishEditInProgress()
{
    // A command chosen from a menu with the mouse takes the focus only as a
    // popup, so the focused editor never ends its edit by itself: its entry
    // would leave the editor unchecked.
    QWidget* focus = focusWidget();
    for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
        if (auto* box = qobject_cast<BoxForLines*>(widget)) {
            for (LineInBox* line : qAsConst(box->m_Lines))
                line->finishEditInProgress(focus);
            return;
        }
    }
}

bool MainWindow::mayReplaceDocument(const QString& title)
{
    // The enabled save action is the only mark of unsaved changes.
    if (!m_ActSaveAs->isEnabled())
        return true;
    return UserDialogs::askYesNo(this, title,
                                 QStringLiteral("Текущий файл не сохранён,\n продолжить?"));
}

void MainWindow::documentLoaded(const QString& modelName)
{
    slotCanSave(true);
    m_ActWrite->setEnabled(true);
    const QString name = modelName.isEmpty() ? modelNameOf(m_FormatVerMaj) : modelName;
    if (!name.isEmpty())
        m_ModelName = name;
}

void MainWindow::newDocument(const QString& defaultFile, const QString& modelName)
{
    if (!mayReplaceDocument(kOpenTitle))
        return;
    // A bare name: the default documents lie in the working directory.
    m_XmlWork->slotRenderXMLAndCreatGUI(defaultFile);
    documentLoaded(modelName);
}

void MainWindow::slotNewFile1()
{
    newDocument(QStringLiteral("lir1_sets_default.xml"), QStringLiteral("ЛИР-1"));
}

void MainWindow::slotNewFile2()
{
    newDocument(QStringLiteral("lir2_sets_default.xml"), QStringLiteral("ЛИР-2"));
}

void MainWindow::slotOpenFile()
{
    if (!mayReplaceDocument(kOpenTitle))
        return;
    const QString fileName = UserDialogs::current().openFileName(
        this, QStringLiteral("Выбор открываемого файла настроек"), QString(),
        QStringLiteral("XML files (*.xml);;All files (*)"));
    if (fileName.isEmpty())
        return;
    m_XmlWork->slotRenderXMLAndCreatGUI(fileName);
    documentLoaded();
}

void MainWindow::slotSaveFile()
{
    if (reportErrorFields())
        return;
    if (!m_XmlWork->hasDocument()) {
        UserDialogs::information(this, QStringLiteral("Сохранение..."),
                                 QStringLiteral("Нет документа для сохранения."));
        return;
    }
    const QString fileName =
        UserDialogs::current().saveFileName(this, QStringLiteral("Сохраняем файла настроек"),
                                            QString(), QStringLiteral("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    m_XmlWork->slotSaveDomDocumentToXML(fileName);
}

void MainWindow::slotPrint()
{
    ReportPrinter::print(this);
}

void MainWindow::slotLoadFromLir()
{
    ControllerMenuCommands(*this).loadFromLir();
}

void MainWindow::slotSaveToLir()
{
    ControllerMenuCommands(*this).saveToLir();
}

ControllerPort MainWindow::choosePort(QWidget* parent, bool& cancelled)
{
    return PortChooser::choose(parent, cancelled);
}

void MainWindow::readFromPort(QIODevice& port, QByteArray& buffer, qint64& received, qint64 count,
                              bool& failed, int timeoutMs)
{
    ReceiveStep().receive(port, buffer, received, count, failed, timeoutMs);
}

void MainWindow::appendTreeRows(QString& html)
{
    SettingsReport::appendTreeRows(m_Tree, html, this);
}

void MainWindow::goingTree(QTreeWidgetItem* qtwi, QString& html, QString con)
{
    SettingsReport::goingTree(qtwi, html, con, this);
}
