#include "common/DocumentHelpers.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QTemporaryDir>
#include <QTest>

// `lir-settings report` run as a user would, without a display.
class TestReportTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    static ToolRun run(const QStringList& args)
    {
        return ToolRun::run(QStringLiteral("lir-settings"),
                            QStringList{QStringLiteral("report")} + args);
    }

private slots:
    void htmlToStandardOutputAndToAFile()
    {
        QVERIFY(m_Dir.isValid());
        const QString input = QStringLiteral(LIR_DEFAULTS_DIR "/lir2_sets_default.xml");
        const ToolRun toStdout = run({input});
        QCOMPARE(toStdout.exitCode, 0);
        const QString html = QString::fromUtf8(toStdout.out);
        QVERIFY(html.startsWith(QStringLiteral("<!DOCTYPE HTML><html>")));
        QVERIFY(html.contains(QStringLiteral("Таблица настроек контроллера ЛИР-2</center>")));
        QVERIFY(html.endsWith(QStringLiteral("</table></body></html>")));

        const QString output = m_Dir.filePath(QStringLiteral("report.html"));
        const ToolRun toFile = run({input, QStringLiteral("-o"), output});
        QCOMPARE(toFile.exitCode, 0);
        QVERIFY(toFile.out.isEmpty());
        QCOMPARE(DocumentHelpers::readFile(output), toStdout.out);
    }

    void pdfWhenTheNameEndsInPdf()
    {
        const QString output = m_Dir.filePath(QStringLiteral("report.pdf"));
        const ToolRun result =
            run({QStringLiteral(LIR_DEFAULTS_DIR "/lir1_sets_default.xml"), "-o", output});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(DocumentHelpers::readFile(output).startsWith("%PDF"));
    }

    void conditionsDecideWhatIsReported()
    {
        const ToolRun result = run({QStringLiteral(LIR_TEST_DATA_DIR "/all_conditions.xml")});
        QCOMPARE(result.exitCode, 0);
        const QString html = QString::fromUtf8(result.out);
        QVERIFY(html.contains(QStringLiteral("<td>T_NE</td>")));
        QVERIFY(!html.contains(QStringLiteral("<td>T_EQ</td>")));
        QVERIFY(!html.contains(QStringLiteral("//CondBox//")));
        QVERIFY(html.contains(QStringLiteral("//CondShown//SubShown//")));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("no file") << QStringList() << 2 << "Usage: lir-settings report";
        QTest::newRow("-o without a name")
            << QStringList{LIR_DEFAULTS_DIR "/lir1_sets_default.xml", "-o"} << 2
            << "Usage: lir-settings report";
        QTest::newRow("two files")
            << QStringList{"a.xml", "b.xml"} << 2 << "Usage: lir-settings report";
        QTest::newRow("missing file")
            << QStringList{"/nonexistent/x.xml"} << 2 << "Ошибка Открытия файла";
        QTest::newRow("not well-formed")
            << QStringList{LIR_TEST_DATA_DIR "/broken_tag_mismatch.xml"} << 1 << "tag mismatch";
        QTest::newRow("unwritable output") << QStringList{LIR_DEFAULTS_DIR "/lir1_sets_default.xml",
                                                          "-o", "/nonexistent/dir/r.html"}
                                           << 2 << "не удалось записать /nonexistent/dir/r.html";
    }

    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const ToolRun result = run(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.contains(err), qPrintable(result.err));
    }
};

LIR_TEST_CLASS(TestReportTool)
#include "tst_ReportTool.moc"
