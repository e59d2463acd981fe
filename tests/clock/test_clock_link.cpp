#include "clock/clock_link.h"
#include "sim_frames.h"
#include "link_rig.h"

#include <QTest>

using Script = QList<QList<FakeSerialPort::Piece>>;   // one reply per write, in order
Q_DECLARE_METATYPE(Script)

namespace {
const QByteArray ACK("\x06"), NAK("\x15"), ESC("\x1b");

QList<FakeSerialPort::Piece> at(qint64 ms, const QByteArray &bytes) { return {{ms, bytes}}; }
QByteArray reply(const QByteArray &data) { return SimFrame(data); }
} // namespace

class TestClockLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void exchange_data();
    void exchange();
    void emptyCommandSendsNothing();
    void missingDeviceIsE5();
    void refusedOpenIsOneMessage();
    void portStaysOpenAcrossExchanges();
    void portNumberOnlyChangesWhileClosed();
    void vanishedDeviceEndsWithoutWaitingOut();

private:
    PortOneFile m_device;
};

void TestClockLink::initTestCase()
{
    qputenv("TAMREL_COM9", QByteArray("/nonexistent/tty-for-tests"));
}

void TestClockLink::exchange_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("messageStart");   // empty: no message
    QTest::addColumn<qint64>("minMs");
    QTest::addColumn<qint64>("maxMs");

    const QByteArray good = reply("Av");
    QTest::newRow("payload after first byte") << Script{at(5, good)} << QByteArray("v") << 1 << QString() << 0LL << 150LL;
    // A control byte ends its reply after a short quiet time; any other lone
    // byte waits the whole 100 ms for a second one.
    const qint64 quietEnd = 5 + ClockLink::ControlReplyQuietMs;
    QTest::newRow("ack") << Script{at(5, ACK)} << ACK << 1 << QString() << quietEnd << quietEnd + 1;
    QTest::newRow("esc") << Script{at(5, ESC)} << ESC << 1 << QString() << quietEnd << quietEnd + 1;
    QTest::newRow("eot") << Script{at(5, "\x04")} << QByteArray("\x04") << 1 << QString() << quietEnd << quietEnd + 1;
    // A faulty reply is followed by a quiet second-byte wait, so that none of
    // it is left for the next.
    QTest::newRow("other single byte unchanged") << Script{at(5, "x")} << QByteArray("x") << 1 << QString() << 205LL << 206LL;
    QTest::newRow("ack with more inside the quiet time is no ack")
        << Script{{{5, ACK}, {quietEnd - 1, "x\x03"}}} << QByteArray() << 1 << QString() << quietEnd + 99 << quietEnd + 100;
    QTest::newRow("frame pausing after its STX")
        << Script{{{5, good.left(1)}, {160, good.mid(1)}}} << QByteArray("v") << 1 << QString() << 160LL << 161LL;
    QTest::newRow("nak twice is two sends") << Script{at(5, NAK), at(5, NAK)} << NAK << 2 << QString() << 0LL << 300LL;
    QTest::newRow("nak then reply") << Script{at(5, NAK), at(5, good)} << QByteArray("v") << 2 << QString() << 0LL << 300LL;
    QTest::newRow("split reply joined")
        << Script{{{5, good.left(2)}, {300, good.mid(2, 2)}, {4000, good.mid(4)}}} << QByteArray("v") << 1 << QString() << 4000LL << 4100LL;
    QTest::newRow("bad checksum silent")
        << Script{at(5, QByteArray("\x02" "Av" "\x01\x01" "\x03"))} << QByteArray() << 1 << QString() << 0LL << 150LL;
    QTest::newRow("too short with end") << Script{at(5, QByteArray("\x02\x03"))} << QByteArray() << 1 << QString() << 0LL << 150LL;
    QTest::newRow("garbage without end is E3")
        << Script{at(5, QByteArray("\xff\xfe garbage"))} << QByteArray("E3") << 1
        << QStringLiteral("Communication Timeout, Check Connection") << 5000LL << 5200LL;
    QTest::newRow("reply that never ends is E3")
        << Script{{{5, "ab"}, {1000, "cd"}, {2000, "ef"}, {4000, "gh"}, {6000, "ij"}}} << QByteArray("E3") << 1
        << QStringLiteral("Communication Timeout, Check Connection") << 5000LL << 5200LL;
    QTest::newRow("silence is E2")
        << Script{{}} << QByteArray("E2") << 1 << QStringLiteral("No Tamrel detected. Please check connection.") << 2500LL << 2550LL;
    QTest::newRow("reply just in time") << Script{at(2490, good)} << QByteArray("v") << 1 << QString() << 2490LL << 2600LL;
}

