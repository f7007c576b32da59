#include "app/MainWindow.h"
#include "common/DocumentHelpers.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "document/DocumentParser.h"
#include "document/SettingsModel.h"
#include "document/XMLWork.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QTreeWidget>
#include <sys/resource.h>

using namespace DocumentHelpers;

namespace {
QByteArray settings(const QByteArray& body)
{
    return "<lir1Settings formatVerMaj=\"1\">" + body + "</lir1Settings>";
}

// A 100 KB entity referenced 100,000 times where `use` puts "REF".
QByteArray entityBomb(const char* use)
{
    QByteArray references;
    references.reserve(500000);
    for (int i = 0; i < 100000; ++i)
        references += "&big;";
    return "<!DOCTYPE lir1Settings [<!ENTITY big \"" + QByteArray(100000, 'x') + "\">]>\n" +
           settings(QByteArray(use).replace("REF", references));
}

QByteArray billionLaughs()
{
    QByteArray text = "<!DOCTYPE lir1Settings [<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        QByteArray value;
        for (int j = 0; j < 10; ++j)
            value += "&l" + QByteArray::number(i - 1) + ";";
        text += "<!ENTITY l" + QByteArray::number(i) + " \"" + value + "\">";
    }
    return text + "]>\n" + settings("<container name=\"&l9;\"/>");
}

QByteArray randomBytes(int size)
{
    QByteArray bytes;
    quint32 state = 12345;
    for (int i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes += char(state >> 24);
    }
    return bytes;
}

QByteArray flagsSetting(int items)
{
    QByteArray value;
    QByteArray list;
    // Appending a concatenation reserves exactly its size: without room made
    // first, every append would copy the whole text.
    value.reserve(items * 10);
    list.reserve(items * 32);
    for (int i = 0; i < items; ++i) {
        value += (i ? " k" : "k") + QByteArray::number(i) + (i % 2 ? ":1" : ":0");
        list += "<item name=\"I\" key=\"k" + QByteArray::number(i) + "\"/>";
    }
    return settings("<container name=\"F\"><signal name=\"f\" type=\"flags\" value=\"" + value +
                    "\"><namedValues>" + list + "</namedValues></signal></container>");
}

QStringList repeated(int count, const char* message)
{
    QStringList messages;
    for (int i = 0; i < count; ++i)
        messages << QString::fromUtf8(message);
    return messages;
}

qint64 peakMemoryKb()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

