#include "common/ControllerEmulator.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
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

using namespace DocumentHelpers;

class TestControllerMenuCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QString controllerFile() const { return m_Dir.filePath(QStringLiteral("controller.xml")); }

    // Loads the default document of ЛИР-`model` as "Открыть" does.
    static void openDefault(LoadedEditor& editor, int model)
    {
        editor.loadFile(QStringLiteral(LIR_DEFAULTS_DIR "/lir%1_sets_default.xml").arg(model));
        editor.window.slotCanSave(true);
        editor.window.m_ActWrite->setEnabled(true);
        editor.window.m_ModelName = QStringLiteral("ЛИР-%1").arg(model);
    }

    // Reads from the emulator over ЛИР-2's default document, agreeing to
    // replace it; gives back the editor's state before the read.
    static EditorState readOverADocument(LoadedEditor& editor, const ControllerEmulator& emulator)
    {
        openDefault(editor, 2);
        const EditorState before = EditorState::of(editor.window);
        editor.dialogs.answerYes();
        editor.dialogs.answerItem(emulator.entryText());
        editor.window.slotLoadFromLir();
        return before;
    }

    // Writes the open document to the emulator; gives back the editor's
    // state before the write.
    static EditorState write(LoadedEditor& editor, const ControllerEmulator& emulator)
    {
        const EditorState before = EditorState::of(editor.window);
        editor.dialogs.answerItem(emulator.entryText());
        editor.window.slotSaveToLir();
        return before;
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
        closeFieldsToCorrectWindows();
    }

    void readIntoAFreshEditor()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        LoadedEditor editor;
        editor.dialogs.answerItem(emulator.entryText());
        editor.window.slotLoadFromLir();

        QCOMPARE(editor.dialogs.shown().size(), 1);
        const ScriptedDialogs::Shown& choice = editor.dialogs.shown().first();
        QCOMPARE(choice.kind, QStringLiteral("item"));
        QCOMPARE(choice.title, QStringLiteral("Выберите"));
        QCOMPARE(choice.text, QStringLiteral("ЛИР:"));
        QCOMPARE(choice.items, QStringList{emulator.entryText()});
        QCOMPARE(choice.parent, &editor.window);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QVERIFY(editor.window.m_Tree->topLevelItemCount() > 0);
        QVERIFY(editor.window.m_ActSaveAs->isEnabled());
        QVERIFY(editor.window.m_ActWrite->isEnabled());
        QCOMPARE(int(editor.window.m_FormatVerMaj), 1);
        QCOMPARE(editor.window.m_ModelName, QStringLiteral("ЛИР-1"));
        QVERIFY(!openProgressDialog());
    }

    void readAsksFirstWhenUnsaved()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        LoadedEditor editor;
        editor.window.slotCanSave(true);
        editor.dialogs.answerNo();
        editor.window.slotLoadFromLir();
        QCOMPARE(
            editor.dialogs.messages(),
            QStringList{QStringLiteral("information|Загрузка из...|Текущий файл не сохранён,\n "
                                       "продолжить?")});
        QCOMPARE(editor.dialogs.shown().first().parent, &editor.window);
        QVERIFY(emulator.requests().isEmpty());
        QCOMPARE(editor.window.m_Tree->topLevelItemCount(), 0);
    }

    void cancelledPortChoiceSendsNothing()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        LoadedEditor editor;
        editor.dialogs.answerItemCancel();
        editor.window.slotLoadFromLir();
        QCOMPARE(editor.dialogs.shown().size(), 1);
        QVERIFY(emulator.requests().isEmpty());
        QVERIFY(!editor.window.m_ActWrite->isEnabled());
    }

    void noPortToOffer()
    {
        ControllerPort::setDeviceOverride({m_Dir.filePath(QStringLiteral("no-such-tty"))});
        LoadedEditor editor;
        editor.window.slotLoadFromLir();
        QCOMPARE(editor.dialogs.messages(),
                 QStringList{QStringLiteral("about|Выбор порта|В системе не найдено ни одного "
                                            "последовательного порта.")});
    }

    void busyPortIsNamed()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        QSerialPort holder;
        QVERIFY(ControllerPort::fromDevice(emulator.devicePath()).open(holder));
        LoadedEditor editor;
        editor.dialogs.answerItem(emulator.entryText());
        editor.window.slotLoadFromLir();
        QCOMPARE(editor.dialogs.messages().value(1),
                 QStringLiteral("about|Ошибка Открытия порта|") + emulator.entryText());
        QCOMPARE(editor.dialogs.shown().value(1).parent, nullptr);
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
        LoadedEditor editor;
        const EditorState before = readOverADocument(editor, emulator);

        QCOMPARE(editor.dialogs.messages().mid(2), QStringList{linkMessage(message)});
        QCOMPARE(editor.dialogs.shown().last().parent, nullptr);
        QCOMPARE(emulator.requests(), requests);
        QVERIFY(EditorState::of(editor.window) == before);
    }

    void readOfAnEmptyController()
    {
        QFile empty(controllerFile());
        QVERIFY(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.close();
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(),
                               QStringList({"--controller-version", "2"}));
        LoadedEditor editor;
        const EditorState before = readOverADocument(editor, emulator);
        QCOMPARE(editor.dialogs.messages().mid(2), QStringList{linkMessage(kNoDocument)});
        QVERIFY(EditorState::of(editor.window) == before);
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
        LoadedEditor editor;
        editor.dialogs.answerItem(emulator.entryText());
        editor.window.slotLoadFromLir();
        QCOMPARE(editor.dialogs.shown().size(), 1);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QCOMPARE(editor.window.m_ModelName, QStringLiteral("ЛИР-1"));
        QVERIFY(editor.window.m_Tree->topLevelItemCount() > 0);
    }

    void cancelDuringTheTransfer()
    {
        // At 9600 baud the document takes about twenty seconds; the cancel
        // comes while it is on its way, after the header told its size.
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList({"--baud", "9600"}));
        QString progressText;
        bool modal = false;
        // Watched rather than timed, since a busy machine may take seconds to
        // get there: the document's reply is the one of thousands of bytes.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&watch, &progressText, &modal] {
            TransferProgressDialog* progress = openProgressDialog();
            if (!progress || progress->maximum() < 1000)
                return;
            watch.stop();
            progressText = progress->labelText();
            modal = progress->windowModality() == Qt::ApplicationModal;
            progress->cancel();
        });
        watch.start(50);
        LoadedEditor editor;
        const EditorState before = readOverADocument(editor, emulator);
        QVERIFY2(progressText.contains(QStringLiteral(" из ")), qPrintable(progressText));
        QVERIFY(modal);
        QCOMPARE(editor.dialogs.shown().size(), 2);
        QCOMPARE(emulator.requests(), (QList<int>{1, 2}));
        QVERIFY(EditorState::of(editor.window) == before);
        QVERIFY(!openProgressDialog());
    }

    void writeStoresTheSerialisedDocument()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(), QStringList());
        LoadedEditor editor;
        openDefault(editor, 1);
        QVERIFY(editor.window.m_XmlWork->m_Document);
        editor.window.m_XmlWork->m_Document->documentElement().setAttribute(
            QStringLiteral("edited"), QStringLiteral("да"));
        const EditorState before = write(editor, emulator);

        QCOMPARE(editor.dialogs.messages().mid(1),
                 QStringList{QStringLiteral("about|") + kWriteTitle +
                             QStringLiteral("|Удачно записаны настройки.")});
        QCOMPARE(editor.dialogs.shown().last().parent, &editor.window);
        QCOMPARE(emulator.requests(), (QList<int>{1, 3}));
        QVERIFY(!before.document.isEmpty());
        QCOMPARE(readFile(controllerFile()), before.document);
        QVERIFY(EditorState::of(editor.window) == before);
    }

    void writeToAnotherVersionSendsOnlyCommand1()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(),
                               QStringList({"--controller-version", "2"}));
        const QByteArray controllerBefore = readFile(controllerFile());
        LoadedEditor editor;
        openDefault(editor, 1);
        const EditorState before = write(editor, emulator);
        QCOMPARE(editor.dialogs.messages().mid(1),
                 QStringList{linkMessage(
                     QStringLiteral("Версия текущих настроек и контроллера не совпадает."))});
        QCOMPARE(emulator.requests(), QList<int>{1});
        QCOMPARE(readFile(controllerFile()), controllerBefore);
        QVERIFY(EditorState::of(editor.window) == before);
    }

    void writeFaultKeepsEverything()
    {
        ControllerEmulator emulator;
        START_EMULATOR_AS_PORT(emulator, controllerFile(),
                               QStringList({"--fault-on", "3", "--bad-crc"}));
        LoadedEditor editor;
        openDefault(editor, 1);
        const EditorState before = write(editor, emulator);
        QCOMPARE(editor.dialogs.messages().mid(1), QStringList{linkMessage(kChecksumFailure)});
        QCOMPARE(emulator.requests(), (QList<int>{1, 3}));
        QVERIFY(EditorState::of(editor.window) == before);
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
        LoadedEditor editor;
        if (!loaded.isEmpty()) {
            editor.load(loaded);
            editor.window.m_ActWrite->setEnabled(true);
        }
        editor.dialogs.clear();
        editor.window.slotSaveToLir();
        QCOMPARE(editor.dialogs.messages(),
                 QStringList{QStringLiteral("about|") + kWriteTitle +
                             QStringLiteral("|Нет документа настроек для "
                                            "записи в контроллер.")});
        QCOMPARE(editor.dialogs.shown().first().parent, &editor.window);
    }

    void writeBlockedByInvalidFields()
    {
        LoadedEditor editor;
        openDefault(editor, 1);
        editor.window.addErrorField(QStringLiteral("Связь"), QStringLiteral("Порт"));
        editor.dialogs.clear();
        editor.window.slotSaveToLir();
        QVERIFY(editor.dialogs.shown().isEmpty());
        QCOMPARE(fieldsToCorrectWindows().size(), 1);
    }
};

LIR_TEST_CLASS(TestControllerMenuCommands)
#include "tst_ControllerMenuCommands.moc"