void TestClockLink::exchange()
{
    QFETCH(int, writes);
    QFETCH(Script, script);
    QFETCH(QString, messageStart);
    QFETCH(qint64, minMs);
    QFETCH(qint64, maxMs);

    LinkRig r;
    int call = 0;
    r.port.setResponder([&](const QByteArray &) { return script.value(call++); });

    QTEST(r.link.SendCommand("v"), "expected");
    QCOMPARE(r.port.written.size(), writes);
    for (const QByteArray &frame : r.port.written)
        QCOMPARE(frame, SimFrame(ClockLink::ClockPrefix + "v"));
    QVERIFY2(r.time.now >= minMs && r.time.now <= maxMs, qPrintable(QString::number(r.time.now)));
    if (messageStart.isEmpty()) {
        QVERIFY(r.prompter.messages.isEmpty());
        QVERIFY(r.port.isOpen());
    } else {
        QCOMPARE(r.prompter.messages.size(), 1);
        QVERIFY(r.prompter.messages[0].text.startsWith(messageStart));
        QVERIFY(r.prompter.messages[0].text.endsWith(QStringLiteral("    TAMREL is ready for logging or Race Entry")));
        QCOMPARE(r.prompter.messages[0].title, QStringLiteral("Communications Error!"));
        QVERIFY(!r.port.isOpen());
    }
}

void TestClockLink::emptyCommandSendsNothing()
{
    LinkRig r;
    QCOMPARE(r.link.SendCommand(QByteArray()), QByteArray("E0"));
    QVERIFY(r.port.written.isEmpty());
    QVERIFY(!r.port.isOpen());
    QCOMPARE(r.prompter.texts(), QStringList{QStringLiteral("Output string format error")});
    QCOMPARE(r.prompter.messages[0].title, QStringLiteral("Communications Error!"));
    QCOMPARE(r.link.lastFrame(), QByteArray("E0"));
}

void TestClockLink::missingDeviceIsE5()
{
    LinkRig r;
    for (int number : {9, 0}) {
        r.prompter.reset();
        r.link.setPortNumber(number);
        QCOMPARE(r.link.SendCommand("v"), QByteArray("E5"));
        QCOMPARE(r.prompter.texts(), QStringList{QStringLiteral("Invalid comport number, check system configuration.")});
        QVERIFY(r.prompter.messages[0].title.isEmpty());   // the program's own title
    }
    QVERIFY(r.port.openedDevices.isEmpty());
}

void TestClockLink::refusedOpenIsOneMessage()
{
    LinkRig r;
    r.port.refuseOpen = true;
    QCOMPARE(r.link.SendCommand("v"), QByteArray("E5"));
    QVERIFY(r.port.written.isEmpty());
    QCOMPARE(r.prompter.messages.size(), 1);
    QVERIFY(r.prompter.messages[0].text.startsWith(QStringLiteral("The serial port ") + m_device.file.fileName()
                                                   + QStringLiteral(" cannot be opened: it is in use by another "
                                                                    "program, or it is not a serial port.")));
    // The identification stops on it without a second message.
    r.prompter.reset();
    ClockIdentity identity;
    QCOMPARE(ReadClockInfo(r.link, identity), QByteArray("E5"));
    QCOMPARE(r.prompter.messages.size(), 1);
}

void TestClockLink::portStaysOpenAcrossExchanges()
{
    LinkRig r;
    r.port.setResponder([](const QByteArray &) { return at(5, SimFrame("Av")); });
    QCOMPARE(r.link.SendCommand("v"), QByteArray("v"));
    r.link.setAddressPrefix({});
    QCOMPARE(r.link.SendCommand("v"), QByteArray("v"));
    QCOMPARE(r.port.openedDevices, QStringList{m_device.file.fileName()});
    QCOMPARE(r.port.written.last(), SimFrame("v"));
}

void TestClockLink::portNumberOnlyChangesWhileClosed()
{
    LinkRig r;
    r.port.setResponder([](const QByteArray &) { return at(5, ACK); });
    r.link.SendCommand("v");
    r.link.setPortNumber(9);
    QCOMPARE(r.link.portNumber(), 1);
    r.link.closePort();
    r.link.setPortNumber(9);
    QCOMPARE(r.link.portNumber(), 9);
}

void TestClockLink::vanishedDeviceEndsWithoutWaitingOut()
{
    LinkRig r;
    r.port.setResponder([&](const QByteArray &) {
        r.port.m_broken = true;
        return QList<FakeSerialPort::Piece>{};
    });
    QCOMPARE(r.link.SendCommand("v"), QByteArray("E2"));
    QVERIFY(r.time.now < 100);
    QVERIFY(!r.port.isOpen());
    // Writing to a device that is gone fails at once too.
    r.prompter.reset();
    r.port.setResponder({});
    r.port.m_stuckOutput = true;
    QCOMPARE(r.link.SendCommand("v"), QByteArray("E1"));
    QVERIFY(r.prompter.texts().value(0).startsWith(QStringLiteral("Transmission Failure, Check Connection")));
}

QTEST_APPLESS_MAIN(TestClockLink)
#include "test_clock_link.moc"
