#pragma once

#include "document/FieldsToCorrect.h"

#include <QMainWindow>
#include <QString>

class BoxForLines;
class ControllerPort;
class QAction;
class QIODevice;
class QTreeWidget;
class QTreeWidgetItem;
class ScrollAreaWidget;
class TreeWidgetItemLineInLeftTree;
class XMLWork;

// The one main window: menus, navigation tree, group view, the registry of
// invalid fields, and every command of the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The item whose boxes hold `box`, searched depth first, or none.
    TreeWidgetItemLineInLeftTree* findTreeWidgetOfBox(BoxForLines* box) const;

    void addErrorField(const QString& group, const QString& field);
    void removeErrorField(const QString& group, const QString& field);
    // The same for the field of one setting: lines that share a caption in
    // one group are registered and cleared each on its own.
    void addErrorField(const QDomElement& setting, const QString& group, const QString& field);
    void removeErrorField(const QDomElement& setting);
    // Ends the edit in progress, then shows the list of fields to correct and
    // returns true when there are any.
    bool reportErrorFields();

    // Asks, under `title`, whether unsaved changes may be dropped; true when
    // there are none or the user agrees.
    bool mayReplaceDocument(const QString& title);
    // The state after every document load, whatever the load reported: save
    // and write enabled, and the model name set to `modelName`, or without
    // one to the model of the loaded format version (kept when that names no
    // model).
    void documentLoaded(const QString& modelName = QString());

    // The report walk over the navigation tree.
    void appendTreeRows(QString& html);
    void goingTree(QTreeWidgetItem* qtwi, QString& html, QString con);

    quint8 m_FormatVerMaj = 255;
    XMLWork* m_XmlWork = nullptr;
    QTreeWidget* m_Tree = nullptr;
    ScrollAreaWidget* m_ScrollArea = nullptr;
    QAction* m_ActOpen = nullptr;
    QAction* m_ActSaveAs = nullptr;
    QAction* m_ActPrint = nullptr;
    QAction* m_ActExit = nullptr;
    QAction* m_ActAbout = nullptr;
    QAction* m_ActRead = nullptr;
    QAction* m_ActWrite = nullptr;
    FieldsToCorrect m_ErrorFields;
    QString m_Version;
    QString m_ModelName;

public slots:
    virtual void slotNewFile1();
    virtual void slotNewFile2();
    virtual void slotOpenFile();
    virtual void slotSaveFile();
    virtual void slotPrint();
    virtual void slotCanSave(bool can = true);
    virtual void slotAboutOrvek();
    virtual void slotLoadFromLir();
    virtual void slotSaveToLir();

protected:
    void closeEvent(QCloseEvent* event) override;
    virtual void createMenus();
    // The serial port for a controller command; `cancelled` is set when the
    // user cancels the choice.
    virtual ControllerPort choosePort(QWidget* parent, bool& cancelled);
    // The receive step of the controller link.
    virtual void readFromPort(QIODevice& port, QByteArray& buffer, qint64& received, qint64 count,
                              bool& failed, int timeoutMs);

private:
    friend class ControllerMenuCommands; // runs the controller commands with choosePort
    void newDocument(const QString& defaultFile, const QString& modelName);
    // The focused line checks its entry as if its editing had finished.
    void finishEditInProgress();

    QList<QMenu*> m_Menus;
};

extern MainWindow* g_MainWindow;
