#include "clock/control_chars.h"
#include "clock/framing.h"
#include "clocksim_session.h"
#include "module_file.h"
#include "scratch_files.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray ACK(1, Ctl::ACK), NAK(1, Ctl::NAK), EOT(1, Ctl::EOT);
const QByteArray SampleIdentification = "v01570150000012AB34CD";

// The program's side of a link to a running clock stand-in.
struct Session : ClocksimSession {
    explicit Session(const QStringList &arguments) : ClocksimSession(arguments)
    {
        link.setTrace([this](const char *direction, const QByteArray &bytes) {
            if (QByteArray(direction) == "->")
                sent.append(bytes);
        });
    }

    QList<QByteArray> sent;
};

struct Readout {
    QList<QByteArray> blocks;
    bool ended = false;
};

// Reads a memory out as the program does: the start command until the clock
// answers ACK, bare ACKs from then on, to EOT.
Readout readOut(ClockLink &link, const QByteArray &start, int bound)
{
    Readout r;
    bool acknowledged = false;
    for (int i = 0; i < bound && !r.ended; ++i) {
        const QByteArray reply = link.SendCommand(acknowledged ? ACK : start);
        if (reply == ACK)
            acknowledged = true;
        else if (reply == EOT)
            r.ended = true;
        else if (reply.size() >= 2)
            r.blocks.append(reply);
    }
    return r;
}

// What each SendCommand must have returned, by what the clock's log says
// happened on the line: a NAK is sent once more, a second one is the result.
QMap<QByteArray, int> outcomesFromLog(const QString &path)
{
    QList<QByteArray> faults;
    for (const QByteArray &line : FileBytes(path).split('\n')) {
        if (!line.isEmpty())
            faults.append(line.split('|').value(2).trimmed());
    }
    QMap<QByteArray, int> outcomes;
    for (qsizetype i = 0; i < faults.size(); ++i) {
        if (faults.at(i) == "nak" && i + 1 < faults.size())
            ++i;
        const QByteArray f = faults.at(i);
        ++outcomes[f == "none" ? "ok" : f == "nak" ? NAK : QByteArray()];
    }
    return outcomes;
}

} // namespace

class TestClockLinkE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void identification_data();
    void identification();
    void faultsComeBackAsResultCodes();
    void raceReadout_data();
    void raceReadout();
    void adminSetStoredAndReadBack();
    void vanishedClockEndsInACodeNotAHang();

private:
    QTemporaryDir m_dir;
};

void TestClockLinkE2e::identification_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("lmdVersion");
    QTest::addColumn<double>("modelCode");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<double>("hcuVersion");
    QTest::addColumn<QByteArray>("hcuSerial");

    QTest::newRow("sample module") << QStringList() << 3.6 << 2.16 << QByteArray("0") << QByteArray("12AB34CD")
                                   << 1.23 << QByteArray("0A1B");
    QTest::newRow("options over the module file")
        << QStringList{"--model", "talmi", "--lmd-version", "3.5", "--state", "8", "--serial", "DEADBEEF",
                       "--hcu-version", "2.05", "--hcu-serial", "FFFF"}
        << 3.5 << 2.16 << QByteArray("8") << QByteArray("DEADBEEF") << 2.05 << QByteArray("FFFF");
}

void TestClockLinkE2e::identification()
{
    QFETCH(QStringList, options);
    const QString lmd = m_dir.filePath(QStringLiteral("identification.lmd"));
    QFile::remove(lmd);
    QVERIFY(QFile::copy(QStringLiteral(TAMREL_SAMPLE_LMD), lmd));

    Session s(QStringList{"--lmd", lmd} + options);
    QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));
    QCOMPARE(ReadClockInfo(s.link, s.identity), QByteArray());
    QTEST(s.identity.LmdVersion, "lmdVersion");
    QTEST(s.identity.ModelCode, "modelCode");
    QTEST(s.identity.LmdState, "state");
    QTEST(s.identity.LmdSerial, "serial");
    QTEST(s.identity.HcuVersion, "hcuVersion");
    QTEST(s.identity.HcuSerial, "hcuSerial");
    QCOMPARE(s.prompter.messages.size(), 0);
}