// Hostile and broken documents, each loaded as "Открыть" loads it: every one
// ends in a message or a document, never in a crash, a hang or unbounded
// memory.
class TestMalformedDocuments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("text");
        // Refused: the message; loaded: the tree, then every message shown.
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("outline");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("memoryMb"); // growth of the peak allowed
        const auto refused = [](const char* name, const QByteArray& text, const QString& message,
                                int memoryMb = 256) {
            QTest::newRow(name) << text << message << QString() << QStringList() << memoryMb;
        };
        const auto loaded = [](const char* name, const QByteArray& text, const char* outline,
                               const QStringList& messages = {}, int memoryMb = 256) {
            QTest::newRow(name) << text << QString() << QString::fromUtf8(outline) << messages
                                << memoryMb;
        };
        const QString tooLarge =
            QStringLiteral("Слишком большая подстановка сущностей (больше 1048576 символов) ");

        refused("truncated text", settings("<container name=\"A\">").left(40),
                "unexpected end of file line=1 col=41");
        refused("random bytes", randomBytes(4096),
                "Недопустимая последовательность байтов в кодировке UTF-8 line=1 col=2");
        refused("invalid UTF-8", settings("\n<container name=\"\xD0\xA1\xD0\xB5\xD1\x82\xFF\"/>"),
                "Недопустимая последовательность байтов в кодировке UTF-8 line=2 col=21");
        refused("UTF-8 declared, a Latin-1 byte",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" +
                    settings("<container name=\"\xE9\"/>"),
                "Недопустимая последовательность байтов в кодировке UTF-8 line=1 col=87");
        loaded("UTF-16 with its byte-order mark",
               QTextCodec::codecForName("UTF-16")->fromUnicode(
                   QString::fromUtf8(settings("<container name=\"Сеть\"/>"))),
               "Сеть{}");
        // The codec writes the mark first.
        loaded("UTF-16 big-endian without its byte-order mark",
               QTextCodec::codecForName("UTF-16BE")
                   ->fromUnicode(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") +
                                 QString::fromUtf8(settings("<container name=\"Сеть\"/>")))
                   .mid(2),
               "Сеть{}");
        refused("a NUL character in a value",
                settings("\n<container name=\"A\"><signal name=\"s\" type=\"string\" "
                         "value=\"a" +
                         QByteArray(1, '\0') + "b\"/></container>"),
                "Недопустимый символ NUL (код 0) line=2 col=60");
        refused("a document past the size bound",
                settings("<!--" + QByteArray(DocumentParser::kMaxDocumentBytes, 'x') + "-->"),
                "Документ больше 16 МиБ (16777216 байт)");
        loaded("another declared encoding",
               "<?xml version=\"1.0\" encoding=\"windows-1251\"?>" +
                   settings("<container name=\"\xD1\xE5\xF2\xFC\"/>"),
               "Сеть{}");
        refused("an entity bomb in text", entityBomb("<container name=\"A\">REF</container>"),
                tooLarge + "line=2 col=106");
        refused("an entity bomb in an attribute", entityBomb("<container name=\"REF\"/>"),
                tooLarge + "line=2 col=103");
        refused("the billion laughs", billionLaughs(), tooLarge + "line=2 col=52");
        refused("a parameter entity declaring another",
                "<!DOCTYPE a [<!ENTITY % p \"<!ENTITY e 'x'>\"> %p;]>" + settings(""),
                "Сущности с разметкой и параметрические сущности не поддерживаются line=1 col=43");
        loaded("an external entity, never read",
               "<!DOCTYPE lir1Settings [<!ENTITY secret SYSTEM \"" +
                   m_Dir.filePath(QStringLiteral("secret.txt")).toUtf8() + "\">]>" +
                   settings("<container name=\"A\">&secret;</container>"),
               "A{}");
        refused("nesting 100,000 deep", nestedContainers(100000),
                "Слишком глубокая вложенность элементов (больше 256 уровней) line=1 col=5151");
        // The load keeps the value whole, and the test saves it: the
        // serialiser's copies of 10 MB take most of the peak.
        loaded("a 10 MB attribute",
               settings("<container name=\"A\"><signal name=\"s\" type=\"string\" value=\"" +
                        QByteArray(10 << 20, 'v') + "\"/></container>"),
               "A{1}", {}, 768);
        loaded("100,000 flags items", flagsSetting(100000), "F{1}", {}, 2048);
        loaded("empty and absent attributes everywhere",
               "<lir1Settings formatVerMaj=\"\"><symbols symbols_=\"\"/><container>"
               "<hideConds><c/><c s=\"\" o=\"\" v=\"\"/></hideConds>"
               "<signal/><signal name=\"\" key=\"\" type=\"\" value=\"\"/>"
               "<signal type=\"flags\"><namedValues><item/></namedValues></signal>"
               "<signal type=\"enum\" value=\"\"><namedValues><item name=\"\" key=\"\"/>"
               "</namedValues></signal><signal type=\"number\" min=\"\" max=\"\" e=\"\"/>"
               "<signal type=\"string\" lenMax=\"\" letters=\"\"/>"
               "<signal type=\"bit\"><hideConds><c s=\"\"/></hideConds></signal>"
               "</container></lir1Settings>",
               "{7}",
               repeated(2, "Error contains,: Unknown type. Номер строки =1") +
                   repeated(2, "In item: not found \"key\". Номер строки =1") +
                   repeated(9, "Error HideConds::createSignal: Not know") +
                   repeated(2, "Error slotLoadFromDom m_TypeLine = default: Номер строки =1"));
        loaded("duplicate keys",
               settings("<container name=\"A\"><signal name=\"b\" key=\"k\" type=\"bit\" "
                        "value=\"1\"/><signal name=\"c\" key=\"k\" type=\"bit\" value=\"0\"/>"
                        "<signal name=\"f\" type=\"flags\" value=\"x:1 x:0\"><namedValues>"
                        "<item name=\"1\" key=\"x\"/><item name=\"2\" key=\"x\"/></namedValues>"
                        "<hideConds><c s=\"k\" o=\"BT\" v=\"0\"/></hideConds></signal>"
                        "</container>"),
               "A{3}");
        loaded("self-hiding and mutually hiding conditions",
               settings("<container name=\"A\"><signal name=\"self\" key=\"s\" type=\"bit\" "
                        "value=\"1\"><hideConds><c s=\"s\" o=\"BT\" v=\"0\"/></hideConds></signal>"
                        "<signal name=\"p\" key=\"p\" type=\"bit\" value=\"1\"><hideConds>"
                        "<c s=\"q\" o=\"BT\" v=\"0\"/></hideConds></signal>"
                        "<signal name=\"q\" key=\"q\" type=\"bit\" value=\"1\"><hideConds>"
                        "<c s=\"p\" o=\"BT\" v=\"0\"/></hideConds></signal></container>"),
               "A{3}");
    }

    void load()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, refusal);
        QFETCH(QString, outline);
        QFETCH(QStringList, messages);
        QFETCH(int, memoryMb);
        QVERIFY(writeFile(m_Dir.filePath(QStringLiteral("secret.txt")), "SECRET"));
        const qint64 peakBefore = peakMemoryKb();
        ScriptedDialogs dialogs;
        MainWindow window;
        const XMLWork::LoadResult result = window.m_XmlWork->loadBytes(text);
        QStringList shown;
        for (const ScriptedDialogs::Shown& each : dialogs.shown())
            shown << each.title + QStringLiteral(": ") + each.text;
        if (!refusal.isEmpty()) {
            QCOMPARE(result, XMLWork::LoadResult::Refused);
            QCOMPARE(shown, QStringList{QStringLiteral("Ошибка Открытия файла: ") + refusal});
            QCOMPARE(window.m_Tree->topLevelItemCount(), 0);
            QVERIFY(!window.m_XmlWork->hasDocument());
        } else {
            QCOMPARE(result, XMLWork::LoadResult::Loaded);
            QCOMPARE(treeOutline(window.m_Tree), outline);
            QCOMPARE(shown, messages);
            // The tools say what the editor says, without its screens.
            QStringList modelMessages;
            for (const SettingsModel::Message& each :
                 SettingsModel::of(*window.m_XmlWork->m_Document).loadMessages())
                modelMessages << each.title + QStringLiteral(": ") + each.text;
            QCOMPARE(modelMessages, messages);
            QVERIFY(!window.m_XmlWork->documentText().contains("SECRET"));
        }
        QVERIFY2(
            peakMemoryKb() - peakBefore < qint64(memoryMb) * 1024,
            qPrintable(
                QStringLiteral("peak grew by %1 MB").arg((peakMemoryKb() - peakBefore) / 1024)));
    }
};

LIR_TEST_CLASS(TestMalformedDocuments)
#include "tst_MalformedDocuments.moc"
