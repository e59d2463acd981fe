#include "clock/control_chars.h"
#include "clock/framing.h"

#include <QTest>

class TestFraming : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestFrames_data();
    void requestFrames();
    void checksum_data();
    void checksum();
    void controlCharNames();
};

void TestFraming::requestFrames_data()
{
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("frameHex");
    const QByteArray p("\x81");
    QTest::newRow("v to LMD") << p << QByteArray("v") << QByteArray("0281 76f7 8003");
    QTest::newRow("R to LMD") << p << QByteArray("R") << QByteArray("0281 52d3 8003");
    QTest::newRow("v to HCU") << QByteArray() << QByteArray("v") << QByteArray("0276 7680 03");
    QTest::newRow("e00 to HCU") << QByteArray() << QByteArray("e00") << QByteArray("0265 3030 c580 03");
    QTest::newRow("ACK alone") << p << QByteArray("\x06") << QByteArray("06");
    QTest::newRow("NAK alone") << p << QByteArray("\x15") << QByteArray("15");
    QTest::newRow("EOT alone") << p << QByteArray("\x04") << QByteArray("04");
    QTest::newRow("other byte framed") << p << QByteArray("\x05") << QByteArray("0281 0586 8003");
    QTest::newRow("empty") << p << QByteArray() << QByteArray();
}

void TestFraming::requestFrames()
{
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, frameHex);
    QCOMPARE(FrameCommand(prefix, command).toHex(), QByteArray::fromHex(frameHex).toHex());
}

void TestFraming::checksum_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expectedHex");
    QTest::newRow("empty") << QByteArray() << QByteArray("8080");
    QTest::newRow("sum 256") << QByteArray("\x80\x80") << QByteArray("8081");
    QTest::newRow("low 31 lifted") << QByteArray("\x1f") << QByteArray("9f80");
    QTest::newRow("low 32 kept") << QByteArray("\x20") << QByteArray("2080");
    QTest::newRow("high byte over 32") << QByteArray(40, char(0xff)) << QByteArray("d827");
}

void TestFraming::checksum()
{
    QFETCH(QByteArray, text);
    QTEST(FrameChecksum(text).toHex(), "expectedHex");
}

void TestFraming::controlCharNames()
{
    const ControlChars chars = InitControlChars();
    QCOMPARE(chars.names[26], QByteArray("<EOF>"));
    QCOMPARE(chars.names[32], QByteArray("<SP>"));
    QCOMPARE(chars.bytes[2], QByteArray("\x02"));
    QCOMPARE(ReadableBytes(QByteArray("\x02\x81v\x7f\x03", 5), chars), QByteArray("<STX>\\x81v\\x7f<ETX>"));
}

QTEST_APPLESS_MAIN(TestFraming)
#include "test_framing.moc"
