#include "race_test_rig.h"
#include "transfer/readout_guard.h"

#include <QTest>

using Spoil = FakeRaceClock::Spoil;
using Spoils = QMap<int, Spoil>;
Q_DECLARE_METATYPE(Spoils)
Q_DECLARE_METATYPE(RaceReadout::End)

namespace {
const QByteArray W = SimFrame(ClockLink::ClockPrefix + "W");
const QByteArray Ack(1, Ctl::ACK);
// The identification before every readout: "v" to the module, "v" twice and
// "e00" to the HCU.
constexpr int IdentificationWrites = 4;
const RaceImage Memory = {SampleLines::raceHeader(), SampleLines::arrival(1), SampleLines::arrival(2),
                          SampleLines::arrival(3)};
} // namespace

class TestRaceMemoryReadout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readout_data();
    void readout();
    void noClockNoReadout();
    void endlessClockBreaksOff();
    void brokenReadoutDoesNotLeaveTheNextMidway();

private:
    PortOneFile m_device;
};

void TestRaceMemoryReadout::readout_data()
{
    QTest::addColumn<RaceImage>("memory");
    QTest::addColumn<bool>("directData");
    QTest::addColumn<Spoils>("spoils");   // by request, the first "W" being 1
    QTest::addColumn<RaceReadout::End>("end");
    QTest::addColumn<RaceImage>("blocks");
    QTest::addColumn<int>("faulty");
    QTest::addColumn<QStringList>("messages");   // how each begins

    const auto Complete = RaceReadout::End::Complete;
    const auto BrokenOff = RaceReadout::End::BrokenOff;
    const QByteArray &h = Memory[0], &a2 = Memory[2], &a3 = Memory[3];
    QTest::newRow("ack, then bare acks") << Memory << false << Spoils{} << Complete << Memory << 0 << QStringList{};
    QTest::newRow("data straight away") << Memory << true << Spoils{} << Complete << Memory << 0 << QStringList{};
    QTest::newRow("nak once is sent again")
        << Memory << false << Spoils{{3, Spoil::Nak}} << Complete << Memory << 0 << QStringList{};
    QTest::newRow("nak twice is passed over")
        << Memory << false << Spoils{{3, Spoil::Nak}, {4, Spoil::Nak}} << Complete << Memory << 0 << QStringList{};
    QTest::newRow("bad checksum loses its block")
        << Memory << false << Spoils{{3, Spoil::Checksum}} << Complete << RaceImage{h, a2, a3} << 1 << QStringList{};
    QTest::newRow("a pause after STX loses nothing")
        << Memory << false << Spoils{{3, Spoil::StxPause}} << Complete << Memory << 0 << QStringList{};
    QTest::newRow("the rest of a damaged block is drained")
        << Memory << false << Spoils{{3, Spoil::StrayEnd}} << Complete << RaceImage{h, a2, a3} << 1 << QStringList{};
    const QString notRead = QStringLiteral("The race data could not be read from the memory module.\r\nRace data not "
                                           "saved.");
    QTest::newRow("reply without end breaks off")
        << Memory << false << Spoils{{3, Spoil::NoEnd}} << BrokenOff << RaceImage{} << 0
        << QStringList{"Communication Timeout", notRead};
    QTest::newRow("silence breaks off")
        << Memory << false << Spoils{{3, Spoil::Silence}} << BrokenOff << RaceImage{} << 0
        << QStringList{"No Tamrel detected", notRead};
    QTest::newRow("silence to W: no module")
        << Memory << false << Spoils{{1, Spoil::Silence}} << BrokenOff << RaceImage{} << 0
        << QStringList{"No Tamrel detected", "No LMD Inserted"};
    QTest::newRow("three faults in a row break off")
        << Memory << false << Spoils{{3, Spoil::Checksum}, {4, Spoil::Checksum}, {5, Spoil::Checksum}} << BrokenOff
        << RaceImage{} << 0 << QStringList{"The clock did not finish sending the race data."};

    QByteArray anyBytes;
    for (int b = 0; b < 256; ++b) {
        if (b != Ctl::ETX)
            anyBytes += char(b);
    }
    const QByteArray huge(100000, 'z');
    QTest::newRow("any bytes, empty, single and huge blocks")
        << RaceImage{h, "", "x", anyBytes, huge} << false << Spoils{} << Complete << RaceImage{h, anyBytes, huge}
        << 1 << QStringList{};
}