void TestClockLinkE2e::faultsComeBackAsResultCodes()
{
    const QString log = m_dir.filePath(QStringLiteral("faults.log"));
    Session s({"--fault", "nak=5,checksum=5,lose=5", "--seed", "4711", "--log", log});
    QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));

    constexpr int Exchanges = 1000;
    QMap<QByteArray, int> byResult;
    for (int i = 0; i < Exchanges; ++i) {
        const QByteArray r = s.link.SendCommand("v");
        ++byResult[r == SampleIdentification ? QByteArray("ok") : r];
    }

    QVERIFY(s.sim.isRunning());
    // Time-outs (E2, E3) would show here, with their messages.
    QCOMPARE(s.prompter.messages.size(), 0);
    QCOMPARE(byResult, outcomesFromLog(log));
    int total = 0;
    for (int n : byResult)
        total += n;
    QCOMPARE(total, Exchanges);
    QVERIFY2(byResult.value("") > 0 && byResult.value("ok") > Exchanges * 8 / 10,
             qPrintable(QStringLiteral("ok %1, bad frames %2").arg(byResult.value("ok")).arg(byResult.value(""))));
}

void TestClockLinkE2e::raceReadout_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("eachBlockAskedWithW");

    QTest::newRow("acknowledged, then one block per ACK") << QStringList() << false;
    QTest::newRow("blocks straight away") << QStringList{"--direct-data"} << true;
}

void TestClockLinkE2e::raceReadout()
{
    QFETCH(QStringList, options);
    QFETCH(bool, eachBlockAskedWithW);
    const QList<QByteArray> lines = {
        "123401020051321006105142406000005142419051205142419050001 05/14 Lakeside00",
        "US23ABCD01234501435120514",
        "US23ABCD012346014400105141",
        "Unknown       01452300514",
        "123401020051321006105152406000000000000000000000000000000",
        "E3",
    };
    const QString tam = m_dir.filePath(QStringLiteral("12340102.005"));
    QVERIFY(WriteFileBytes(tam, lines.join("\r\n") + "\r\n"));

    Session s(QStringList{"--race", tam} + options);
    QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));
    const Readout r = readOut(s.link, "W", int(lines.size()) + 3);
    QVERIFY(r.ended);
    QCOMPARE(r.blocks, lines);
    const auto asks = s.sent.count(FrameCommand(ClockLink::ClockPrefix, "W"));
    QCOMPARE(asks, eachBlockAskedWithW ? lines.size() + 1 : 1);
    QCOMPARE(s.prompter.messages.size(), 0);
}

void TestClockLinkE2e::adminSetStoredAndReadBack()
{
    const QString lmd = m_dir.filePath(QStringLiteral("admin.lmd"));
    const QList<QByteArray> oldSet = {"S1          Old Combine         US", "ZUS22ABCD000001C0000000001J"};
    const QList<QByteArray> newSet = {
        "S1          North Valley CombineUS",
        "S2   0102   Riverside Racing     1234",
        "S3   0102005Jan Smith           00000000000000",
        "ZUS23ABCD012345C0001234567J",
        "ZUS23ABCD012346H0000000000>",
    };
    const QList<QByteArray> liberation = {"011405Lakeside1", "022105Millbank1"};
    Session s({"--lmd", lmd});
    QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));
    QStringList refused;
    const auto store = [&](const QByteArray &command) {
        if (s.link.SendCommand(command) != ACK)
            refused.append(QString::fromLatin1(command));
    };
    for (const QByteArray &record : oldSet + newSet)
        store(record);
    store("IC0");
    for (const QByteArray &body : liberation)
        store("I0" + body);
    QCOMPARE(refused, QStringList());

    const Readout r = readOut(s.link, "X", int(newSet.size()) + 3);
    QVERIFY(r.ended);
    QCOMPARE(r.blocks, newSet);
    // The module file holds what was stored.
    QString error;
    const auto module = ReadModuleFile(lmd, &error);
    QVERIFY2(module, qPrintable(error));
    QCOMPARE(module->adminRecords, newSet);
    QCOMPARE(module->liberationPoints, liberation);
}

void TestClockLinkE2e::vanishedClockEndsInACodeNotAHang()
{
    Session s({});
    QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));
    QCOMPARE(ReadClockInfo(s.link, s.identity), QByteArray());
    QVERIFY(s.link.isPortOpen());

    s.sim.kill();
    // Seen on the port at once, not after a wait for a reply.
    QVERIFY(s.port.broken());
    const QByteArray first = s.link.SendCommand("v");
    QVERIFY2(first == "E1" || first == "E2" || first == "E3", first.constData());
    QCOMPARE(s.prompter.messages.size(), 1);
    QCOMPARE(s.prompter.messages[0].title, QStringLiteral("Communications Error!"));
    QVERIFY(!s.link.isPortOpen());
    // The link went with the clock: the port is gone now.
    QCOMPARE(s.link.SendCommand("v"), QByteArray("E5"));
}

QTEST_GUILESS_MAIN(TestClockLinkE2e)
#include "test_clock_link_e2e.moc"
