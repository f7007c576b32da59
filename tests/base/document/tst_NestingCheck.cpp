#include "common/TestRegistry.h"
#include "document/NestingCheck.h"

#include <QTest>
#include <QTextCodec>

// The bound is 3 throughout: <a><b><c/></b></a> is just allowed.
class TestNestingCheck : public QObject
{
    Q_OBJECT

private slots:
    void findTooDeep_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("tooDeep");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        const auto row = [](const char* name, const QByteArray& text, bool tooDeep, int line = 0,
                            int column = 0) {
            QTest::newRow(name) << text << tooDeep << line << column;
        };
        row("empty", "", false);
        row("exactly the bound", "<a><b><c/></b></a>", false);
        row("siblings do not add up", "<a><b><c/><c/></b><b><c></c></b></a>", false);
        row("one level deeper", "<a><b><c><d/></c></b></a>", true, 1, 13);
        row("on a later line", "<a>\n <b>\n  <c>\n   <d/>", true, 4, 7);
        row("unclosed text still measured", "<a><b><c><d>", true, 1, 12);
        row("UTF-16 with BOM", QTextCodec::codecForName("UTF-16")->fromUnicode("<a><b><c><d/>"),
            true, 1, 13);

        // An undeclared entity stops the stream reader; the markup scan
        // takes over and must not be fooled by what only looks like tags.
        row("behind an entity", "<a>&x;<b><c><d/></c></b></a>", true, 1, 16);
        row("behind an entity, exactly the bound", "<a>&x;<b/><b><c></c></b></a>", false);
        row("behind an entity, comments CDATA and PIs are no tags",
            "<a>&x;<b><!-- <c><d> --><![CDATA[<c><d>]]><?pi <c><d>?></b></a>", false);
        row("behind an entity, quoted > and /> in attributes",
            "<a>&x;<b k='>' l=\"/>\"><c m='a>b'><d/></c></b></a>", true, 1, 37);
        row("behind an entity, a self-closing tag with attributes",
            "<a>&x;<b><c n='1' /><c/></b></a>", false);
        row("behind an entity, a DOCTYPE with markup inside",
            "<!DOCTYPE a [<!ENTITY e '<x><y><z>'><!-- ]> -->]><a>&x;<b><c/></b></a>", false);
        row("behind an entity, a line break", "<a>&x;\n<b>\n<c><d\n/>", true, 4, 2);
        row("behind an entity, '<' before no name", "<a>&x;<b><c>< 1 <2</c></b></a>", false);
    }

    void findTooDeep()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, tooDeep);
        QFETCH(int, line);
        QFETCH(int, column);
        const NestingCheck::Result result = NestingCheck::findTooDeep(text, 3);
        QCOMPARE(result.tooDeep, tooDeep);
        if (tooDeep) {
            QCOMPARE(result.line, qint64(line));
            QCOMPARE(result.column, qint64(column));
        }
    }
};

LIR_TEST_CLASS(TestNestingCheck)
#include "tst_NestingCheck.moc"
