#include "FakeLinkDevice.h"
#include "RecordingObserver.h"
#include "common/LinkBytes.h"
#include "common/ScriptedDialogs.h"
#include "common/TestRegistry.h"
#include "link/ControllerCommands.h"
#include "link/ControllerLink.h"
#include "link/LinkFrame.h"
#include "link/ReceiveStep.h"

#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ControllerCommands::Result)

namespace {
const QString kErrorTitle = QStringLiteral("Ошибка...");
const QString kLinkFailure = QStringLiteral("Ошибка связи с устройством");
const QString kHeaderFailure = QStringLiteral("Ошибка получения неправильный заголовок ответа");
const QString kChecksumFailure = QStringLiteral("Ошибка целостности данных(crc).");

// A script step per entry: "now:HEX" is readable at once, "reply:HEX" once
// the request has been written, "wait:HEX" arrives during a wait,
// "silence:N" is N waits without data. Gives back the first step of another
// kind, which the test must fail on, or nothing.
QString play(FakeLinkDevice& device, const QStringList& script)
{
    for (const QString& step : script) {
        const QString kind = step.section(QLatin1Char(':'), 0, 0);
        const QString value = step.section(QLatin1Char(':'), 1);
        if (kind == QLatin1String("now"))
            device.makeAvailable(hex(value.toLatin1().constData()));
        else if (kind == QLatin1String("reply"))
            device.answerOnWrite(hex(value.toLatin1().constData()));
        else if (kind == QLatin1String("wait"))
            device.arriveOnWait(hex(value.toLatin1().constData()));
        else if (kind == QLatin1String("silence"))
            device.silence(value.toInt());
        else
            return step;
    }
    return QString();
}

QStringList bytewise(const QByteArray& bytes, int count)
{
    QStringList steps;
    for (int i = 0; i < count; ++i)
        steps << QStringLiteral("wait:") + QString::fromLatin1(bytes.mid(i, 1).toHex());
    return steps;
}
} // namespace

class TestLinkExchange : public QObject
{
    Q_OBJECT

    static void verifyOneLinkMessage(const ScriptedDialogs& dialogs, const QString& text)
    {
        QCOMPARE(dialogs.messages(), QStringList{"about|" + kErrorTitle + '|' + text});
        QCOMPARE(dialogs.shown().first().parent, nullptr);
    }

private slots:
    void passRule_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<int>("waits");

