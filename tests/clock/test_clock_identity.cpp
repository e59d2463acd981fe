#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "sim_frames.h"
#include "fake_clock_peer.h"
#include "link_rig.h"

#include <QTest>

class TestClockIdentity : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void identification_data();
    void identification();
    void failureKeepsEarlierState();
    void damagedReplyIsToldAndFails();
    void silentHcuIsToldOnce();
    void stateTexts_data();
    void stateTexts();

private:
    PortOneFile m_device;
};

void TestClockIdentity::identification_data()
{
    QTest::addColumn<QByteArray>("lmd");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<QString>("model");       // "-": panel left unchanged
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("state");
    QTest::newRow("korve") << QByteArray("v01570150000012AB34CD") << QByteArray() << "KORVE" << "1.57"
                           << "313210061" << "No race in LMD ";
    QTest::newRow("talmi in race mode") << QByteArray("v03470216xxx100000FF") << QByteArray() << "TALMI"
                                        << "3.47" << "0255" << "LMD in race mode";
    QTest::newRow("unknown model") << QByteArray("v01570200000800000001") << QByteArray() << "-" << "1.57"
                                   << "0001" << "New inventory in LMD";
    QTest::newRow("state not a digit") << QByteArray("v01570150000X0000000A") << QByteArray() << "KORVE"
                                       << "1.57" << "0010" << "No race in LMD ";
    QTest::newRow("echo only is E9") << QByteArray("v") << QByteArray("E9") << "-" << "0.00" << "0000"
                                     << "TAMREL NOT CONNECTED";
    QTest::newRow("a lone byte is a damaged answer") << QByteArray("\x04") << QByteArray("E8") << "-" << "0.00"
                                                     << "0000" << "TAMREL NOT CONNECTED";
    QTest::newRow("silent clock is E2") << QByteArray() << QByteArray("E2") << "-" << "0.00" << "0000"
                                        << "TAMREL NOT CONNECTED";
}

void TestClockIdentity::identification()
{
    QFETCH(QByteArray, lmd);
    QFETCH(QByteArray, result);

    LinkRig r;
    FakeClockPeer peer;
    peer.lmd = lmd;
    r.port.setResponder(peer);

    QCOMPARE(ReadClockInfo(r.link, r.identity), result);
    QCOMPARE(r.link.addressPrefix(), ClockLink::ClockPrefix);
    const ClockStatusTexts t = StatusTextsFor(r.identity);
    QTEST(t.model.value_or(QStringLiteral("-")), "model");
    QTEST(t.lmdVersion, "version");
    QTEST(t.lmdSerial, "serial");
    QTEST(t.lmdState, "state");
    if (result.isEmpty()) {
        QCOMPARE(t.hcuVersion, QStringLiteral("1.23"));
        QCOMPARE(r.identity.HcuSerial, QByteArray("0A1B"));
        QCOMPARE(t.hcuSerial, QStringLiteral("2587"));
        QVERIFY(r.prompter.messages.isEmpty());
    } else {
        QVERIFY(!r.identity.connected());
        // A silent clock is told once by the link, a damaged answer once
        // by the identification; an echo is not.
        QCOMPARE(r.prompter.messages.size(), result == "E9" ? 0 : 1);
    }
}

void TestClockIdentity::failureKeepsEarlierState()
{
    LinkRig r;
    FakeClockPeer peer;
    peer.lmd = "v01570150000312AB34CD";
    r.port.setResponder(peer);
    QCOMPARE(ReadClockInfo(r.link, r.identity), QByteArray());
    QCOMPARE(r.identity.LmdState, QByteArray("3"));

    peer.lmd = "v";
    r.port.setResponder(peer);
    QCOMPARE(ReadClockInfo(r.link, r.identity), QByteArray("E9"));
    QVERIFY(r.identity.LmdSerial.isEmpty());
    QCOMPARE(r.identity.LmdState, QByteArray("3"));
    QCOMPARE(r.identity.HcuSerial, QByteArray("0A1B"));
    QCOMPARE(r.identity.LmdVersion, 0.0);
}

// The module answered, then the clock went: one message, not one for each
// question to the HCU, and no HCU values.
void TestClockIdentity::silentHcuIsToldOnce()
{
    LinkRig r;
    FakeClockPeer peer;
    peer.hcuVersion.clear();
    peer.hcuMemory.clear();
    r.port.setResponder(peer);
    QCOMPARE(ReadClockInfo(r.link, r.identity), QByteArray());
    QCOMPARE(r.identity.LmdSerial, QByteArray("12AB34CD"));
    QCOMPARE(r.prompter.messages.size(), 1);
    QVERIFY(r.prompter.texts().constFirst().startsWith(QLatin1String("No Tamrel detected")));
    QCOMPARE(r.port.written.size(), 2);
    QCOMPARE(r.identity.HcuVersion, 0.0);
    QVERIFY(r.identity.HcuSerial.isEmpty());
}

void TestClockIdentity::damagedReplyIsToldAndFails()
{
    LinkRig r;
    r.port.setResponder([](const QByteArray &) {
        QByteArray frame = SimFrame("#v01570150000012AB34CD");
        frame[frame.size() - 2] = 'x';
        return QList<FakeSerialPort::Piece>{{3, frame}};
    });
    QCOMPARE(ReadClockInfo(r.link, r.identity), QByteArray("E8"));
    QVERIFY(!r.identity.connected());
    QCOMPARE(r.prompter.messages.size(), 1);
    QVERIFY(r.prompter.messages[0].text.startsWith(QStringLiteral("The Tamrel answered, but its answer was damaged")));
}

void TestClockIdentity::stateTexts_data()
{
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QString>("text");
    QTest::newRow("2") << QByteArray("2") << "Race flag in mode 2 (?)";
    QTest::newRow("3") << QByteArray("3") << "LMD in Race Mode, no birds logged";
    QTest::newRow("5") << QByteArray("5") << "";
}

void TestClockIdentity::stateTexts()
{
    QFETCH(QByteArray, state);
    QTEST(LmdStateText(state), "text");
}

QTEST_APPLESS_MAIN(TestClockIdentity)
#include "test_clock_identity.moc"
