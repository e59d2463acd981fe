#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "clock/framing.h"
#include "fake_clock_peer.h"
#include "link_rig.h"
#include "sim_frames.h"

#include <QTest>

using Script = QList<QList<FakeSerialPort::Piece>>;   // one reply per write, in order
Q_DECLARE_METATYPE(Script)
Q_DECLARE_METATYPE(FakeClockPeer)

namespace {
const QByteArray ACK("\x06"), NAK("\x15"), ESC("\x1b");

QList<FakeSerialPort::Piece> at(qint64 ms, const QByteArray &bytes) { return {{ms, bytes}}; }
} // namespace

class TestClockLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestFrames_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("frameHex");
        const QByteArray p("\x81");
        QTest::newRow("v to LMD") << p << QByteArray("v") << QByteArray("0281 76f7 8003");
        QTest::newRow("v to HCU") << QByteArray() << QByteArray("v") << QByteArray("0276 7680 03");
        QTest::newRow("e00 to HCU") << QByteArray() << QByteArray("e00") << QByteArray("0265 3030 c580 03");
        QTest::newRow("ACK alone") << p << QByteArray("\x06") << QByteArray("06");
        QTest::newRow("NAK alone") << p << QByteArray("\x15") << QByteArray("15");
        QTest::newRow("EOT alone") << p << QByteArray("\x04") << QByteArray("04");
        QTest::newRow("other byte framed") << p << QByteArray("\x05") << QByteArray("0281 0586 8003");
        // The checksum: the sum's low and high bytes, each lifted by 128 below 32.
        QTest::newRow("sum 256") << QByteArray() << QByteArray("\x80\x80") << QByteArray("02 8080 8081 03");
        QTest::newRow("low 31 lifted") << QByteArray() << QByteArray("\x1f") << QByteArray("02 1f 9f80 03");
        QTest::newRow("low 32 kept") << QByteArray() << QByteArray("\x20") << QByteArray("02 20 2080 03");
        QTest::newRow("high byte over 32") << QByteArray() << QByteArray(40, char(0xff))
                                           << "02" + QByteArray("ff").repeated(40) + "d827 03";
    }

    void requestFrames()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, frameHex);
        QCOMPARE(FrameCommand(prefix, command).toHex(), QByteArray::fromHex(frameHex).toHex());
    }

    void controlCharNames()
    {
        const ControlChars chars = InitControlChars();
        QCOMPARE(ReadableBytes(QByteArray("\x02\x81v \x1a\x7f\x03", 7), chars),
                 QByteArray("<STX>\\x81v <EOF>\\x7f<ETX>"));
    }

    void exchange_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QString>("messageStart");   // empty: no message
        QTest::addColumn<qint64>("minMs");
        QTest::addColumn<qint64>("maxMs");

        const QByteArray good = SimFrame("Av");
        QTest::newRow("payload after first byte")
            << Script{at(5, good)} << QByteArray("v") << 1 << QString() << 0LL << 150LL;
        // A control byte ends its reply after a short quiet time; any other lone
        // byte waits the whole 100 ms for a second one.
        const qint64 quietEnd = 5 + ClockLink::ControlReplyQuietMs;
        QTest::newRow("ack") << Script{at(5, ACK)} << ACK << 1 << QString() << quietEnd << quietEnd + 1;
        QTest::newRow("esc") << Script{at(5, ESC)} << ESC << 1 << QString() << quietEnd << quietEnd + 1;
        QTest::newRow("eot") << Script{at(5, "\x04")} << QByteArray("\x04") << 1 << QString() << quietEnd << quietEnd + 1;
        // A faulty reply is followed by a quiet second-byte wait, so that none of
        // it is left for the next.
        QTest::newRow("other single byte unchanged")
            << Script{at(5, "x")} << QByteArray("x") << 1 << QString() << 205LL << 206LL;
        QTest::newRow("ack with more inside the quiet time is no ack")
            << Script{{{5, ACK}, {quietEnd - 1, "x\x03"}}} << QByteArray() << 1 << QString() << quietEnd + 99
            << quietEnd + 100;
        QTest::newRow("frame pausing after its STX")
            << Script{{{5, good.left(1)}, {160, good.mid(1)}}} << QByteArray("v") << 1 << QString() << 160LL << 161LL;
        QTest::newRow("nak twice is two sends") << Script{at(5, NAK), at(5, NAK)} << NAK << 2 << QString() << 0LL << 300LL;
        QTest::newRow("nak then reply") << Script{at(5, NAK), at(5, good)} << QByteArray("v") << 2 << QString() << 0LL
                                        << 300LL;
        QTest::newRow("split reply joined") << Script{{{5, good.left(2)}, {300, good.mid(2, 2)}, {4000, good.mid(4)}}}
                                            << QByteArray("v") << 1 << QString() << 4000LL << 4100LL;
        QTest::newRow("bad checksum silent")
            << Script{at(5, QByteArray("\x02" "Av" "\x01\x01" "\x03"))} << QByteArray() << 1 << QString() << 0LL << 150LL;
        QTest::newRow("too short with end")
            << Script{at(5, QByteArray("\x02\x03"))} << QByteArray() << 1 << QString() << 0LL << 150LL;
        QTest::newRow("garbage without end is E3")
            << Script{at(5, QByteArray("\xff\xfe garbage"))} << QByteArray("E3") << 1
            << QStringLiteral("Communication Timeout, Check Connection") << 5000LL << 5200LL;
        QTest::newRow("reply that never ends is E3")
            << Script{{{5, "ab"}, {1000, "cd"}, {2000, "ef"}, {4000, "gh"}, {6000, "ij"}}} << QByteArray("E3") << 1
            << QStringLiteral("Communication Timeout, Check Connection") << 5000LL << 5200LL;
        QTest::newRow("silence is E2") << Script{{}} << QByteArray("E2") << 1
                                       << QStringLiteral("No Tamrel detected. Please check connection.") << 2500LL
                                       << 2550LL;
        QTest::newRow("reply just in time")
            << Script{at(2490, good)} << QByteArray("v") << 1 << QString() << 2490LL << 2600LL;
    }

    void exchange()
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
        // A failure is told, and closes the port.
        QCOMPARE(r.port.isOpen(), messageStart.isEmpty());
        QCOMPARE(r.prompter.messages.size(), messageStart.isEmpty() ? 0 : 1);
        if (!messageStart.isEmpty()) {
            QVERIFY(r.prompter.messages[0].text.startsWith(messageStart));
            QVERIFY(r.prompter.messages[0].text.endsWith(QStringLiteral("    TAMREL is ready for logging or Race Entry")));
            QCOMPARE(r.prompter.messages[0].title, QStringLiteral("Communications Error!"));
        }
    }

    void emptyCommandSendsNothing()
    {
        LinkRig r;
        QCOMPARE(r.link.SendCommand(QByteArray()), QByteArray("E0"));
        QVERIFY(r.port.written.isEmpty());
        QVERIFY(!r.port.isOpen());
        QCOMPARE(r.prompter.texts(), QStringList{QStringLiteral("Output string format error")});
        QCOMPARE(r.prompter.messages[0].title, QStringLiteral("Communications Error!"));
        QCOMPARE(r.link.lastFrame(), QByteArray("E0"));
    }

    void missingDeviceIsE5()
    {
        LinkRig r;
        r.port.setResponder([](const QByteArray &) { return at(5, ACK); });
        r.link.SendCommand("v");
        // The number only changes while the port is closed.
        r.link.setPortNumber(9);
        QCOMPARE(r.link.portNumber(), 1);
        r.link.closePort();
        qputenv("TAMREL_COM9", QByteArray("/nonexistent/tty-for-tests"));
        for (int number : {9, 0}) {
            r.prompter.reset();
            r.link.setPortNumber(number);
            QCOMPARE(r.link.SendCommand("v"), QByteArray("E5"));
            QCOMPARE(
                r.prompter.texts(), QStringList{QStringLiteral("Invalid comport number, check system configuration.")});
            QVERIFY(r.prompter.messages[0].title.isEmpty());   // the program's own title
        }
        QCOMPARE(r.port.openedDevices, QStringList{m_device.file.fileName()});
    }

    void refusedOpenIsOneMessage()
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

    void vanishedDeviceEndsWithoutWaitingOut()
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

    void identification_data()
    {
        QTest::addColumn<FakeClockPeer>("peer");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("model");   // "-": panel left unchanged
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("hcu");   // version and serial
        QTest::addColumn<QString>("message");   // how it begins; empty: none
        const QString hcu = QStringLiteral("1.23 2587");
        QTest::newRow("korve") << FakeClockPeer{"v01570150000012AB34CD"} << QByteArray() << "KORVE" << "1.57"
                               << "313210061" << "No race in LMD " << hcu << QString();
        QTest::newRow("talmi in race mode") << FakeClockPeer{"v03470216xxx100000FF"} << QByteArray() << "TALMI" << "3.47"
                                            << "0255" << "LMD in race mode" << hcu << QString();
        QTest::newRow("unknown model") << FakeClockPeer{"v01570200000800000001"} << QByteArray() << "-" << "1.57"
                                       << "0001" << "New inventory in LMD" << hcu << QString();
        QTest::newRow("state 2") << FakeClockPeer{"v01570150000200000001"} << QByteArray() << "KORVE" << "1.57" << "0001"
                                 << "Race flag in mode 2 (?)" << hcu << QString();
        QTest::newRow("state 5 has no text") << FakeClockPeer{"v01570150000500000001"} << QByteArray() << "KORVE"
                                             << "1.57" << "0001" << "" << hcu << QString();
        QTest::newRow("state not a digit") << FakeClockPeer{"v01570150000X0000000A"} << QByteArray() << "KORVE"
                                           << "1.57" << "0010" << "No race in LMD " << hcu << QString();
        // The module answered, then the clock went: one message, not one for
        // each question to the HCU, and no HCU values.
        QTest::newRow("silent HCU") << FakeClockPeer{"v01570150000012AB34CD", "", ""} << QByteArray() << "KORVE"
                                    << "1.57" << "313210061" << "No race in LMD " << "0.00 0000" << "No Tamrel detected";
        // A failure keeps the state and the HCU of the earlier identification.
        const QString earlierState = QStringLiteral("LMD in Race Mode, no birds logged");
        QTest::newRow("echo only is E9") << FakeClockPeer{"v"} << QByteArray("E9") << "-" << "0.00" << "0000"
                                         << earlierState << hcu << QString();
        QTest::newRow("a lone byte is a damaged answer")
            << FakeClockPeer{"\x04"} << QByteArray("E8") << "-" << "0.00" << "0000" << earlierState << hcu
            << "The Tamrel answered, but its answer was damaged";
        QTest::newRow("silent clock is E2") << FakeClockPeer{""} << QByteArray("E2") << "-" << "0.00" << "0000"
                                            << earlierState << hcu << "No Tamrel detected";
    }

    void identification()
    {
        QFETCH(FakeClockPeer, peer);
        QFETCH(QByteArray, result);
        QFETCH(QString, message);

        LinkRig r;
        r.port.setResponder(FakeClockPeer{"v01570150000312AB34CD"});
        QCOMPARE(ReadClockInfo(r.link, r.identity), QByteArray());
        r.port.setResponder(peer);

        QCOMPARE(ReadClockInfo(r.link, r.identity), result);
        QCOMPARE(r.identity.connected(), result.isEmpty());
        QCOMPARE(r.link.addressPrefix(), ClockLink::ClockPrefix);
        // One port, open across the exchanges to the module and the HCU.
        QCOMPARE(r.port.openedDevices, QStringList{m_device.file.fileName()});
        const ClockStatusTexts t = StatusTextsFor(r.identity);
        QTEST(t.model.value_or(QStringLiteral("-")), "model");
        QTEST(t.lmdVersion, "version");
        QTEST(t.lmdSerial, "serial");
        QTEST(t.lmdState, "state");
        QTEST(t.hcuVersion + ' ' + t.hcuSerial, "hcu");
        // A silent clock is told once by the link, a damaged answer once by the
        // identification; an echo is not.
        QCOMPARE(r.prompter.texts().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(r.prompter.texts().constFirst().startsWith(message), qPrintable(r.prompter.texts().constFirst()));
    }

private:
    PortOneFile m_device;
};

QTEST_APPLESS_MAIN(TestClockLink)
#include "test_clock_link.moc"
