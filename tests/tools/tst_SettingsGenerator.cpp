#include "common/TestRegistry.h"
#include "common/ToolRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The built `lir-settings-gen`: the benchmarks measure on its documents, so
// they must load without a single message and be the same for the same
// options.
class TestSettingsGenerator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_Dir;

    QByteArray generate(const QStringList& args)
    {
        const QString file = m_Dir.filePath(QStringLiteral("generated.xml"));
        const ToolRun run =
            ToolRun::run(QStringLiteral("lir-settings-gen"), args + QStringList{"-o", file});
        QFile text(file);
        if (run.exitCode != 0 || !text.open(QIODevice::ReadOnly))
            return QByteArray();
        return text.readAll();
    }

private slots:
    void acceptedByTheEditor_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("settings"); // -1: not fixed
        QTest::addColumn<bool>("nested");  // nested containers, some with conditions
        QTest::newRow("mixed groups") << QStringList{"800"} << 800 << true;
        QTest::newRow("one size of group")
            << QStringList{"600", "--min-group", "300", "--max-group", "300", "--seed", "7"} << 600
            << false;
        QTest::newRow("by size") << QStringList{"--bytes", "50000", "--seed", "3"} << -1 << false;
    }

    void acceptedByTheEditor()
    {
        QFETCH(QStringList, args);
        QFETCH(int, settings);
        QFETCH(bool, nested);
        const QByteArray text = generate(args);
        QVERIFY(!text.isEmpty());
        if (settings >= 0)
            QCOMPARE(text.count("<signal "), settings);
        else
            QVERIFY(text.size() >= args.at(1).toInt());
        // Every kind, and conditions of lines and of containers.
        for (const char* part :
             {"flags", "number", "enum", "bit", "string", "macAddress", "ipAddress"})
            QVERIFY2(text.contains(QByteArray("type=\"") + part + '"'), part);
        QVERIFY(text.contains("<hideConds>"));
        if (nested)
            QVERIFY(QString::fromUtf8(text).contains(
                QRegularExpression(QStringLiteral("<container [^>]*>\\s*<hideConds>"))));
        const ToolRun check =
            ToolRun::run(QStringLiteral("lir-settings"),
                         {"check", m_Dir.filePath(QStringLiteral("generated.xml"))});
        QCOMPARE(check.outText(), QString());
        QCOMPARE(check.exitCode, 0);
    }

    void sameOptionsSameText()
    {
        const QByteArray first = generate({"500", "--seed", "11"});
        QVERIFY(!first.isEmpty());
        QCOMPARE(generate({"500", "--seed", "11"}), first);
        QVERIFY(generate({"500", "--seed", "12"}) != first);
    }
};

LIR_TEST_CLASS(TestSettingsGenerator)
#include "tst_SettingsGenerator.moc"
