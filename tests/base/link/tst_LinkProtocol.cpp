#include "common/LinkBytes.h"
#include "common/TestRegistry.h"
#include "link/Crc16.h"
#include "link/LinkFrame.h"
#include "link/ReplyCheck.h"

#include <QTest>

Q_DECLARE_METATYPE(ReplyCheck::Fault)

namespace {
// The checksum computed bit by bit, independent of the tables.
quint16 bitwiseCrc(const QByteArray& bytes)
{
    quint16 crc = 0;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}
} // namespace

class TestLinkProtocol : public QObject
{
    Q_OBJECT

private slots:
    void crcKnownAnswers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("crc");
        QTest::newRow("catalogue check") << QByteArray("123456789") << 0xBB3D;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("request 1 header") << hex("2D 3E 01 00 00 00 00 00") << 0x931D;
        QTest::newRow("request 2 header") << hex("2D 3E 02 00 00 00 00 00") << 0xA01D;
        QTest::newRow("write of abc") << hex("2D 3E 03 00 04 00 00 00 61 62 63 00") << 0xAAC0;
        QTest::newRow("version reply")
            << hex("3C 2D 01 00 00 00 00 00 02 00 00 00 01 00") << 0xA0AD;
    }

    void crcKnownAnswers()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, crc);
        QCOMPARE(int(crc16(bytes)), crc);
        QCOMPARE(int(crc16(bytes.constData(), bytes.size())), crc);
    }

    void crcTablesMatchThePolynomial()
    {
        // Every table entry is reached by a single byte after a zero or a
        // non-zero running value.
        for (int value = 0; value < 256; ++value) {
            const QByteArray one(1, char(value));
            QCOMPARE(crc16(one), bitwiseCrc(one));
            const QByteArray two = QByteArray("\x5A") + one;
            QCOMPARE(crc16(two), bitwiseCrc(two));
        }
    }

    void requestFrames_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("version") << int(cmdGetVersion) << QByteArray()
                                 << hex("2D 3E 01 00 00 00 00 00 1D 93");
        QTest::newRow("read") << int(cmdReadSettings) << QByteArray()
                              << hex("2D 3E 02 00 00 00 00 00 1D A0");
        QTest::newRow("write abc") << int(cmdWriteSettings) << QByteArray("abc", 4)
                                   << hex("2D 3E 03 00 04 00 00 00 61 62 63 00 C0 AA");
    }

    void requestFrames()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, frame);
        QCOMPARE(LinkFrame::request(quint8(command), payload).toHex(' '), frame.toHex(' '));
    }

    void requestLengthIsLittleEndian()
    {
        const QByteArray payload(0x010203, 'x');
        const QByteArray frame = LinkFrame::request(cmdWriteSettings, payload);
        QCOMPARE(frame.mid(4, 4), hex("03 02 01 00"));
        QCOMPARE(frame.size(), 8 + payload.size() + 2);
    }

    void replyFrame()
    {
        QCOMPARE(LinkFrame::reply(cmdGetVersion, 0, hex("01 00")).toHex(' '),
                 hex(kVersion1Reply).toHex(' '));
    }

    void replyChecks_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<ReplyCheck::Fault>("fault");
        QTest::addColumn<QString>("message");

        const QString header = QStringLiteral("Ошибка получения неправильный заголовок ответа");
        const QString checksum = QStringLiteral("Ошибка целостности данных(crc).");
        const QByteArray good = hex(kVersion1Reply);
        const auto changed = [](QByteArray bytes, int offset, char value) {
            bytes[offset] = value;
            return bytes;
        };
        const auto resealed = [](QByteArray bytes, int offset, char value) {
            bytes.chop(2);
            bytes[offset] = value;
            LinkFrame::appendChecksum(bytes);
            return bytes;
        };

        QTest::newRow("good") << 1 << good << ReplyCheck::Fault::None << QString();
        QTest::newRow("first start byte")
            << 1 << resealed(good, 0, '>') << ReplyCheck::Fault::Header << header;
        QTest::newRow("second start byte")
            << 1 << resealed(good, 1, '>') << ReplyCheck::Fault::Header << header;
        QTest::newRow("echo of command 2 to command 1")
            << 1 << resealed(good, 2, 2) << ReplyCheck::Fault::Header << header;
        QTest::newRow("zero byte not zero")
            << 1 << resealed(good, 3, 1) << ReplyCheck::Fault::Header << header;
        QTest::newRow("status 5") << 1 << LinkFrame::reply(1, 5, QByteArray())
                                  << ReplyCheck::Fault::Status
                                  << QStringLiteral("Ошибка полученная от устройства: 5");
        QTest::newRow("status 255 is -1")
            << 1 << LinkFrame::reply(1, 255, QByteArray()) << ReplyCheck::Fault::Status
            << QStringLiteral("Ошибка полученная от устройства: -1");
        QTest::newRow("bytes 5 to 7 are not looked at")
            << 1 << resealed(resealed(good, 5, 7), 7, char(0xFF)) << ReplyCheck::Fault::None
            << QString();
        QTest::newRow("bad checksum")
            << 1 << changed(good, 15, char(0xA1)) << ReplyCheck::Fault::Checksum << checksum;
        // A byte other than zero after the checksum fails the check. Zero
        // bytes do not: CRC-16/ARC of a frame followed by its own checksum is
        // 0, and zero bytes keep a zero register at 0, so the last two bytes
        // (zeros, or the high checksum byte and a zero) match the checksum of
        // what stands before them. The payload is read by its length, so
        // nothing is misread.
        QTest::newRow("trailing non-zero byte")
            << 1 << good + hex("55") << ReplyCheck::Fault::Checksum << checksum;
        QTest::newRow("trailing zero bytes pass")
            << 1 << good + hex("00 00 00") << ReplyCheck::Fault::None << QString();
        const auto announcing = [](quint32 length) {
            QByteArray bytes = LinkFrame::reply(cmdReadSettings, 0, QByteArray());
            bytes.chop(2);
            bytes.chop(4);
            LinkFrame::appendUInt32(bytes, length);
            LinkFrame::appendChecksum(bytes);
            return bytes;
        };
        QTest::newRow("length above 16 MiB") << 2 << announcing(LinkFrame::kMaxPayloadLength + 1)
                                             << ReplyCheck::Fault::LengthTooLarge << header;
        QTest::newRow("length 4 GiB - 1")
            << 2 << announcing(0xFFFFFFFFu) << ReplyCheck::Fault::LengthTooLarge << header;
        QTest::newRow("length of 16 MiB is allowed")
            << 2 << announcing(LinkFrame::kMaxPayloadLength) << ReplyCheck::Fault::None
            << QString();
        QTest::newRow("version reply without version bytes")
            << 1 << LinkFrame::reply(1, 0, hex("01")) << ReplyCheck::Fault::PayloadTooShort
            << header;
        QTest::newRow("write reply, good")
            << 3 << LinkFrame::reply(3, 0, QByteArray()) << ReplyCheck::Fault::None << QString();
        QTest::newRow("short header") << 1 << good.left(11) << ReplyCheck::Fault::Header << header;
    }

    void replyChecks()
    {
        QFETCH(int, command);
        QFETCH(QByteArray, reply);
        QFETCH(ReplyCheck::Fault, fault);
        QFETCH(QString, message);
        // The exchange checks the header first and the checksum once the
        // whole reply is in.
        ReplyCheck::Fault found = ReplyCheck::checkHeader(reply, quint8(command));
        if (found == ReplyCheck::Fault::None)
            found = ReplyCheck::checkChecksum(reply);
        QCOMPARE(found, fault);
        QCOMPARE(ReplyCheck::message(fault, reply), message);
    }
};

LIR_TEST_CLASS(TestLinkProtocol)
#include "tst_LinkProtocol.moc"
