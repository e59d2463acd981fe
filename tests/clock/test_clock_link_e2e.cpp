#include "clock/control_chars.h"
#include "clocksim_session.h"
#include "scratch_files.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray NAK(1, Ctl::NAK);
const QByteArray SampleIdentification = "v01570150000012AB34CD";

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

    ClocksimSession s(QStringList{"--lmd", lmd} + options);
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
    ClocksimSession s({"--fault", "nak=5,checksum=5,lose=5", "--seed", "4711", "--log", log});
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

void TestClockLinkE2e::vanishedClockEndsInACodeNotAHang()
{
    ClocksimSession s({});
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