        const QByteArray reply = hex(kVersion1Reply);
        const QString whole = QString::fromLatin1(reply.toHex());
        const QString head = QString::fromLatin1(reply.left(14).toHex());
        const QString tail = QString::fromLatin1(reply.mid(14).toHex());
        QTest::newRow("one burst, no wait") << QStringList{"now:" + whole} << false << 0;
        QTest::newRow("checksum in a later pass")
            << QStringList{"now:" + head, "wait:" + tail} << false << 1;
        QTest::newRow("silent controller: ten waits") << QStringList() << true << 10;
        QTest::newRow("nine silent waits are forgiven")
            << QStringList{"silence:9", "wait:" + whole} << false << 10;
        QTest::newRow("the tenth silent wait gives up")
            << QStringList{"silence:10", "wait:" + whole} << true << 10;
        QTest::newRow("busy passes count: silence in pass 10 ends")
            << bytewise(reply, 9) + QStringList{"silence:1", "wait:" + whole.mid(18)} << true << 10;
        QTest::newRow("busy passes count: silence in pass 9 is forgiven")
            << bytewise(reply, 8) + QStringList{"silence:1", "wait:" + whole.mid(16)} << false
            << 10;
    }

    void passRule()
    {
        QFETCH(QStringList, script);
        QFETCH(bool, failed);
        QFETCH(int, waits);
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        QCOMPARE(play(device, script), QString());
        QByteArray buffer;
        qint64 received = 0;
        bool stepFailed = !failed;
        ReceiveStep().receive(device, buffer, received, 16, stepFailed, ReceiveStep::kWaitMs);
        QCOMPARE(stepFailed, failed);
        QCOMPARE(device.waits().size(), waits);
        QCOMPARE(device.waits(), QList<int>() << QVector<int>(waits, 500).toList());
        if (failed) {
            verifyOneLinkMessage(dialogs, kLinkFailure);
            QCOMPARE(received, qint64(0));
        } else {
            QVERIFY(dialogs.shown().isEmpty());
            QCOMPARE(received, qint64(16));
            QCOMPARE(buffer.toHex(' '), hex(kVersion1Reply).toHex(' '));
        }
    }

    void bufferedBytesNeedNoRead()
    {
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        device.makeAvailable("later");
        QByteArray buffer = hex(kVersion1Reply);
        qint64 received = 12;
        bool failed = true;
        ReceiveStep().receive(device, buffer, received, 2, failed, ReceiveStep::kWaitMs);
        QVERIFY(!failed);
        QCOMPARE(received, qint64(14));
        QCOMPARE(buffer.size(), 16);
        QCOMPARE(device.bytesAvailable(), qint64(5));
        QVERIFY(device.waits().isEmpty());
    }

    void eventsRunBetweenPassesAndCancel()
    {
        // A cancel pressed while the controller is silent is seen after the
        // pass in which its event is processed, without a message.
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        RecordingObserver observer;
        QTimer::singleShot(0, [&observer] { observer.cancel(); });
        QByteArray buffer;
        qint64 received = 0;
        bool failed = false;
        ReceiveStep step(&observer);
        step.receive(device, buffer, received, 12, failed, ReceiveStep::kWaitMs);
        QVERIFY(failed);
        QVERIFY(step.wasCancelled());
        QCOMPARE(device.waits().size(), 1);
        QVERIFY(dialogs.shown().isEmpty());
    }

    void exchanges_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("replyPayload");

        const QByteArray writeReply = LinkFrame::reply(cmdWriteSettings, 0, QByteArray());

        QTest::newRow("version") << int(cmdGetVersion) << QByteArray()
                                 << hex("2D 3E 01 00 00 00 00 00 1D 93") << hex(kVersion1Reply)
                                 << hex("01 00");
        QTest::newRow("read") << int(cmdReadSettings) << QByteArray()
                              << hex("2D 3E 02 00 00 00 00 00 1D A0")
                              << LinkFrame::reply(cmdReadSettings, 0, QByteArray("abc", 4))
                              << QByteArray("abc", 4);
        QTest::newRow("write") << int(cmdWriteSettings) << QByteArray("abc", 4)
                               << hex("2D 3E 03 00 04 00 00 00 61 62 63 00 C0 AA") << writeReply
                               << QByteArray();
    }

    void exchanges()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, replyPayload);
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        device.makeAvailable("stale bytes before the request");
        device.answerOnWrite(reply);
        QByteArray received;
        QVERIFY(ControllerLink(device).exchange(quint8(command), payload, received));
        QCOMPARE(device.written().toHex(' '), request.toHex(' '));
        QCOMPARE(received.toHex(' '), reply.toHex(' '));
        if (command != cmdWriteSettings)
            QCOMPARE(ControllerLink::payloadOf(received), replyPayload);
        QVERIFY(device.waits().isEmpty());
        QVERIFY(dialogs.shown().isEmpty());
    }

    void exchangeFailures_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("waits");

        const auto now = [](const QByteArray& bytes) -> QString {
            return QStringLiteral("reply:") + QString::fromLatin1(bytes.toHex());
        };
        const QByteArray good = hex(kVersion1Reply);
        QByteArray huge = LinkFrame::reply(cmdReadSettings, 0, QByteArray());
        huge.replace(8, 4, hex("FF FF FF FF"));

        QTest::newRow("silence") << 1 << QStringList() << kLinkFailure << 10;
        QTest::newRow("echo of another command")
            << 1 << QStringList{now(LinkFrame::reply(2, 0, hex("01 00")))} << kHeaderFailure << 0;
        QTest::newRow("status 5") << 1 << QStringList{now(LinkFrame::reply(1, 5, QByteArray()))}
                                  << QStringLiteral("Ошибка полученная от устройства: 5") << 0;
        QTest::newRow("status 255") << 2 << QStringList{now(LinkFrame::reply(2, 255, QByteArray()))}
                                    << QStringLiteral("Ошибка полученная от устройства: -1") << 0;
        QTest::newRow("bad checksum")
            << 1 << QStringList{now(good.left(15) + hex("00"))} << kChecksumFailure << 0;
        QTest::newRow("trailing bytes in the same burst")
            << 1 << QStringList{now(good + hex("55"))} << kChecksumFailure << 0;
        QTest::newRow("huge length refused without waiting")
            << 2 << QStringList{now(huge.left(12))} << kHeaderFailure << 0;
        QTest::newRow("payload never completes")
            << 2 << QStringList{now(LinkFrame::reply(2, 0, QByteArray(100, 'x')).left(50))}
            << kLinkFailure << 10;
        QTest::newRow("version reply without version bytes")
            << 1 << QStringList{now(LinkFrame::reply(1, 0, QByteArray()))} << kHeaderFailure << 0;
    }

    void exchangeFailures()
    {
        QFETCH(int, command);
        QFETCH(QStringList, script);
        QFETCH(QString, message);
        QFETCH(int, waits);
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        QCOMPARE(play(device, script), QString());
        QByteArray reply;
        QVERIFY(!ControllerLink(device).exchange(quint8(command), QByteArray(), reply));
        verifyOneLinkMessage(dialogs, message);
        QCOMPARE(device.waits().size(), waits);
    }

    void progressAndCancel()
    {
        // The reply's size is reported once its header has told it; a cancel
        // ends the exchange without a message.
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        const QByteArray reply = LinkFrame::reply(cmdReadSettings, 0, QByteArray(20, 'x'));
        device.answerOnWrite(reply.left(12));
        device.arriveOnWait(reply.mid(12, 10));
        RecordingObserver observer;
        observer.cancelAfterReplyProgress(2);
        QByteArray received;
        ControllerLink link(device, &observer);
        QVERIFY(!link.exchange(cmdReadSettings, QByteArray(), received));
        QVERIFY(link.wasCancelled());
        QVERIFY(dialogs.shown().isEmpty());
        QCOMPARE(observer.m_Received.value(0), qMakePair(qint64(12), qint64(-1)));
        QCOMPARE(observer.m_Received.value(1), qMakePair(qint64(12), qint64(34)));
        QCOMPARE(observer.m_Received.size(), 2);
        QCOMPARE(observer.m_Sent.value(0), qMakePair(qint64(10), qint64(10)));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<ControllerCommands::Result>("result");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("requests");
        QTest::addColumn<QString>("message");

        const auto reply = [](quint8 command, const QByteArray& payload) -> QString {
            return QStringLiteral("reply:") +
                   QString::fromLatin1(LinkFrame::reply(command, 0, payload).toHex());
        };
        const QString version1 = reply(1, hex("01 00"));
        const QString version2 = reply(1, hex("02 00"));
        const QByteArray ask1 = LinkFrame::request(1);
        const QByteArray ask2 = LinkFrame::request(2);
        const QByteArray write = LinkFrame::request(3, QByteArray("<a/>", 5));
        using R = ControllerCommands::Result;

        QTest::newRow("read hands the text without its zero")
            << "read" << QStringList{version1, reply(2, QByteArray("abc", 4))} << R::Done
            << QByteArray("abc") << ask1 + ask2 << QString();
        QTest::newRow("read of a text without a closing zero keeps it whole")
            << "read" << QStringList{version1, reply(2, "<a/>")} << R::Done << QByteArray("<a/>")
            << ask1 + ask2 << QString();
        QTest::newRow("read of an empty document")
            << "read" << QStringList{version1, reply(2, QByteArray())} << R::NoDocument
            << QByteArray() << ask1 + ask2
            << QStringLiteral(
                   "Контроллер не передал документ настроек. Текущий документ не изменён.");
        QTest::newRow("read of a lone zero")
            << "read" << QStringList{version1, reply(2, QByteArray(1, '\0'))} << R::NoDocument
            << QByteArray() << ask1 + ask2
            << QStringLiteral(
                   "Контроллер не передал документ настроек. Текущий документ не изменён.");
        QTest::newRow("read stops after a failed version")
            << "read" << QStringList{reply(2, hex("01 00"))} << R::LinkFailed << QByteArray()
            << ask1 << kHeaderFailure;
        QTest::newRow("write sends the text and its zero")
            << "write" << QStringList{version1, reply(3, QByteArray())} << R::Done << QByteArray()
            << ask1 + write << QString();
        QTest::newRow("write to another version sends only command 1")
            << "write" << QStringList{version2} << R::VersionMismatch << QByteArray() << ask1
            << QStringLiteral("Версия текущих настроек и контроллера не совпадает.");
        QTest::newRow("write refused by the controller")
            << "write"
            << QStringList{version1,
                           QStringLiteral("reply:") +
                               QString::fromLatin1(LinkFrame::reply(3, 3, QByteArray()).toHex())}
            << R::LinkFailed << QByteArray() << ask1 + write
            << QStringLiteral("Ошибка полученная от устройства: 3");
    }

    void commands()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, script);
        QFETCH(ControllerCommands::Result, result);
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, requests);
        QFETCH(QString, message);
        ScriptedDialogs dialogs;
        FakeLinkDevice device;
        QCOMPARE(play(device, script), QString());
        QVERIFY(operation == QLatin1String("read") || operation == QLatin1String("write"));
        QByteArray received = "untouched";
        const ControllerCommands::Result outcome =
            operation == QLatin1String("read")
                ? ControllerCommands().readDocument(device, received)
                : ControllerCommands().writeDocument(device, QByteArray("<a/>"), 1);
        QCOMPARE(outcome, result);
        QCOMPARE(device.written().toHex(' '), requests.toHex(' '));
        if (operation == QLatin1String("read"))
            QCOMPARE(received, outcome == ControllerCommands::Result::Done ? text : "untouched");
        if (message.isEmpty())
            QVERIFY(dialogs.shown().isEmpty());
        else
            verifyOneLinkMessage(dialogs, message);
    }
};

LIR_TEST_CLASS(TestLinkExchange)
#include "tst_LinkExchange.moc"
