#include "app/BoxForLines.h"
#include "app/MainWindow.h"
#include "app/ScrollAreaWidget.h"
#include "app/TreeWidgetItemLineInLeftTree.h"
#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "conditions/ConditionLint.h"
#include "conditions/HideConds.h"
#include "conditions/HideConds_Cont.h"
#include "document/SymbolTable.h"
#include "document/XMLWork.h"
#include "lines/LineInBox.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <csignal>
#include <sys/resource.h>

using namespace DocumentHelpers;

namespace {
const QString kDataDir = QStringLiteral(LIR_TEST_DATA_DIR);

// Makes writes beyond `bytes` fail as on a full disk, for its lifetime.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_Old);
        rlimit limited = m_Old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_OldHandler);
    }

private:
    rlimit m_Old;
    void (*m_OldHandler)(int);
};
} // namespace

class TestXMLWork : public QObject
{
    Q_OBJECT

    // Qt's own reasons come translated by the installed "qt_ru".
    static QString reasonOf(const char* context, const char* reason)
    {
        return QCoreApplication::translate(context, reason);
    }

private slots:
    void containerConditionsTaken_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("taken"); // container name ':' key of each condition
        const auto row = [](const char* name, const char* body, const char* taken) {
            QTest::newRow(name) << QByteArray(body) << QString::fromUtf8(taken);
        };
        row("first thing in the container",
            "<container name='A'><hideConds><c s='k'/></hideConds><signal "
            "type='string'/></container>",
            "A:k");
        row("after a signal: passed over",
            "<container name='A'><signal type='string'/><hideConds><c "
            "s='k'/></hideConds></container>",
            "");
        row("after a nested container: taken",
            "<container name='A'><signal type='string'/><container name='B'/><hideConds><c "
            "s='k'/></hideConds>"
            "</container>",
            "A:k");
        row("only the first of two",
            "<container name='A'><hideConds><c s='k1'/></hideConds><hideConds><c s='k2'/>"
            "</hideConds></container>",
            "A:k1");
        row("a passed-over one closes, a nested container reopens",
            "<container name='A'><signal type='string'/><hideConds><c "
            "s='no'/></hideConds><container name='B'/>"
            "<hideConds><c s='yes'/></hideConds></container>",
            "A:yes");
        row("comments and other elements before it change nothing",
            "<container name='A'><!-- note --><note/><hideConds><c s='k'/></hideConds></container>",
            "A:k");
        row("inside another element: passed over",
            "<container name='A'><group><hideConds><c s='k'/></hideConds></group></container>", "");
        row("under the document element: passed over",
            "<hideConds><c s='k'/></hideConds><container name='A'/>", "");
        row("inside a signal it is the line's own",
            "<container name='A'><signal type='string'><hideConds><c "
            "s='k'/></hideConds></signal></container>",
            "");
        row("each container its own, every c",
            "<container name='A'><hideConds><c s='a1'/><c s='a2'/></hideConds><container name='B'>"
            "<hideConds><c s='b'/></hideConds></container></container>",
            "A:a1 A:a2 B:b");
    }

    void containerConditionsTaken()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, taken);
        QDomDocument document;
        QVERIFY(document.setContent("<lir1Settings>" + body + "</lir1Settings>"));
        LoadedEditor editor;
        editor.window.m_XmlWork->renderNode(document.documentElement(), nullptr, false);
        QStringList conditions;
        QStringList readKeys;
        for (const auto& cond : qAsConst(g_HideConds_Cont->m_Conds)) {
            conditions << cond.target->text(0) + QLatin1Char(':') + cond.s;
            readKeys << cond.s;
        }
        for (const auto& cond : qAsConst(g_HideConds->m_Conds))
            readKeys << cond.s;
        g_HideConds->clearConds();
        g_HideConds_Cont->clearConds();
        QCOMPARE(conditions.join(QLatin1Char(' ')), taken);

        // `check` must look at exactly the conditions the loader reads: no
        // setting here has a key, so it names each of them once.
        static const QRegularExpression unmatched(
            QStringLiteral("^condition s=\"(.*)\" matches no setting's key$"));
        QStringList lintedKeys;
        for (const ConditionLint::Finding& finding : ConditionLint::findings(document)) {
            const QRegularExpressionMatch match = unmatched.match(finding.message);
            if (match.hasMatch())
                lintedKeys << match.captured(1);
        }
        readKeys.sort();
        lintedKeys.sort();
        QCOMPARE(lintedKeys, readKeys);
    }

    void signalsOutsideContainers_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("reported");
        QTest::addColumn<QString>("outline");
        QTest::newRow("under the document element")
            << QByteArray(
                   "<signal name='lost'/><container name='A'><signal name='kept' type='string'/>"
                   "</container>")
            << QStringList{"lost"} << "A{1}";
        QTest::newRow("inside another element of a container")
            << QByteArray("<container name='A'><group><signal name='wrapped'/></group>"
                          "<signal name='kept' type='string'/></container>")
            << QStringList{"wrapped"} << "A{1}";
        QTest::newRow("inside a signal")
            << QByteArray(
                   "<container name='A'><signal name='outer' type='string'><signal name='inner'/>"
                   "</signal></container>")
            << QStringList{"inner"} << "A{1}";
        QTest::newRow("without a name, walk goes on")
            << QByteArray("<signal/><signal name='second'/><container name='A'/>")
            << QStringList{"", "second"} << "A{}";
    }

    void signalsOutsideContainers()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, reported);
        QFETCH(QString, outline);
        LoadedEditor editor;
        QCOMPARE(editor.load("<lir1Settings>" + body + "</lir1Settings>"),
                 XMLWork::LoadResult::Loaded);
        QStringList expected;
        for (const QString& name : reported)
            expected << QStringLiteral("about|Ошибка разбора файла|") + name +
                            QStringLiteral(", большая ошибка <signal> без <container>");
        QCOMPARE(editor.dialogs.messages(), expected);
        for (const ScriptedDialogs::Shown& shown : editor.dialogs.shown())
            QVERIFY(!shown.parent);
        QCOMPARE(treeOutline(editor.window.m_Tree), outline);
    }

    void formatVersion_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("version");
        QTest::newRow("2") << QByteArray("<lir1Settings formatVerMaj='2'/>") << 2;
        QTest::newRow("3 is kept") << QByteArray("<lir1Settings formatVerMaj='3'/>") << 3;
        QTest::newRow("low eight bits of 258")
            << QByteArray("<lir1Settings formatVerMaj='258'/>") << 2;
        QTest::newRow("not a number") << QByteArray("<lir1Settings formatVerMaj='x'/>") << 0;
        QTest::newRow("absent") << QByteArray("<lir1Settings/>") << 0;
        QTest::newRow("another document element")
            << QByteArray("<settings formatVerMaj='2'><container name='A'/></settings>") << 255;
    }

    void formatVersion()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, version);
        LoadedEditor editor;
        editor.load(document);
        QCOMPARE(int(editor.window.m_FormatVerMaj), version);
        QVERIFY(editor.window.m_XmlWork->hasDocument());
    }

    void refusedTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("tag mismatch, from a file")
            << readFile(kDataDir + "/broken_tag_mismatch.xml") << "tag mismatch line=5 col=15";
        QTest::newRow("empty text") << QByteArray() << "unexpected end of file line=1 col=1";
        QTest::newRow("unclosed at the end") << QByteArray("<lir1Settings>\n<container name='A'>\n")
                                             << "unexpected end of file line=3 col=1";
        QTest::newRow("too deep")
            << nestedContainers(XMLWork::kMaxNestingDepth)
            << QStringLiteral("Слишком глубокая вложенность элементов (больше 256 уровней) "
                              "line=1 col=%1")
                   .arg(31 + 20 * XMLWork::kMaxNestingDepth);
        // Far beyond what the recursive parser survives.
        QTest::newRow("far too deep")
            << nestedContainers(100000)
            << QStringLiteral("Слишком глубокая вложенность элементов (больше 256 уровней) "
                              "line=1 col=%1")
                   .arg(31 + 20 * XMLWork::kMaxNestingDepth);
        // An entity the stream reader does not know stops it early, yet the
        // DOM parser would go on into the depth.
        QTest::newRow("far too deep behind an undeclared entity")
            << nestedContainers(100000).replace("<container", "&nbsp;<container")
            << QStringLiteral("Слишком глубокая вложенность элементов (больше 256 уровней) "
                              "line=1 col=%1")
                   .arg(31 + 26 * XMLWork::kMaxNestingDepth);
    }

    void refusedTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("refused.xml"));
        QVERIFY(writeFile(fileName, text));
        for (const bool fromFile : {false, true}) {
            LoadedEditor editor;
            editor.load(readFile(kDataDir + "/roundtrip.xml"));
            editor.window.m_ScrollArea->slotActivatedBox(itemAt(editor.window.m_Tree, "0"), 0);
            const XMLWork::LoadResult result =
                fromFile ? editor.loadFile(fileName) : editor.load(text);
            QCOMPARE(result, XMLWork::LoadResult::Refused);
            QCOMPARE(editor.dialogs.messages(),
                     QStringList{"about|Ошибка Открытия файла|" + message});
            QVERIFY(!editor.dialogs.shown().first().parent);
            QCOMPARE(editor.window.m_Tree->topLevelItemCount(), 0);
            QVERIFY(!editor.window.m_ScrollArea->m_Current);
            QVERIFY(editor.window.m_XmlWork->m_Document);
            QVERIFY(editor.window.m_XmlWork->m_Document->firstChild().isNull());
            QVERIFY(!editor.window.m_XmlWork->hasDocument());
        }
    }

    void acceptedDepth()
    {
        LoadedEditor editor;
        // The document element and 255 containers: exactly the bound.
        QCOMPARE(editor.load(nestedContainers(XMLWork::kMaxNestingDepth - 1)),
                 XMLWork::LoadResult::Loaded);
        QTreeWidgetItem* item = editor.window.m_Tree->topLevelItem(0);
        int depth = 0;
        for (; item; item = item->child(0))
            ++depth;
        QCOMPARE(depth, XMLWork::kMaxNestingDepth - 1);
        QVERIFY(editor.dialogs.shown().isEmpty());
    }

    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("name"); // inside a temporary directory
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing file") << "missing.xml"
                                      << "No such file or directory";
        QTest::newRow("a directory")
            << "folder" << reasonOf("QIODevice", "file to open is a directory");
        QTest::newRow("inside a missing directory") << "none/x.xml"
                                                    << "No such file or directory";
        QTest::newRow("larger than the size bound")
            << "huge.xml" << QStringLiteral("Документ больше 16 МиБ (16777216 байт)");
    }

    void unreadableFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QFile huge(dir.filePath(QStringLiteral("huge.xml")));
        QVERIFY(huge.open(QIODevice::WriteOnly) &&
                huge.resize(DocumentParser::kMaxDocumentBytes + 1));
        const QString fileName = dir.filePath(name);
        LoadedEditor editor;
        editor.load(readFile(kDataDir + "/roundtrip.xml"));
        QCOMPARE(editor.loadFile(fileName), XMLWork::LoadResult::Unreadable);
        QCOMPARE(editor.dialogs.messages(),
                 QStringList{"critical|Ошибка Открытия файла|Не удалось открыть файл «" + fileName +
                             "»: " + reason});
        QVERIFY(!editor.window.m_XmlWork->m_Document);
        QCOMPARE(editor.window.m_Tree->topLevelItemCount(), 0);
    }

    void nextLoadLeavesNoTrace_data()
    {
        QTest::addColumn<QString>("next"); // file name in the data folder, or bytes
        QTest::addColumn<QString>("outline");
        QTest::newRow("a document from bytes")
            << "<lir1Settings><container name='New'>"
               "<signal type='string'/></container></lir1Settings>"
            << "New{1}";
        QTest::newRow("a document from a file") << kDataDir + "/signal_without_container.xml"
                                                << "Оси{1}";
        QTest::newRow("a text that does not parse") << "<lir1Settings>"
                                                    << "";
        QTest::newRow("a missing file") << kDataDir + "/missing.xml"
                                        << "";
    }

    void nextLoadLeavesNoTrace()
    {
        QFETCH(QString, next);
        QFETCH(QString, outline);
        LoadedEditor editor;
        editor.loadFile(kDataDir + "/roundtrip.xml");
        QCOMPARE(g_SymbolTable->symbolCode(QStringLiteral("phone")), 3);
        QVERIFY(g_HideConds->m_Conds.isEmpty());
        QVERIFY(g_HideConds_Cont->m_Conds.isEmpty());
        auto* shown =
            dynamic_cast<TreeWidgetItemLineInLeftTree*>(itemAt(editor.window.m_Tree, "0"));
        editor.window.m_ScrollArea->slotActivatedBox(shown, 0);
        editor.window.addErrorField(QStringLiteral("Сеть & связь"), QStringLiteral("Адрес"));
        QList<QPointer<QObject>> old;
        for (QObject* box : editor.window.m_ScrollArea->m_Content->findChildren<BoxForLines*>())
            old << box << box->findChildren<LineInBox*>().value(0);
        QCOMPARE(old.size(), 4);

        if (next.startsWith('<'))
            editor.load(next.toUtf8());
        else
            editor.loadFile(next);

        for (const QPointer<QObject>& object : old)
            QVERIFY(object.isNull());
        QCOMPARE(treeOutline(editor.window.m_Tree), outline);
        QVERIFY(!editor.window.m_ScrollArea->m_Current);
        QVERIFY(editor.window.m_ErrorFields.isEmpty());
        QCOMPARE(g_SymbolTable->size(), 0);
        int lines = 0;
        for (BoxForLines* box : editor.window.m_ScrollArea->m_Content->findChildren<BoxForLines*>())
            lines += box->m_Lines.size();
        QCOMPARE(lines, outline.isEmpty() ? 0 : 1);
    }

    void saveKeepsTheDocument_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("comments, entities, odd indentation") << kDataDir + "/roundtrip.xml";
        QTest::newRow("ЛИР-1 default") << QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml");
        QTest::newRow("ЛИР-2 default") << QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml");
    }

    void saveKeepsTheDocument()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("saved"));
        LoadedEditor editor;
        QCOMPARE(editor.loadFile(fileName), XMLWork::LoadResult::Loaded);
        editor.window.m_XmlWork->slotSaveDomDocumentToXML(saved);
        const QByteArray original = readFile(fileName);
        const QByteArray text = readFile(saved);
        QCOMPARE(canonicalXml(text), canonicalXml(original));
        QVERIFY(canonicalXml(text).contains(QStringLiteral("<!--")));
        QVERIFY(!text.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(text).toUtf8(), text);
        for (const QByteArray& line : text.split('\n')) {
            const int indent = line.size() - line.trimmed().size() - (line.endsWith(' ') ? 1 : 0);
            QVERIFY2(!line.contains('\t') && indent % 4 == 0, line.constData());
        }
        QVERIFY(editor.dialogs.shown().isEmpty());
    }

    void savedText()
    {
        LoadedEditor editor;
        editor.load("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- top -->\n"
                    "<lir1Settings formatVerMaj=\"1\">\n <container name=\"Ось\">\n"
                    "  <!-- inside -->\n  <signal type=\"string\"/>\n"
                    "  <container name=\"Б\"><signal type=\"string\"/></container>\n"
                    " </container>\n</lir1Settings>\n");
        const QByteArray expected = "<?xml version='1.0' encoding='UTF-8'?>\n"
                                    "<!-- top -->\n"
                                    "<lir1Settings formatVerMaj=\"1\">\n"
                                    "    <container name=\"Ось\">\n"
                                    "        <!-- inside -->\n"
                                    "        <signal type=\"string\"/>\n"
                                    "        <container name=\"Б\">\n"
                                    "            <signal type=\"string\"/>\n"
                                    "        </container>\n"
                                    "    </container>\n"
                                    "</lir1Settings>\n";
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("saved.txt"));
        editor.window.m_XmlWork->slotSaveDomDocumentToXML(fileName);
        QCOMPARE(readFile(fileName), expected);
        // The name is used as given; a second save replaces the file.
        editor.window.m_XmlWork->slotSaveDomDocumentToXML(fileName);
        QCOMPARE(readFile(fileName), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"saved.txt"});

        QByteArray bytes = "prefix";
        editor.window.m_XmlWork->slotSaveDomDocumentToBytes(bytes);
        QCOMPARE(bytes, "prefix" + expected);
    }

    void declaredEncodingBecomesUtf8_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("declaration"); // the first line saved
        QTest::newRow("windows-1251")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
                          "<lir1Settings><container name=\"\xD1\xE5\xF2\xFC\"/></lir1Settings>")
            << QByteArray("<?xml version='1.0' encoding='UTF-8'?>");
        QTest::newRow("KOI8-R with standalone")
            << QByteArray("<?xml version=\"1.0\" encoding=\"KOI8-R\" standalone=\"yes\"?>"
                          "<lir1Settings><container name=\"\xF3\xC5\xD4\xD8\"/></lir1Settings>")
            << QByteArray("<?xml version='1.0' encoding='UTF-8' standalone='yes'?>");
        QTest::newRow("utf-8 in lower case stays")
            << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                          "<lir1Settings><container name=\"Сеть\"/></lir1Settings>")
            << QByteArray("<?xml version='1.0' encoding='utf-8'?>");
        QTest::newRow("no encoding named")
            << QByteArray("<?xml version=\"1.0\"?>"
                          "<lir1Settings><container name=\"Сеть\"/></lir1Settings>")
            << QByteArray("<?xml version='1.0'?>");
        QTest::newRow("no declaration, none added")
            << QByteArray("<lir1Settings><container name=\"Сеть\"/></lir1Settings>")
            << QByteArray("<lir1Settings>");
    }

    void declaredEncodingBecomesUtf8()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, declaration);
        LoadedEditor editor;
        editor.load(text);
        QCOMPARE(treeOutline(editor.window.m_Tree), QStringLiteral("Сеть{}"));
        QByteArray saved;
        editor.window.m_XmlWork->slotSaveDomDocumentToBytes(saved);
        QCOMPARE(saved.left(saved.indexOf('\n')), declaration);
        editor.load(saved);
        QCOMPARE(treeOutline(editor.window.m_Tree), QStringLiteral("Сеть{}"));
    }

    void nothingToSave_data()
    {
        QTest::addColumn<QByteArray>("loaded"); // empty: nothing loaded at all
        QTest::newRow("no document") << QByteArray();
        QTest::newRow("after a failed parse") << QByteArray("<lir1Settings>");
    }

    void nothingToSave()
    {
        QFETCH(QByteArray, loaded);
        LoadedEditor editor;
        if (!loaded.isEmpty())
            editor.load(loaded);
        QVERIFY(!editor.window.m_XmlWork->hasDocument());
        editor.dialogs.clear();
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("existing.xml"));
        QVERIFY(writeFile(existing, "old"));
        editor.window.m_XmlWork->slotSaveDomDocumentToXML(existing);
        editor.window.m_XmlWork->slotSaveDomDocumentToXML(dir.filePath(QStringLiteral("new.xml")));
        QCOMPARE(readFile(existing), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"existing.xml"});
        QByteArray bytes = "kept";
        editor.window.m_XmlWork->slotSaveDomDocumentToBytes(bytes);
        QCOMPARE(bytes, QByteArray("kept"));
        QVERIFY(editor.dialogs.shown().isEmpty());
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("target"); // inside a temporary directory
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a missing directory")
            << "missing/x.xml" << false << reasonOf("QIODevice", "No such file or directory");
        QTest::newRow("a name that is a directory")
            << "folder" << false << reasonOf("QSaveFile", "Filename refers to a directory");
        QTest::newRow("a full disk, old file kept") << "old.xml" << true << "Файл слишком велик";
    }

    void failedSave()
    {
        QFETCH(QString, target);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("folder/inside.xml")), "inside"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("old.xml")), "old contents"));
        LoadedEditor editor;
        editor.loadFile(kDataDir + "/roundtrip.xml");
        const QString fileName = dir.filePath(target);
        {
            std::unique_ptr<FileSizeLimit> limit(diskFull ? new FileSizeLimit(100) : nullptr);
            editor.window.m_XmlWork->slotSaveDomDocumentToXML(fileName);
        }
        QCOMPARE(editor.dialogs.messages(),
                 QStringList{"critical|Ошибка сохранения файла|Не удалось сохранить файл «" +
                             fileName + "»: " + reason});
        QCOMPARE(editor.dialogs.shown().first().parent, &editor.window);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("old.xml"))), QByteArray("old contents"));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("folder/inside.xml"))), QByteArray("inside"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"folder", "old.xml"}));
    }
};

LIR_TEST_CLASS(TestXMLWork)
#include "tst_XMLWork.moc"
