#include "report_test_data.h"
#include "reports/owner_lookup.h"
#include "reports/race_file_model.h"
#include "reports/race_file_reading.h"
#include "reports/report_builder.h"

#include <QRandomGenerator>
#include <QTest>

using SampleLines::arrival;
using SampleLines::demoRing;
using SampleLines::raceHeader;

Q_DECLARE_METATYPE(RaceFileLoad)

namespace {

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    return lines.join("\r\n") + "\r\n";
}

QByteArray arrivals(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += arrival(demoRing(i)) + "\r\n";
    return bytes;
}

} // namespace

class TestRaceFileReading : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsWhatCanBeShown_data();
    void showsWhatCanBeShown();
    void missingFile();
};

void TestRaceFileReading::showsWhatCanBeShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<RaceFileLoad>("load");
    QTest::addColumn<int>("flights");
    QTest::addColumn<int>("arrivalsShown");
    QTest::addColumn<int>("linesNotShown");
    QTest::addColumn<bool>("cutShort");

    // One line of noise, and a line of header length holding control bytes.
    QByteArray noise(20000, '\0');
    QRandomGenerator generator(4);
    for (char &c : noise)
        c = char(generator.bounded(11, 256));
    QByteArray controlBytes(74, '\0');
    for (int i = 0; i < 74; ++i)
        controlBytes[i] = char(i == 10 ? 0 : i);
    const QByteArray header = raceHeader();

    QTest::newRow("empty") << QByteArray() << RaceFileLoad::NoFlight << 0 << 0 << 0 << false;
    QTest::newRow("random bytes") << noise << RaceFileLoad::NoFlight << 0 << 0 << 0 << false;
    QTest::newRow("a header of control bytes") << crlfLines({controlBytes, arrival(demoRing(1))})
                                               << RaceFileLoad::Loaded << 1 << 1 << 0 << false;
    QTest::newRow("line feeds alone") << header + '\n' + arrival(demoRing(1)) << RaceFileLoad::Loaded << 1 << 1 << 0
                                      << false;
    QTest::newRow("a comma in the liberation point")
        << crlfLines({raceHeader("051224180005", "051224180000", "01", "ROME,ITA"), arrival(demoRing(1))})
        << RaceFileLoad::Loaded << 1 << 1 << 0 << false;
    QTest::newRow("a line of 3 MB") << crlfLines({header, QByteArray(3'000'000, '7'), arrival(demoRing(1))})
                                    << RaceFileLoad::Loaded << 1 << 0 << 0 << true;
    QTest::newRow("arrivals before the header") << arrivals(2) + crlfLines({header}) + arrivals(3)
                                                << RaceFileLoad::Loaded << 1 << 3 << 2 << false;
    QTest::newRow("1,100 arrivals") << crlfLines({header}) + arrivals(1100) << RaceFileLoad::Loaded << 1 << 1001
                                    << 99 << false;
    QByteArray twelveFlights;
    for (int f = 0; f < 12; ++f)
        twelveFlights += crlfLines({header, arrival(demoRing(f))});
    QTest::newRow("12 flights") << twelveFlights << RaceFileLoad::Loaded << 11 << 1 << 2 << false;
    QTest::newRow("13/45 and 99:99:99") << crlfLines({header, arrival(demoRing(1), "999999", "1345"),
                                                      arrival(demoRing(2), "ab:c;d", "\x01\x02\xff?")})
                                        << RaceFileLoad::Loaded << 1 << 2 << 0 << false;
}

void TestRaceFileReading::showsWhatCanBeShown()
{
    QFETCH(int, arrivalsShown);
    QFETCH(QByteArray, bytes);
    QFETCH(int, flights);
    QFETCH(int, linesNotShown);
    QFETCH(bool, cutShort);
    ReportWorld world(QStringLiteral("race_file_reading"));
    world.writeBytes(QStringLiteral("12340102.005"), bytes);
    RaceFileModel model;
    model.RaceFilePath = world.raceFile(QStringLiteral("12340102.005"));

    QTEST(LoadRaceFile(model), "load");
    QCOMPARE(model.flightCount(), flights);
    QCOMPARE(model.linesNotShown, linesNotShown);
    QCOMPARE(model.cutShort, cutShort);
    QCOMPARE(NotShownNote(model).isEmpty(), linesNotShown == 0 && !cutShort);
    // Every flight builds; the first lists what it holds.
    OwnerLookup owners(world.scratch.db);
    for (int f = 0; f < flights; ++f) {
        model.CurrentRaceIndex = qint16(f);
        const FlightReport report = BuildChosenFlight(model, owners);
        if (f == 0)
            QCOMPARE(report.listLines.size(), arrivalsShown);
    }
    if (flights > 0)
        QCOMPARE(model.lists.RaceHeaderLines.constFirst().size(), 74);
}

void TestRaceFileReading::missingFile()
{
    RaceFileModel model;
    model.RaceFilePath = QStringLiteral("/nonexistent/12340102.005");
    QCOMPARE(LoadRaceFile(model), RaceFileLoad::NotFound);
    QVERIFY(!ReadRaceFileLines(QDir::tempPath()).has_value());
}

QTEST_GUILESS_MAIN(TestRaceFileReading)
#include "test_race_file_reading.moc"
