#include "app/DialogErros.h"
#include "app/MainWindow.h"
#include "common/DocumentHelpers.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "document/XMLWork.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace DocumentHelpers;

namespace {
const QString kDefaults = QStringLiteral(LIR_DEFAULTS_DIR);
const QString kQuestion = QStringLiteral("Текущий файл не сохранён,\n продолжить?");

QByteArray documentOfVersion(const QByteArray& version)
{
    return "<lir1Settings formatVerMaj='" + version + "'><container name='v" + version +
           "'/></lir1Settings>";
}
} // namespace

// Every test runs in a fresh working directory holding copies of the two
// default documents, as the editor finds them beside itself.
class TestFileCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_Dir;
    QString m_OldDir;

    static void run(MainWindow& window, const QString& command)
    {
        if (command == QLatin1String("new1"))
            window.slotNewFile1();
        else if (command == QLatin1String("new2"))
            window.slotNewFile2();
        else if (command == QLatin1String("open"))
            window.slotOpenFile();
        else if (command == QLatin1String("save"))
            window.slotSaveFile();
        else
            QFAIL(qPrintable("unknown command " + command));
    }

    static QString path(const QString& name) { return QDir::current().filePath(name); }

private slots:
    void init()
    {
        m_Dir.reset(new QTemporaryDir);
        m_OldDir = QDir::currentPath();
        for (const char* name : {"lir1_sets_default.xml", "lir2_sets_default.xml"})
            QVERIFY(QFile::copy(kDefaults + '/' + name, m_Dir->filePath(name)));
        QVERIFY(QDir::setCurrent(m_Dir->path()));
    }

    void cleanup()
    {
        QDir::setCurrent(m_OldDir);
        m_Dir.reset();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<DialogErros*>(widget))
                delete widget;
        }
    }

    void unsavedChangesQuestion_data()
    {
        QTest::addColumn<bool>("loadedBefore");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer"); // "yes", "no" or none
        QTest::addColumn<QString>("chosen"); // the open dialog's answer
        QTest::addColumn<bool>("replaced");
        QTest::newRow("new 1 at start: no question") << false << "new1"
                                                     << ""
                                                     << "" << true;
        QTest::newRow("new 1 after a load, No") << true << "new1"
                                                << "no"
                                                << "" << false;
        QTest::newRow("new 1 after a load, Yes") << true << "new1"
                                                 << "yes"
                                                 << "" << true;
        QTest::newRow("new 2 after a load, No") << true << "new2"
                                                << "no"
                                                << "" << false;
        QTest::newRow("new 2 after a load, Yes") << true << "new2"
                                                 << "yes"
                                                 << "" << true;
        QTest::newRow("open at start: no question") << false << "open"
                                                    << ""
                                                    << "lir1_sets_default.xml" << true;
        QTest::newRow("open after a load, No: no dialog") << true << "open"
                                                          << "no"
                                                          << "" << false;
        QTest::newRow("open after a load, Yes, cancelled") << true << "open"
                                                           << "yes"
                                                           << "" << false;
        QTest::newRow("open after a load, Yes, chosen") << true << "open"
                                                        << "yes"
                                                        << "lir1_sets_default.xml" << true;
    }

    void unsavedChangesQuestion()
    {
        QFETCH(bool, loadedBefore);
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, chosen);
        QFETCH(bool, replaced);
        ScriptedDialogs dialogs;
        MainWindow window;
        if (loadedBefore)
            window.slotNewFile2();
        const QTreeWidgetItem* before = window.m_Tree->topLevelItem(0);
        const QString modelBefore = window.m_ModelName;
        const bool dialogShown = command == "open" && answer != "no";
        if (!answer.isEmpty())
            dialogs.answerButton(answer == "yes" ? UserDialogs::Yes : UserDialogs::No);
        if (dialogShown)
            dialogs.answerFileName(chosen.isEmpty() ? QString() : path(chosen));

        run(window, command);

        QCOMPARE(dialogs.pendingAnswers(), 0);
        const QList<ScriptedDialogs::Shown>& shown = dialogs.shown();
        QCOMPARE(shown.size(), int(!answer.isEmpty()) + int(dialogShown));
        if (!answer.isEmpty()) {
            QCOMPARE(shown.first().kind, QStringLiteral("information"));
            QCOMPARE(shown.first().title, QStringLiteral("Открытие..."));
            QCOMPARE(shown.first().text, kQuestion);
            QCOMPARE(shown.first().parent, &window);
        }
        QVERIFY(window.m_Tree->topLevelItemCount() > 0);
        QCOMPARE(window.m_Tree->topLevelItem(0) != before, replaced);
        if (!replaced)
            QCOMPARE(window.m_ModelName, modelBefore);
        QCOMPARE(window.m_ActSaveAs->isEnabled(), loadedBefore || replaced);
        QCOMPARE(window.m_ActWrite->isEnabled(), loadedBefore || replaced);
    }

    void openDialog()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        dialogs.answerFileName(QString());
        window.m_ActOpen->trigger();
        QCOMPARE(dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& open = dialogs.shown().first();
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.title, QStringLiteral("Выбор открываемого файла настроек"));
        QCOMPARE(open.items, QStringList{"XML files (*.xml);;All files (*)"});
        QVERIFY(open.directory.isEmpty());
        QCOMPARE(open.parent, &window);
        // Cancelled at start: still nothing to save or write.
        QVERIFY(!window.m_ActSaveAs->isEnabled());
        QVERIFY(!window.m_ActWrite->isEnabled());
        QVERIFY(!window.m_XmlWork->m_Document);
    }

    void modelName_data()
    {
        QTest::addColumn<QString>("first");   // command run before, or none
        QTest::addColumn<QString>("command"); // "new1", "new2" or "open"
        QTest::addColumn<QByteArray>("text"); // what the loaded file holds
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("new 1") << ""
                               << "new1" << QByteArray() << "ЛИР-1" << QStringList();
        QTest::newRow("new 2") << ""
                               << "new2" << QByteArray() << "ЛИР-2" << QStringList();
        QTest::newRow("new 1 whatever its file holds")
            << ""
            << "new1" << documentOfVersion("2") << "ЛИР-1" << QStringList();
        QTest::newRow("open, version 1")
            << ""
            << "open" << documentOfVersion("1") << "ЛИР-1" << QStringList();
        QTest::newRow("open, version 2")
            << "new1"
            << "open" << documentOfVersion("2") << "ЛИР-2" << QStringList();
        QTest::newRow("open, version 3 keeps the name")
            << "new2"
            << "open" << documentOfVersion("3") << "ЛИР-2" << QStringList();
        QTest::newRow("open, version 3 at start")
            << ""
            << "open" << documentOfVersion("3") << "" << QStringList();
        QTest::newRow("open, another document element keeps the version")
            << "new2"
            << "open" << QByteArray("<settings formatVerMaj='1'/>") << "ЛИР-2" << QStringList();
        QTest::newRow("open, a broken file")
            << "new1"
            << "open" << QByteArray("<lir1Settings formatVerMaj='2'>") << "ЛИР-1"
            << QStringList{"Ошибка Открытия файла"};
    }

    void modelName()
    {
        QFETCH(QString, first);
        QFETCH(QString, command);
        QFETCH(QByteArray, text);
        QFETCH(QString, model);
        QFETCH(QStringList, titles);
        const QString fileName = command == "new1"   ? "lir1_sets_default.xml"
                                 : command == "new2" ? "lir2_sets_default.xml"
                                                     : "chosen.xml";
        if (!text.isEmpty())
            QVERIFY(writeFile(path(fileName), text));
        ScriptedDialogs dialogs;
        MainWindow window;
        if (!first.isEmpty())
            run(window, first);
        dialogs.clear();
        if (!first.isEmpty())
            dialogs.answerYes();
        if (command == "open")
            dialogs.answerFileName(path(fileName));
        run(window, command);
        QStringList shownTitles = dialogs.titles();
        if (!first.isEmpty())
            shownTitles.removeFirst();
        if (command == "open")
            shownTitles.removeFirst();
        QCOMPARE(shownTitles, titles);
        QCOMPARE(window.m_ModelName, model);
        QVERIFY(window.m_ActSaveAs->isEnabled());
        QVERIFY(window.m_ActWrite->isEnabled());
    }

    void missingDefaultDocument()
    {
        QVERIFY(QFile::remove(path("lir1_sets_default.xml")));
        ScriptedDialogs dialogs;
        MainWindow window;
        window.slotNewFile1();
        QCOMPARE(dialogs.titles(), QStringList{"Ошибка Открытия файла"});
        QVERIFY(dialogs.shown().first().text.contains("«lir1_sets_default.xml»"));
        QCOMPARE(window.m_Tree->topLevelItemCount(), 0);
        QVERIFY(!window.m_XmlWork->m_Document);
        QVERIFY(window.m_ActSaveAs->isEnabled());
        QVERIFY(window.m_ActWrite->isEnabled());
        QCOMPARE(window.m_ModelName, QStringLiteral("ЛИР-1"));

        // With nothing loaded the save says so and asks for no name.
        dialogs.clear();
        window.m_ActSaveAs->trigger();
        QCOMPARE(dialogs.titles(), QStringList{"Сохранение..."});
        QCOMPARE(dialogs.shown().first().text, QStringLiteral("Нет документа для сохранения."));
        QCOMPARE(dialogs.shown().first().parent, &window);
    }

    void saveWithoutDocument_data()
    {
        QTest::addColumn<QByteArray>("loaded"); // the opened text; empty: nothing opened
        QTest::newRow("nothing loaded yet") << QByteArray();
        QTest::newRow("after a failed parse") << QByteArray("<lir1Settings><container>");
    }

    void saveWithoutDocument()
    {
        QFETCH(QByteArray, loaded);
        ScriptedDialogs dialogs;
        MainWindow window;
        if (!loaded.isEmpty()) {
            QVERIFY(writeFile(path("broken.xml"), loaded));
            dialogs.answerFileName(path("broken.xml"));
            window.slotOpenFile();
        }
        dialogs.clear();
        window.slotSaveFile();
        QCOMPARE(dialogs.titles(), QStringList{"Сохранение..."});
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), loaded.isEmpty() ? 2 : 3);
    }

    void saveBlockedByInvalidFields()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        window.slotNewFile1();
        window.addErrorField(QStringLiteral("Оси"), QStringLiteral("Шаг"));
        window.m_ActSaveAs->trigger();
        QVERIFY(dialogs.shown().isEmpty());
        int lists = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            lists += qobject_cast<DialogErros*>(widget) ? 1 : 0;
        QCOMPARE(lists, 1);
    }

    void saveAsksEveryTime()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        window.slotNewFile2();
        dialogs.answerFileName(path("first"));
        dialogs.answerFileName(path("second.xml"));
        dialogs.answerFileName(QString());
        window.slotSaveFile();
        window.slotSaveFile();
        window.slotSaveFile();
        QCOMPARE(dialogs.titles(),
                 QStringList({"Сохраняем файла настроек", "Сохраняем файла настроек",
                              "Сохраняем файла настроек"}));
        for (const ScriptedDialogs::Shown& shown : dialogs.shown()) {
            QCOMPARE(shown.kind, QStringLiteral("save"));
            QCOMPARE(shown.items, QStringList{"XML files (*.xml)"});
            QVERIFY(shown.directory.isEmpty());
            QCOMPARE(shown.parent, &window);
        }
        // The name is taken as given: no extension is added.
        QByteArray saved;
        window.m_XmlWork->slotSaveDomDocumentToBytes(saved);
        QCOMPARE(readFile(path("first")), saved);
        QCOMPARE(readFile(path("second.xml")), saved);
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), 4);
        QVERIFY(window.m_ActSaveAs->isEnabled());

        // A save does not count as "no unsaved changes".
        dialogs.clear();
        dialogs.answerNo();
        window.slotOpenFile();
        QCOMPARE(dialogs.titles(), QStringList{"Открытие..."});
    }
};

LIR_TEST_CLASS(TestFileCommands)
#include "tst_FileCommands.moc"
