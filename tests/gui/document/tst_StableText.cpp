#include "common/DocumentHelpers.h"
#include "common/LoadedEditor.h"
#include "common/TestRegistry.h"
#include "document/AttributeOrder.h"
#include "lines/LineInBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

using namespace DocumentHelpers;

namespace {
QByteArray saved(LoadedEditor& editor)
{
    return editor.window.m_XmlWork->documentText();
}

// The lines of `after` that are not the same line of `before`.
QStringList changedLines(const QByteArray& before, const QByteArray& after)
{
    const QList<QByteArray> old = before.split('\n');
    const QList<QByteArray> now = after.split('\n');
    QStringList changed;
    for (int i = 0; i < qMax(old.size(), now.size()); ++i) {
        if (old.value(i) != now.value(i))
            changed << QString::fromUtf8(now.value(i)).trimmed();
    }
    return changed;
}
} // namespace

class TestStableText : public QObject
{
    Q_OBJECT

private slots:
    void attributeOrder_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("serialised");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the source's order")
            << QByteArray("<a c='1' b='2'><x z='' y=''/></a>")
            << "<a b=\"2\" c=\"1\">\n    <x y=\"\" z=\"\"/>\n</a>\n"
            << "<a c=\"1\" b=\"2\">\n    <x z=\"\" y=\"\"/>\n</a>\n";
        QTest::newRow("a created value comes last")
            << QByteArray("<a c='1' b='2'/>") << "<a value=\"v\" b=\"2\" c=\"1\"/>\n"
            << "<a c=\"1\" b=\"2\" value=\"v\"/>\n";
        QTest::newRow("markup in comments and values is no tag")
            << QByteArray("<!-- <b/> --><a c='1' b='&gt;'/>")
            << "<!-- <b x=\"1\" w=\"2\"> -->\n<a b=\">\" c=\"1\"/>\n"
            << "<!-- <b x=\"1\" w=\"2\"> -->\n<a c=\"1\" b=\">\"/>\n";
        QTest::newRow("an unreadable source: by name")
            << QByteArray("<a c='1'") << "<a c=\"1\" b=\"2\"/>\n"
            << "<a b=\"2\" c=\"1\"/>\n";
    }

    void attributeOrder()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, serialised);
        QFETCH(QString, expected);
        QCOMPARE(AttributeOrder::of(source).apply(serialised), expected);
    }

    void resaveIsIdentical_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("comments, entities, odd indentation")
            << QStringLiteral(LIR_TEST_DATA_DIR "/roundtrip.xml");
        QTest::newRow("ЛИР-2 default") << QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml");
    }

    void resaveIsIdentical()
    {
        QFETCH(QString, fileName);
        LoadedEditor editor;
        QCOMPARE(editor.loadFile(fileName), XMLWork::LoadResult::Loaded);
        const QByteArray first = saved(editor);
        QCOMPARE(editor.load(first), XMLWork::LoadResult::Loaded);
        QCOMPARE(saved(editor), first);
        QCOMPARE(canonicalXml(first), canonicalXml(readFile(fileName)));
    }

    // The order is read from the text of the document loaded last, not kept
    // from an earlier one.
    void reloadTakesTheNewOrder()
    {
        QByteArray text = readFile(QStringLiteral(LIR_TEST_DATA_DIR "/roundtrip.xml"));
        LoadedEditor editor;
        QCOMPARE(editor.load(text), XMLWork::LoadResult::Loaded);
        QVERIFY(saved(editor).contains("<signal name=\"Тайм-аут\" type=\"number\""));
        text.replace("<signal name=\"Тайм-аут\" type=\"number\"",
                     "<signal type=\"number\" name=\"Тайм-аут\"");
        QCOMPARE(editor.load(text), XMLWork::LoadResult::Loaded);
        QVERIFY(saved(editor).contains("<signal type=\"number\" name=\"Тайм-аут\""));
    }

    void editChangesOnlyItsLine_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("changed");
        QTest::newRow("a number")
            << QStringLiteral("Тайм-аут, с")
            << "<signal name=\"Тайм-аут\" type=\"number\" min=\"0.5\" max=\"60\" e=\"-1\" "
               "measure=\"с\" value=\"3.5\">";
        QTest::newRow("a flags item")
            << QStringLiteral("Выходы")
            << "<signal name=\"Выходы\" key=\"out\" type=\"flags\" value=\"o1:0 o2:0 o3:1\">";
        QTest::newRow("a value the edit creates")
            << QStringLiteral("Без значения")
            << "<signal name=\"Без значения\" type=\"string\" lenMax=\"8\" value=\"new\"/>";
    }

    void editChangesOnlyItsLine()
    {
        QFETCH(QString, label);
        QFETCH(QString, changed);
        QByteArray text = readFile(QStringLiteral(LIR_TEST_DATA_DIR "/roundtrip.xml"));
        text.replace("<signal name=\"Адрес\"", "<signal name=\"Без значения\" type=\"string\" "
                                               "lenMax=\"8\"/><signal name=\"Адрес\"");
        LoadedEditor editor;
        editor.load(text);
        const QByteArray before = saved(editor);
        LineInBox* line = editor.line(label);
        QVERIFY(line);
        if (auto* box = qobject_cast<QCheckBox*>(line->m_Widgets.first()))
            box->setCheckState(Qt::Unchecked);
        else if (line->m_TypeLine == xmlnumber)
            LoadedEditor::finishNumber(line, QStringLiteral("3.5"));
        else
            qobject_cast<QLineEdit*>(line->m_Widgets.first())->setText(QStringLiteral("new"));
        QCOMPARE(changedLines(before, saved(editor)), QStringList{changed});
    }
};

LIR_TEST_CLASS(TestStableText)
#include "tst_StableText.moc"
