#include "common/DocumentHelpers.h"
#include "common/TestRegistry.h"
#include "common/ToolRun.h"
#include "document/XMLWork.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the built `lir-settings` as a user would, without a display.
class TestCheckTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    // "@data/", "@defaults/" and "@tmp/" stand for the test data, the default
    // documents and a scratch folder.
    QString expand(QString text) const
    {
        return text.replace(QLatin1String("@data/"), QStringLiteral(LIR_TEST_DATA_DIR "/"))
            .replace(QLatin1String("@defaults/"), QStringLiteral(LIR_DEFAULTS_DIR "/"))
            .replace(QLatin1String("@tmp/"), m_Dir.path() + QLatin1Char('/'));
    }

    ToolRun run(const QStringList& args) const
    {
        QStringList expanded;
        for (const QString& arg : args)
            expanded << expand(arg);
        return ToolRun::run(QStringLiteral("lir-settings"), expanded);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_Dir.isValid());
        QVERIFY(DocumentHelpers::writeFile(m_Dir.filePath(QStringLiteral("deep.xml")),
                                           DocumentHelpers::nestedContainers(50000)));
        QVERIFY(DocumentHelpers::writeFile(
            m_Dir.filePath(QStringLiteral("good.xml")),
            "<lir1Settings formatVerMaj='1'><container name='A'>"
            "<signal name='s' type='string' value='x'/></container></lir1Settings>"));
    }

    // The tool reads documents through the settings model: it loads no
    // widget library, and so builds no screen.
    void linksNoWidgets()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {QStringLiteral(LIR_TOOLS_DIR "/lir-settings")});
        QVERIFY(ldd.waitForFinished(30000));
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY(libraries.contains("Qt5Core"));
        QVERIFY(!libraries.contains("Qt5Widgets"));
        QVERIFY(!libraries.contains("Qt5PrintSupport"));
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<int>("exitCode");
        const QString mismatch = QStringLiteral(
            "@data/broken_tag_mismatch.xml: Ошибка Открытия файла: tag mismatch line=5 col=15");
        const QString deep =
            QStringLiteral("@tmp/deep.xml: Ошибка Открытия файла: Слишком глубокая вложенность "
                           "элементов (больше 256 уровней) line=1 col=%1")
                .arg(31 + 20 * XMLWork::kMaxNestingDepth);
        const QString missing = QStringLiteral(
            "@tmp/missing.xml: Ошибка Открытия файла: Не удалось открыть файл «@tmp/missing.xml»: "
            "No such file or directory");
        QTest::newRow("default documents")
            << QStringList{"@defaults/lir1_sets_default.xml", "@defaults/lir2_sets_default.xml"}
            << QStringList() << 0;
        QTest::newRow("a small document") << QStringList{"@tmp/good.xml"} << QStringList() << 0;
        QTest::newRow("tag mismatch")
            << QStringList{"@data/broken_tag_mismatch.xml"} << QStringList{mismatch} << 1;
        QTest::newRow("signals outside containers")
            << QStringList{"@data/signal_without_container.xml"}
            << QStringList{"@data/signal_without_container.xml: Ошибка разбора файла: Скорость, "
                           "большая ошибка <signal> без <container>",
                           "@data/signal_without_container.xml: Ошибка разбора файла: Шаг, "
                           "большая ошибка <signal> без <container>"}
            << 1;
        QTest::newRow("nested too deeply")
            << QStringList{"@tmp/deep.xml"} << QStringList{deep} << 1;
        QTest::newRow("good and broken mixed")
            << QStringList{"@tmp/good.xml", "@data/broken_tag_mismatch.xml",
                           "@defaults/lir2_sets_default.xml"}
            << QStringList{mismatch} << 1;
        QTest::newRow("values their lines refuse, conditions that cannot act")
            << QStringList{"@data/bad_values.xml"}
            << QStringList{"@data/bad_values.xml: Error HideConds::createSignal: Not know",
                           "@data/bad_values.xml:5: setting \"Порт\" in \"Сеть\": value \"150\" is "
                           "outside the limits 1 to 100",
                           "@data/bad_values.xml:6: setting \"IP\" in \"Сеть\": value "
                           "\"300.1.1.1\" is "
                           "not an IP address",
                           "@data/bad_values.xml:7: setting \"MAC\" in \"Сеть\": value "
                           "\"00:11:22\" is "
                           "not a MAC address",
                           "@data/bad_values.xml:8: setting \"Имя\" in \"Сеть\": value \"abc-d\" "
                           "is "
                           "longer than lenMax 4",
                           "@data/bad_values.xml:9: setting \"Режим\" in \"Сеть\": value \"9\" "
                           "matches "
                           "no item key",
                           "@data/bad_values.xml:12: setting \"Выходы\" in \"Сеть\": value \"o1:1 "
                           "o3:0\": "
                           "token 2 \"o3:0\" is not \"o2:0\" or \"o2:1\"",
                           "@data/bad_values.xml:15: setting \"Бит\" in \"Сеть\": value \"2\" is "
                           "neither "
                           "0 nor 1",
                           "@data/bad_values.xml:18: condition s=\"nosuchkey\" matches no "
                           "setting's key",
                           "@data/bad_values.xml:19: condition o=\"XOR\" names no operator"}
            << 1;
        QTest::newRow("a missing file")
            << QStringList{"@tmp/missing.xml"} << QStringList{missing} << 2;
        QTest::newRow("a missing file among broken ones")
            << QStringList{"@tmp/deep.xml", "@tmp/missing.xml", "@tmp/good.xml"}
            << QStringList{deep, missing} << 2;
    }

    void check()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, printed);
        QFETCH(int, exitCode);
        const ToolRun result = run(QStringList{"check"} + files);
        QString expected;
        for (const QString& line : printed)
            expected += expand(line) + QLatin1Char('\n');
        QCOMPARE(result.outText(), expected);
        QCOMPARE(result.exitCode, exitCode);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // a line the output must hold
        QTest::addColumn<QString>("err"); // a line the error output must hold
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "  check FILE...          load each document as the editor does; "
                                 "print its messages and findings"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "lir-settings 1.0"
                                 << "";
        QTest::newRow("nothing") << QStringList() << 2 << ""
                                 << "Usage: lir-settings COMMAND [ARGS]";
        QTest::newRow("check without files") << QStringList{"check"} << 2 << ""
                                             << "Usage: lir-settings check FILE...";
        QTest::newRow("unknown command") << QStringList{"bogus"} << 2 << ""
                                         << "lir-settings: unknown command bogus";
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const ToolRun result = run(args);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.outText().split('\n').contains(out) || out.isEmpty(),
                 qPrintable(result.outText()));
        QVERIFY2(result.err.split('\n').contains(err) || err.isEmpty(), qPrintable(result.err));
        if (out.isEmpty())
            QVERIFY(result.out.isEmpty());
    }
};

LIR_TEST_CLASS(TestCheckTool)
#include "tst_CheckTool.moc"
