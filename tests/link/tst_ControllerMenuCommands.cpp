#include "ControllerEmulator.h"
#include "app/DialogErros.h"
#include "app/MainWindow.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "document/XMLWork.h"
#include "link/ControllerPort.h"
#include "link/TransferProgressDialog.h"

#include <QAction>
#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {
const QString kErrorTitle = QStringLiteral("Ошибка...");
const QString kLinkFailure = QStringLiteral("Ошибка связи с устройством");
const QString kHeaderFailure = QStringLiteral("Ошибка получения неправильный заголовок ответа");
const QString kChecksumFailure = QStringLiteral("Ошибка целостности данных(crc).");
const QString kNoDocument =
    QStringLiteral("Контроллер не передал документ настроек. Текущий документ не изменён.");
const QString kWriteTitle = QStringLiteral("Записать в контроллер");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool copyDefault(const QString& name, const QString& target)
{
    return QFile::copy(QStringLiteral(LIR_DEFAULTS_DIR "/") + name, target);
}

QByteArray serialised(MainWindow& window)
{
    QByteArray bytes;
    window.m_XmlWork->slotSaveDomDocumentToBytes(bytes);
    return bytes;
}

// What a controller command must leave alone when it fails.
struct EditorState
{
    QByteArray document;
    int topLevelItems = 0;
    bool saveAsEnabled = false;
    bool writeEnabled = false;
    QString modelName;
    int formatVerMaj = 0;

    static EditorState of(MainWindow& window)
    {
        return {serialised(window),
                window.m_Tree->topLevelItemCount(),
                window.m_ActSaveAs->isEnabled(),
                window.m_ActWrite->isEnabled(),
                window.m_ModelName,
                window.m_FormatVerMaj};
    }
    bool operator==(const EditorState& other) const
    {
        return document == other.document && topLevelItems == other.topLevelItems &&
               saveAsEnabled == other.saveAsEnabled && writeEnabled == other.writeEnabled &&
               modelName == other.modelName && formatVerMaj == other.formatVerMaj;
    }
};

TransferProgressDialog* openProgressDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<TransferProgressDialog*>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}
} // namespace

class TestControllerMenuCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString controllerFile() const { return m_Dir.filePath(QStringLiteral("controller.xml")); }

    // Loads the default document of `model` as "Открыть" does.
    static void openDocument(MainWindow& window, const QString& fileName, const QString& model)
    {
        window.m_XmlWork->slotRenderXMLAndCreatGUI(QStringLiteral(LIR_DEFAULTS_DIR "/") + fileName);
        window.slotCanSave(true);
        window.m_ActWrite->setEnabled(true);
        window.m_ModelName = model;
    }

    static QStringList texts(const ScriptedDialogs& dialogs)
    {
        QStringList result;
        for (const ScriptedDialogs::Shown& shown : dialogs.shown())
            result << shown.kind + QLatin1Char('|') + shown.title + QLatin1Char('|') + shown.text;
        return result;
    }

    static QString linkMessage(const QString& text)
    {
        return QStringLiteral("about|") + kErrorTitle + QLatin1Char('|') + text;
    }

