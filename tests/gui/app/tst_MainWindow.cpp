#include "app/DialogErros.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "lines/LineInBox.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class TestMainWindow : public QObject
{
    Q_OBJECT

    static QStringList actionTexts(const QList<QAction*>& actions)
    {
        QStringList texts;
        for (const QAction* action : actions)
            texts << action->text();
        return texts;
    }

private slots:
    void cleanup() { DocumentHelpers::closeFieldsToCorrectWindows(); }

    void startUpState()
    {
        MainWindow window;
        QCOMPARE(g_MainWindow, &window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Редактор настроек 1.0"));
        QCOMPARE(window.m_Version, QStringLiteral("1.0"));
        QCOMPARE(int(window.m_FormatVerMaj), 255);
        QVERIFY(window.m_ModelName.isEmpty());
        QCOMPARE(window.m_Tree->topLevelItemCount(), 0);
        QVERIFY(window.m_Tree->isHeaderHidden());
        QCOMPARE(window.m_Tree->maximumWidth(), 450);
        QVERIFY(!window.m_ScrollArea->m_Current);
        QVERIFY(!window.windowIcon().isNull());
    }

    void menusAndEntries()
    {
        MainWindow window;
        const QList<QAction*> menus = window.menuBar()->actions();
        QCOMPARE(actionTexts(menus),
                 QStringList({QStringLiteral("Файл"), QStringLiteral("Настройки"),
                              QStringLiteral("Справка")}));
        QCOMPARE(actionTexts(menus.at(0)->menu()->actions()),
                 QStringList({QStringLiteral("Новый ЛИР-1"), QStringLiteral("Новый ЛИР-2"),
                              QStringLiteral("Открыть"), QStringLiteral("Сохранить как..."),
                              QStringLiteral("Печать"), QStringLiteral("Выход")}));
        QCOMPARE(actionTexts(menus.at(1)->menu()->actions()),
                 QStringList({QStringLiteral("Считать из контроллера"),
                              QStringLiteral("Записать в контроллер")}));
        QCOMPARE(actionTexts(menus.at(2)->menu()->actions()),
                 QStringList({QStringLiteral("О программе")}));
        for (QAction* menu : menus) {
            for (QAction* entry : menu->menu()->actions()) {
                QVERIFY2(entry->shortcut().isEmpty(), qPrintable(entry->text()));
                QVERIFY2(entry->icon().isNull(), qPrintable(entry->text()));
            }
        }
        QCOMPARE(menus.at(0)->menu()->actions().at(2), window.m_ActOpen);
        QCOMPARE(menus.at(0)->menu()->actions().at(3), window.m_ActSaveAs);
        QCOMPARE(menus.at(0)->menu()->actions().at(4), window.m_ActPrint);
        QCOMPARE(menus.at(0)->menu()->actions().at(5), window.m_ActExit);
        QCOMPARE(menus.at(1)->menu()->actions().at(0), window.m_ActRead);
        QCOMPARE(menus.at(1)->menu()->actions().at(1), window.m_ActWrite);
        QCOMPARE(menus.at(2)->menu()->actions().at(0), window.m_ActAbout);
    }

    void enabledStatesAtStart_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("new 1") << "Новый ЛИР-1" << true;
        QTest::newRow("new 2") << "Новый ЛИР-2" << true;
        QTest::newRow("open") << "Открыть" << true;
        QTest::newRow("save as") << "Сохранить как..." << false;
        QTest::newRow("print") << "Печать" << true;
        QTest::newRow("exit") << "Выход" << true;
        QTest::newRow("read") << "Считать из контроллера" << true;
        QTest::newRow("write") << "Записать в контроллер" << false;
        QTest::newRow("about") << "О программе" << true;
    }

    void enabledStatesAtStart()
    {
        QFETCH(QString, entry);
        QFETCH(bool, enabled);
        MainWindow window;
        QAction* found = nullptr;
        for (QAction* menu : window.menuBar()->actions()) {
            for (QAction* action : menu->menu()->actions()) {
                if (action->text() == entry)
                    found = action;
            }
        }
        QVERIFY(found);
        QCOMPARE(found->isEnabled(), enabled);
    }

    void canSaveTogglesOnlyTheSaveAction()
    {
        MainWindow window;
        window.slotCanSave();
        QVERIFY(window.m_ActSaveAs->isEnabled());
        QVERIFY(!window.m_ActWrite->isEnabled());
        window.slotCanSave(false);
        QVERIFY(!window.m_ActSaveAs->isEnabled());
    }

    void aboutBox()
    {
        LoadedEditor editor;
        editor.window.m_ActAbout->trigger();
        QCOMPARE(editor.dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& about = editor.dialogs.shown().first();
        QCOMPARE(about.kind, QStringLiteral("noicon"));
        QCOMPARE(about.title, QStringLiteral("О программе."));
        QCOMPARE(about.parent, &editor.window);
        const QString text = about.text;
        const int logo = text.indexOf(QStringLiteral("<img src=\":/new/logo/LOGO.png\">"));
        const int heading = text.indexOf(
            QStringLiteral("<H1 align=\"center\">Редактор настроек ЛИР-1, ЛИР-2</H1>"));
        const int version = text.indexOf(QStringLiteral("Версия: 1.0<br><a href="));
        const int company = text.indexOf(QStringLiteral(">«Орвек»</a>"));
        QVERIFY(text.startsWith(QStringLiteral("<a href=")));
        QVERIFY(logo > 0);
        QVERIFY(text.indexOf(QStringLiteral("</a><br><H1")) > logo);
        QVERIFY(heading > logo);
        QVERIFY(version > heading);
        QVERIFY(company > version);
        QVERIFY(text.endsWith(QStringLiteral("</a>")));
        QVERIFY(!QPixmap(QStringLiteral(":/new/logo/LOGO.png")).isNull());
        QVERIFY(!QIcon(QStringLiteral(":/new/ico`s/LIR-1_16x16.ico")).isNull());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("throughExitEntry");
        QTest::addColumn<bool>("answerYes");
        QTest::newRow("close button, No") << false << false;
        QTest::newRow("close button, Yes") << false << true;
        QTest::newRow("Выход, No") << true << false;
        QTest::newRow("Выход, Yes") << true << true;
    }

    void closeQuestion()
    {
        QFETCH(bool, throughExitEntry);
        QFETCH(bool, answerYes);
        LoadedEditor editor;
        editor.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor.window));
        editor.dialogs.answerButton(answerYes ? UserDialogs::Yes : UserDialogs::No);
        if (throughExitEntry)
            editor.window.m_ActExit->trigger();
        else
            editor.window.close();
        QCOMPARE(editor.dialogs.shown().size(), 1);
        QCOMPARE(editor.dialogs.shown().first().kind, QStringLiteral("information"));
        QCOMPARE(editor.dialogs.shown().first().title, QStringLiteral("Закрытие..."));
        QCOMPARE(editor.dialogs.shown().first().text, QStringLiteral("Закрыть приложение?"));
        QCOMPARE(editor.window.isVisible(), !answerYes);
    }

    void russianTranslationInstalled()
    {
        QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Да"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
    }

    void errorFieldsOrder_data()
    {
        // Each entry is "group|field"; the expected list is in map order.
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("removed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("by group name, not by time")
            << QStringList{"Сеть|IP", "Оси|Шаг"} << QStringList{}
            << QStringList{"Оси|Шаг", "Сеть|IP"};
        QTest::newRow("newest first within a group")
            << QStringList{"A|first", "A|second", "A|third"} << QStringList{}
            << QStringList{"A|third", "A|second", "A|first"};
        QTest::newRow("a pair is held once")
            << QStringList{"A|x", "A|y", "A|x"} << QStringList{} << QStringList{"A|y", "A|x"};
        QTest::newRow("UTF-16 order: Latin before Cyrillic, upper before lower")
            << QStringList{"б|1", "a|2", "Б|3", "B|4"} << QStringList{}
            << QStringList{"B|4", "a|2", "Б|3", "б|1"};
        // A surrogate pair (U+1D400) sorts before U+FF21 by UTF-16 code
        // units, after it by code points.
        QTest::newRow("UTF-16 order, not code point order")
            << QStringList{"\uFF21|1", "\U0001D400|2"} << QStringList{}
            << QStringList{"\U0001D400|2", "\uFF21|1"};
        QTest::newRow("remove one pair")
            << QStringList{"A|x", "A|y", "B|x"} << QStringList{"A|x"} << QStringList{"A|y", "B|x"};
        QTest::newRow("remove a pair that is not there")
            << QStringList{"A|x"} << QStringList{"A|y", "B|x"} << QStringList{"A|x"};
    }

    void errorFieldsOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, removed);
        QFETCH(QStringList, expected);
        MainWindow window;
        for (const QString& pair : added)
            window.addErrorField(pair.section('|', 0, 0), pair.section('|', 1));
        for (const QString& pair : removed)
            window.removeErrorField(pair.section('|', 0, 0), pair.section('|', 1));
        QStringList held;
        for (const FieldsToCorrect::Entry& entry : window.m_ErrorFields.entries())
            held << entry.group + '|' + entry.field;
        QCOMPARE(held, expected);
    }

    void reportErrorFieldsDialog()
    {
        MainWindow window;
        QVERIFY(!window.reportErrorFields());
        QVERIFY(DocumentHelpers::fieldsToCorrectWindows().isEmpty());

        window.addErrorField(QStringLiteral("Сеть"), QStringLiteral("Порт"));
        window.addErrorField(QStringLiteral("Оси"), QStringLiteral("Шаг, мм"));
        QVERIFY(window.reportErrorFields());
        QVERIFY(window.reportErrorFields());
        const QList<DialogErros*> dialogs = DocumentHelpers::fieldsToCorrectWindows();
        QCOMPARE(dialogs.size(), 2);
        DialogErros* dialog = dialogs.first();
        QVERIFY(!dialog->parent());
        QVERIFY(!dialog->isModal());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Для сохранения или печати"));
        QCOMPARE(dialog->findChild<QLabel*>()->text(),
                 QStringLiteral("<H3>Исправить cледующий поля:<BR>Оси :: Шаг, мм<BR>"
                                "Сеть :: Порт<BR></H3>"));
        QCOMPARE(dialog->findChild<QLabel*>()->textFormat(), Qt::AutoText);

        // Each list closes on its own "Ok"; the other stays.
        QPushButton* ok = dialog->findChild<QPushButton*>();
        QCOMPARE(ok->text(), QStringLiteral("Ok"));
        QPointer<DialogErros> watched(dialog);
        ok->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watched.isNull());
        QCOMPARE(DocumentHelpers::fieldsToCorrectWindows().size(), 1);
    }

    void editInProgressEndsBeforeCommand_data()
    {
        QTest::addColumn<QString>("typed"); // replaces the loaded 7; empty: erased by Backspace
        QTest::addColumn<QString>("command");
        QTest::newRow("1 below the limits, save") << "1"
                                                  << "save";
        QTest::newRow("1 below the limits, print") << "1"
                                                   << "print";
        QTest::newRow("1 below the limits, write to the controller") << "1"
                                                                     << "write";
        QTest::newRow("emptied, save") << ""
                                       << "save";
    }

    // The command is taken while the focus stays in the editor, as a menu
    // chosen with the mouse leaves it: the edit never finished by itself.
    void editInProgressEndsBeforeCommand()
    {
        QFETCH(QString, typed);
        QFETCH(QString, command);
        LoadedEditor editor;
        editor.load("<lir1Settings formatVerMaj='1'><container name='Оси'><signal name='N' "
                    "type='number' min='5' max='9' e='0' value='7'/></container></lir1Settings>");
        editor.window.documentLoaded();
        editor.window.show();
        editor.window.m_ScrollArea->slotActivatedBox(editor.item(QStringLiteral("Оси")), 0);
        auto* edit = qobject_cast<QLineEdit*>(editor.line(QStringLiteral("N"))->m_Widgets.at(0));
        edit->setFocus();
        edit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        QVERIFY(editor.dialogs.shown().isEmpty()); // nothing said while the edit goes on

        QAction* action = command == "save"    ? editor.window.m_ActSaveAs
                          : command == "print" ? editor.window.m_ActPrint
                                               : editor.window.m_ActWrite;
        action->trigger();

        QCOMPARE(editor.dialogs.messages(),
                 QStringList{"critical|Не допустимое значение|Введено не допустимое значение! В "
                             "поле: N"});
        const QList<DialogErros*> lists = DocumentHelpers::fieldsToCorrectWindows();
        QCOMPARE(lists.size(), 1);
        QVERIFY(lists.first()->findChild<QLabel*>()->text().contains("Оси :: N<BR>"));
    }
};

LIR_TEST_CLASS(TestMainWindow)
#include "tst_MainWindow.moc"