void TestRaceMemoryReadout::readout()
{
    QFETCH(RaceImage, memory);
    QFETCH(bool, directData);
    QFETCH(Spoils, spoils);
    QFETCH(RaceReadout::End, end);
    QFETCH(RaceImage, blocks);
    QFETCH(QStringList, messages);

    RaceCommandRig rig;
    rig.clock.blocks = memory;
    rig.clock.directData = directData;
    rig.clock.spoiled = spoils;
    const RaceReadout readout = ReadRaceMemory(rig.context, 1010);

    QCOMPARE(readout.end, end);
    QCOMPARE(readout.blocks, blocks);
    QTEST(readout.faultyReplies, "faulty");
    QCOMPARE(readout.blocksLeftOut, 0);
    const QStringList shown = rig.prompter.texts();
    QCOMPARE(shown.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i)
        QVERIFY2(shown[i].startsWith(messages[i]), qPrintable(shown[i]));

    QCOMPARE(rig.statusShown, 1);
    QCOMPARE(rig.progress.firstLine, QStringLiteral("Transferring Data..."));
    QCOMPARE(rig.progress.isOpen, end == RaceReadout::End::Complete);
    if (!blocks.isEmpty())
        QCOMPARE(rig.progress.secondLines.constLast(), QString::number(blocks.size()) + " Blocks Transferred");

    const QList<QByteArray> requests = rig.port.written.mid(IdentificationWrites);
    QCOMPARE(requests.constFirst(), W);
    for (const QByteArray &r : requests.mid(1))
        QCOMPARE(r, directData ? W : Ack);
}

void TestRaceMemoryReadout::noClockNoReadout()
{
    RaceCommandRig rig;
    rig.clock.identity.lmd.clear();
    const RaceReadout readout = ReadRaceMemory(rig.context, 1010);
    QCOMPARE(readout.end, RaceReadout::End::NoClock);
    QCOMPARE(rig.progress.timesShown, 0);
    QCOMPARE(rig.statusShown, 0);
    QCOMPARE(rig.prompter.messages.size(), 1);   // the link's own
    QVERIFY(!rig.port.written.contains(W));
}

void TestRaceMemoryReadout::endlessClockBreaksOff()
{
    RaceCommandRig rig;
    int blocksSent = 0;
    rig.port.setResponder([&](const QByteArray &frame) -> QList<FakeSerialPort::Piece> {
        if (frame != W && frame != Ack)
            return rig.clock.identity(frame);
        ++blocksSent;
        return {{3, SimFrame('#' + SampleLines::arrival(blocksSent))}};
    });
    const RaceReadout readout = ReadRaceMemory(rig.context, 1010);
    QCOMPARE(readout.end, RaceReadout::End::BrokenOff);
    QCOMPARE(blocksSent, RaceReadoutReplyLimit);
    QCOMPARE(rig.prompter.texts(),
             QStringList{"The clock did not finish sending the race data.\r\nRace data not saved."});
    QVERIFY(!rig.progress.isOpen);

    // One that answers every bare ACK with ACK sends nothing: it is stopped
    // after three of them, not after ten thousand.
    RaceCommandRig acking;
    int requests = 0;
    acking.port.setResponder([&](const QByteArray &frame) -> QList<FakeSerialPort::Piece> {
        if (frame != W && frame != Ack)
            return acking.clock.identity(frame);
        ++requests;
        return {{3, Ack}};
    });
    const qint64 start = acking.time.now;
    QCOMPARE(ReadRaceMemory(acking.context, 1010).end, RaceReadout::End::BrokenOff);
    QCOMPARE(requests, 1 + ReadoutGuard::FaultsInARow);
    QVERIFY(acking.time.now - start < 1000);
}

void TestRaceMemoryReadout::brokenReadoutDoesNotLeaveTheNextMidway()
{
    RaceCommandRig rig;
    rig.clock.blocks = Memory;
    rig.clock.spoiled = {{3, Spoil::Silence}};
    QCOMPARE(ReadRaceMemory(rig.context, 1010).end, RaceReadout::End::BrokenOff);
    const RaceReadout again = ReadRaceMemory(rig.context, 1010);
    QCOMPARE(again.end, RaceReadout::End::Complete);
    QCOMPARE(again.blocks, Memory);
}

QTEST_APPLESS_MAIN(TestRaceMemoryReadout)
#include "test_race_memory_readout.moc"