private slots:
    void init()
    {
        QVERIFY(m_Dir.isValid());
        QFile::remove(controllerFile());
        QVERIFY(copyDefault(QStringLiteral("lir1_sets_default.xml"), controllerFile()));
    }

    void cleanup()
    {
        ControllerPort::setDeviceOverride(QStringList());
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<DialogErros*>(widget))
                delete widget;
        }
    }

    void readIntoAFreshEditor()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        ScriptedDialogs dialogs;
        MainWindow window;
        dialogs.answerItem(emulator.entryText());
        window.slotLoadFromLir();

        QCOMPARE(dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& choice = dialogs.shown().first();
        QCOMPARE(choice.kind, QStringLiteral("item"));
        QCOMPARE(choice.title, QStringLiteral("Выберите"));
        QCOMPARE(choice.text, QStringLiteral("ЛИР:"));
        QCOMPARE(choice.items, QStringList{emulator.entryText()});
        QCOMPARE(choice.parent, &window);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QVERIFY(window.m_Tree->topLevelItemCount() > 0);
        QVERIFY(window.m_ActSaveAs->isEnabled());
        QVERIFY(window.m_ActWrite->isEnabled());
        QCOMPARE(int(window.m_FormatVerMaj), 1);
        QCOMPARE(window.m_ModelName, QStringLiteral("ЛИР-1"));
        QVERIFY(!openProgressDialog());
    }

    void readAsksFirstWhenUnsaved()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        ScriptedDialogs dialogs;
        MainWindow window;
        window.slotCanSave(true);
        dialogs.answerNo();
        window.slotLoadFromLir();
        QCOMPARE(texts(dialogs), QStringList{QStringLiteral(
                                     "information|Загрузка из...|Текущий файл не сохранён,\n "
                                     "продолжить?")});
        QCOMPARE(dialogs.shown().first().parent, &window);
        QVERIFY(emulator.requests().isEmpty());
        QCOMPARE(window.m_Tree->topLevelItemCount(), 0);
    }

    void cancelledPortChoiceSendsNothing()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        ScriptedDialogs dialogs;
        MainWindow window;
        dialogs.answerItemCancel();
        window.slotLoadFromLir();
        QCOMPARE(dialogs.shown().size(), 1);
        QVERIFY(emulator.requests().isEmpty());
        QVERIFY(!window.m_ActWrite->isEnabled());
    }

    void noPortToOffer()
    {
        ControllerPort::setDeviceOverride({m_Dir.filePath(QStringLiteral("no-such-tty"))});
        ScriptedDialogs dialogs;
        MainWindow window;
        window.slotLoadFromLir();
        QCOMPARE(texts(dialogs),
                 QStringList{QStringLiteral("about|Выбор порта|В системе не найдено ни одного "
                                            "последовательного порта.")});
    }

    void busyPortIsNamed()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        QSerialPort holder;
        QVERIFY(ControllerPort::fromDevice(emulator.devicePath()).open(holder));
        ScriptedDialogs dialogs;
        MainWindow window;
        dialogs.answerItem(emulator.entryText());
        window.slotLoadFromLir();
        QCOMPARE(texts(dialogs).value(1),
                 QStringLiteral("about|Ошибка Открытия порта|") + emulator.entryText());
        QCOMPARE(dialogs.shown().value(1).parent, nullptr);
        QVERIFY(emulator.requests().isEmpty());
    }

    void readFaults_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("requests");

        const QList<int> both{1, 2};
        QTest::newRow("status 5") << QStringList{"--status", "5"}
                                  << QStringLiteral("Ошибка полученная от устройства: 5")
                                  << QList<int>{1};
        QTest::newRow("status 255 on the document")
            << QStringList{"--fault-on", "2", "--status", "255"}
            << QStringLiteral("Ошибка полученная от устройства: -1") << both;
        QTest::newRow("echo of another command")
            << QStringList{"--fault-on", "1", "--wrong-command", "2"} << kHeaderFailure
            << QList<int>{1};
        QTest::newRow("wrong start bytes")
            << QStringList{"--fault-on", "2", "--wrong-start"} << kHeaderFailure << both;
        QTest::newRow("bad checksum")
            << QStringList{"--fault-on", "2", "--bad-crc"} << kChecksumFailure << both;
        QTest::newRow("trailing bytes")
            << QStringList{"--trailing", "3"} << kChecksumFailure << QList<int>{1};
        QTest::newRow("huge length refused at once")
            << QStringList{"--fault-on", "2", "--huge-length"} << kHeaderFailure << both;
        QTest::newRow("no answer")
            << QStringList{"--fault-on", "2", "--silent"} << kLinkFailure << both;
    }

    void readFaults()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QFETCH(QList<int>, requests);
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), options);
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir2_sets_default.xml"), QStringLiteral("ЛИР-2"));
        const EditorState before = EditorState::of(window);
        dialogs.answerYes();
        dialogs.answerItem(emulator.entryText());
        window.slotLoadFromLir();

        QCOMPARE(texts(dialogs).mid(2), QStringList{linkMessage(message)});
        QCOMPARE(dialogs.shown().last().parent, nullptr);
        QCOMPARE(emulator.requests(), requests);
        QVERIFY(EditorState::of(window) == before);
    }

    void readOfAnEmptyController()
    {
        QFile empty(controllerFile());
        QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.close();
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList({"--controller-version", "2"}));
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir2_sets_default.xml"), QStringLiteral("ЛИР-2"));
        const EditorState before = EditorState::of(window);
        dialogs.answerYes();
        dialogs.answerItem(emulator.entryText());
        window.slotLoadFromLir();
        QCOMPARE(texts(dialogs).mid(2), QStringList{linkMessage(kNoDocument)});
        QVERIFY(EditorState::of(window) == before);
    }

    void readInPiecesAndPaced_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("pieces with pauses below the limit")
            << QStringList{"--split", "4096", "--pause", "300"};
        QTest::newRow("paced at 115200 baud") << QStringList{"--baud", "115200"};
    }

    void readInPiecesAndPaced()
    {
        QFETCH(QStringList, options);
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), options);
        ScriptedDialogs dialogs;
        MainWindow window;
        dialogs.answerItem(emulator.entryText());
        window.slotLoadFromLir();
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QCOMPARE(window.m_ModelName, QStringLiteral("ЛИР-1"));
        QVERIFY(window.m_Tree->topLevelItemCount() > 0);
    }

    void cancelDuringTheTransfer()
    {
        // At 9600 baud the document takes about twenty seconds; the cancel
        // comes while it is on its way, after the header told its size.
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList({"--baud", "9600"}));
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir2_sets_default.xml"), QStringLiteral("ЛИР-2"));
        const EditorState before = EditorState::of(window);
        dialogs.answerYes();
        dialogs.answerItem(emulator.entryText());
        QString progressText;
        bool modal = false;
        QTimer::singleShot(1500, [&progressText, &modal] {
            if (TransferProgressDialog* progress = openProgressDialog()) {
                progressText = progress->labelText();
                modal = progress->windowModality() == Qt::ApplicationModal;
                progress->cancel();
            }
        });
        window.slotLoadFromLir();
        QVERIFY2(progressText.contains(QStringLiteral(" из ")), qPrintable(progressText));
        QVERIFY(modal);
        QCOMPARE(dialogs.shown().size(), 2);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QVERIFY(EditorState::of(window) == before);
        QVERIFY(!openProgressDialog());
    }

    void writeStoresTheSerialisedDocument()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir1_sets_default.xml"), QStringLiteral("ЛИР-1"));
        QVERIFY(window.m_XmlWork->m_Document);
        window.m_XmlWork->m_Document->documentElement().setAttribute(QStringLiteral("edited"),
                                                                     QStringLiteral("да"));
        const EditorState before = EditorState::of(window);
        dialogs.answerItem(emulator.entryText());
        window.slotSaveToLir();

        QCOMPARE(texts(dialogs).mid(1), QStringList{QStringLiteral("about|") + kWriteTitle +
                                                    QStringLiteral("|Удачно записаны настройки.")});
        QCOMPARE(dialogs.shown().last().parent, &window);
        QCOMPARE(emulator.requests(), (QList<int>{1, 3}));
        QVERIFY(!before.document.isEmpty());
        QCOMPARE(fileBytes(controllerFile()), before.document);
        QVERIFY(EditorState::of(window) == before);
    }

    void writeToAnotherVersionSendsOnlyCommand1()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList({"--controller-version", "2"}));
        const QByteArray controllerBefore = fileBytes(controllerFile());
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir1_sets_default.xml"), QStringLiteral("ЛИР-1"));
        const EditorState before = EditorState::of(window);
        dialogs.answerItem(emulator.entryText());
        window.slotSaveToLir();
        QCOMPARE(texts(dialogs).mid(1),
                 QStringList{linkMessage(
                     QStringLiteral("Версия текущих настроек и контроллера не совпадает."))});
        QCOMPARE(emulator.requests(), QList<int>{1});
        QCOMPARE(fileBytes(controllerFile()), controllerBefore);
        QVERIFY(EditorState::of(window) == before);
    }

    void writeFaultKeepsEverything()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList({"--fault-on", "3", "--bad-crc"}));
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir1_sets_default.xml"), QStringLiteral("ЛИР-1"));
        const EditorState before = EditorState::of(window);
        dialogs.answerItem(emulator.entryText());
        window.slotSaveToLir();
        QCOMPARE(texts(dialogs).mid(1), QStringList{linkMessage(kChecksumFailure)});
        QCOMPARE(emulator.requests(), (QList<int>{1, 3}));
        QVERIFY(EditorState::of(window) == before);
    }

    void writeWithoutDocument_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::newRow("nothing loaded") << QByteArray();
        QTest::newRow("failed parse") << QByteArray("<lir1Settings");
    }

    void writeWithoutDocument()
    {
        QFETCH(QByteArray, loaded);
        ScriptedDialogs dialogs;
        MainWindow window;
        if (!loaded.isEmpty()) {
            window.m_XmlWork->slotRenderXMLAndCreatGUI(loaded);
            window.m_ActWrite->setEnabled(true);
        }
        dialogs.clear();
        window.slotSaveToLir();
        QCOMPARE(texts(dialogs), QStringList{QStringLiteral("about|") + kWriteTitle +
                                             QStringLiteral("|Нет документа настроек для "
                                                            "записи в контроллер.")});
        QCOMPARE(dialogs.shown().first().parent, &window);
    }

    void writeBlockedByInvalidFields()
    {
        ScriptedDialogs dialogs;
        MainWindow window;
        openDocument(window, QStringLiteral("lir1_sets_default.xml"), QStringLiteral("ЛИР-1"));
        window.addErrorField(QStringLiteral("Связь"), QStringLiteral("Порт"));
        dialogs.clear();
        window.slotSaveToLir();
        QVERIFY(dialogs.shown().isEmpty());
        int errorDialogs = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            errorDialogs += qobject_cast<DialogErros*>(widget) ? 1 : 0;
        QCOMPARE(errorDialogs, 1);
    }
};

LIR_TEST_CLASS(TestControllerMenuCommands)
#include "tst_ControllerMenuCommands.moc"
