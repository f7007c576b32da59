#include "app/MainWindow.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/XMLWork.h"

#include <QAction>
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
        closeFieldsToCorrectWindows();
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
        LoadedEditor editor;
        if (loadedBefore)
            editor.window.slotNewFile2();
        const QTreeWidgetItem* before = editor.window.m_Tree->topLevelItem(0);
        const QString modelBefore = editor.window.m_ModelName;
        const bool dialogShown = command == "open" && answer != "no";
        if (!answer.isEmpty())
            editor.dialogs.answerButton(answer == "yes" ? UserDialogs::Yes : UserDialogs::No);
        if (dialogShown)
            editor.dialogs.answerFileName(chosen.isEmpty() ? QString() : path(chosen));

        run(editor.window, command);

        QCOMPARE(editor.dialogs.pendingAnswers(), 0);
        const QList<ScriptedDialogs::Shown>& shown = editor.dialogs.shown();
        QCOMPARE(shown.size(), int(!answer.isEmpty()) + int(dialogShown));
        if (!answer.isEmpty()) {
            QCOMPARE(shown.first().kind, QStringLiteral("information"));
            QCOMPARE(shown.first().title, QStringLiteral("Открытие..."));
            QCOMPARE(shown.first().text, kQuestion);
            QCOMPARE(shown.first().parent, &editor.window);
        }
        QVERIFY(editor.window.m_Tree->topLevelItemCount() > 0);
        QCOMPARE(editor.window.m_Tree->topLevelItem(0) != before, replaced);
        if (!replaced)
            QCOMPARE(editor.window.m_ModelName, modelBefore);
        QCOMPARE(editor.window.m_ActSaveAs->isEnabled(), loadedBefore || replaced);
        QCOMPARE(editor.window.m_ActWrite->isEnabled(), loadedBefore || replaced);
    }

    void openDialog()
    {
        LoadedEditor editor;
        editor.dialogs.answerFileName(QString());
        editor.window.m_ActOpen->trigger();
        QCOMPARE(editor.dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& open = editor.dialogs.shown().first();
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.title, QStringLiteral("Выбор открываемого файла настроек"));
        QCOMPARE(open.items, QStringList{"XML files (*.xml);;All files (*)"});
        QVERIFY(open.directory.isEmpty());
        QCOMPARE(open.parent, &editor.window);
        // Cancelled at start: still nothing to save or write.
        QVERIFY(!editor.window.m_ActSaveAs->isEnabled());
        QVERIFY(!editor.window.m_ActWrite->isEnabled());
        QVERIFY(!editor.window.m_XmlWork->m_Document);
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
        LoadedEditor editor;
        if (!first.isEmpty())
            run(editor.window, first);
        editor.dialogs.clear();
        if (!first.isEmpty())
            editor.dialogs.answerYes();
        if (command == "open")
            editor.dialogs.answerFileName(path(fileName));
        run(editor.window, command);
        QStringList shownTitles = editor.dialogs.titles();
        if (!first.isEmpty())
            shownTitles.removeFirst();
        if (command == "open")
            shownTitles.removeFirst();
        QCOMPARE(shownTitles, titles);
        QCOMPARE(editor.window.m_ModelName, model);
        QVERIFY(editor.window.m_ActSaveAs->isEnabled());
        QVERIFY(editor.window.m_ActWrite->isEnabled());
    }

    void missingDefaultDocument()
    {
        QVERIFY(QFile::remove(path("lir1_sets_default.xml")));
        LoadedEditor editor;
        editor.window.slotNewFile1();
        QCOMPARE(editor.dialogs.titles(), QStringList{"Ошибка Открытия файла"});
        QVERIFY(editor.dialogs.shown().first().text.contains("«lir1_sets_default.xml»"));
        QCOMPARE(editor.window.m_Tree->topLevelItemCount(), 0);
        QVERIFY(!editor.window.m_XmlWork->m_Document);
        QVERIFY(editor.window.m_ActSaveAs->isEnabled());
        QVERIFY(editor.window.m_ActWrite->isEnabled());
        QCOMPARE(editor.window.m_ModelName, QStringLiteral("ЛИР-1"));

        // With nothing loaded the save says so and asks for no name.
        editor.dialogs.clear();
        editor.window.m_ActSaveAs->trigger();
        QCOMPARE(editor.dialogs.titles(), QStringList{"Сохранение..."});
        QCOMPARE(editor.dialogs.shown().first().text,
                 QStringLiteral("Нет документа для сохранения."));
        QCOMPARE(editor.dialogs.shown().first().parent, &editor.window);
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
        LoadedEditor editor;
        if (!loaded.isEmpty()) {
            QVERIFY(writeFile(path("broken.xml"), loaded));
            editor.dialogs.answerFileName(path("broken.xml"));
            editor.window.slotOpenFile();
        }
        editor.dialogs.clear();
        editor.window.slotSaveFile();
        QCOMPARE(editor.dialogs.titles(), QStringList{"Сохранение..."});
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), loaded.isEmpty() ? 2 : 3);
    }

    void saveBlockedByInvalidFields()
    {
        LoadedEditor editor;
        editor.window.slotNewFile1();
        editor.window.addErrorField(QStringLiteral("Оси"), QStringLiteral("Шаг"));
        editor.window.m_ActSaveAs->trigger();
        QVERIFY(editor.dialogs.shown().isEmpty());
        QCOMPARE(fieldsToCorrectWindows().size(), 1);
    }

    void saveAsksEveryTime()
    {
        LoadedEditor editor;
        editor.window.slotNewFile2();
        editor.dialogs.answerFileName(path("first"));
        editor.dialogs.answerFileName(path("second.xml"));
        editor.dialogs.answerFileName(QString());
        editor.window.slotSaveFile();
        editor.window.slotSaveFile();
        editor.window.slotSaveFile();
        QCOMPARE(editor.dialogs.titles(),
                 QStringList({"Сохраняем файла настроек", "Сохраняем файла настроек",
                              "Сохраняем файла настроек"}));
        for (const ScriptedDialogs::Shown& shown : editor.dialogs.shown()) {
            QCOMPARE(shown.kind, QStringLiteral("save"));
            QCOMPARE(shown.items, QStringList{"XML files (*.xml)"});
            QVERIFY(shown.directory.isEmpty());
            QCOMPARE(shown.parent, &editor.window);
        }
        // The name is taken as given: no extension is added.
        QByteArray saved;
        editor.window.m_XmlWork->slotSaveDomDocumentToBytes(saved);
        QCOMPARE(readFile(path("first")), saved);
        QCOMPARE(readFile(path("second.xml")), saved);
        QCOMPARE(QDir::current().entryList(QDir::Files).size(), 4);
        QVERIFY(editor.window.m_ActSaveAs->isEnabled());

        // A save does not count as "no unsaved changes".
        editor.dialogs.clear();
        editor.dialogs.answerNo();
        editor.window.slotOpenFile();
        QCOMPARE(editor.dialogs.titles(), QStringList{"Открытие..."});
    }
};

LIR_TEST_CLASS(TestFileCommands)
#include "tst_FileCommands.moc"
