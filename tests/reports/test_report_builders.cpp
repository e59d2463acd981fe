#include "report_test_data.h"
#include "reports/owner_lookup.h"
#include "reports/race_file_model.h"
#include "reports/race_file_reading.h"
#include "reports/report_builder.h"
#include "reports/report_text_file.h"

#include <QTest>

#include <algorithm>

using SampleLines::arrival;
using SampleLines::demoRing;
using SampleLines::raceHeader;
using SampleLines::trainingHeader;

Q_DECLARE_METATYPE(RaceFileLoad)

namespace {

const QByteArray Dashes(80, '-');

QByteArray dashed(const QByteArray &text)
{
    return text + QByteArray(80 - text.size(), '-');
}

// What a text file line stands for: a dashed line as it is, an arrival by
// its position.
QList<QByteArray> shapeOf(const QList<QByteArray> &textFileLines)
{
    QList<QByteArray> shape;
    for (const QByteArray &line : textFileLines.mid(2))
        shape.append(line.startsWith('-') ? line.left(line.indexOf("--", 6)) : line.left(10).trimmed());
    return shape;
}

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

class TestReportBuilders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<ReportWorld>(QStringLiteral("report_builders"));
    }

    void arrivalsWithOwners()
    {
        const FlightReport report = build({raceHeader(), arrival(demoRing(101)), arrival("Unknown0047A3C", "121502"),
                                           arrival("AU23DEMO000101"), arrival("AU22DEMO000102"),
                                           arrival(demoRing(103), "071215", "0512"),
                                           arrival(demoRing(102), "000000", "0000")});
        QVERIFY(!report.training);
        // The owner goes by the whole band, else (for a year not stored) by club
        // letters and serial. 103 is in the database, its flyer is not: listed
        // like an unknown ring.
        QCOMPARE(report.listLines, (QList<QByteArray>{
                                       "1  Jan Smith            AU24DEMO0001010 10:35:12 05/11",
                                       "2  Unknown flyer        Unknown0047A3C0 12:15:02 05/11",
                                       "3  Ann Baker            AU23DEMO0001010 10:35:12 05/11",
                                       "4  Jan Smith            AU22DEMO0001020 10:35:12 05/11",
                                       "5  Unknown flyer        AU24DEMO0001030 07:12:15 05/12",
                                       "6  Jan Smith            AU24DEMO0001020 00:00:00 00/00",
                                   }));
        QCOMPARE(report.textFileLines,
            (QList<QByteArray>{
                "Pos       Owner Name               Band Number         Time           Date      ",
                Dashes,
                "1         Jan Smith                AU24DEMO000101      10:35:12       05/11   ",
                "2         Unknown flyer            Unknown0047A3C      12:15:02       05/11   ",
                "3         Ann Baker                AU23DEMO000101      10:35:12       05/11   ",
                "4         Jan Smith                AU22DEMO000102      10:35:12       05/11   ",
                dashed("------Day 2 birds"),
                "5         Unknown flyer            AU24DEMO000103      07:12:15       05/12   ",
                "6         Jan Smith                AU24DEMO000102      00:00:00       00/00   ",
            }));
    }

    void deviation_data()
    {
        QTest::addColumn<QByteArray>("verified");
        QTest::addColumn<QByteArray>("clock");
        QTest::addColumn<QByteArray>("amount");
        QTest::addColumn<QByteArray>("label");
        const QByteArray fine = "second(s)";
        const QByteArray error = "Possible clock ERROR!!";
        QTest::newRow("+10") << QByteArray("051224180010") << QByteArray("051224180000") << QByteArray("10") << fine;
        QTest::newRow("+11") << QByteArray("051224180011") << QByteArray("051224180000") << QByteArray("11") << error;
        QTest::newRow("-10") << QByteArray("051224175950") << QByteArray("051224180000") << QByteArray("-10") << fine;
        QTest::newRow("-11") << QByteArray("051224175949") << QByteArray("051224180000") << QByteArray("-11") << error;
        QTest::newRow("over the new year") << QByteArray("010125000005") << QByteArray("123124235955")
                                           << QByteArray("10") << fine;
        // 29 is 2029, 30 is 1930: a century apart, never ten seconds.
        QTest::newRow("across the year pivot") << QByteArray("010130000005") << QByteArray("123129235955")
                                               << QByteArray("-3155759990") << error;
        QTest::newRow("13/45 is no date") << QByteArray("134524180000") << QByteArray("051224180000")
                                          << QByteArray("N/A") << QByteArray("Invalid clock time");
    }

    void deviation()
    {
        QFETCH(QByteArray, verified);
        QFETCH(QByteArray, clock);
        const HeaderBoxes boxes = RaceHeaderBoxes(raceHeader(verified, clock));
        QTEST(boxes.devAmount, "amount");
        QTEST(boxes.devLabel, "label");
        QVERIFY(!boxes.noKnockOff);
    }

    void otherBoxes_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::addColumn<bool>("red");
        // raceNum, raceDate, liberationPoint, concourse, combine, clubNo, flyerNo,
        // lmdSerial, clockStart, clockStop, knockOff, devAmount, devLabel
        QTest::newRow("race") << raceHeader()
                              << QList<QByteArray>{"01", "05/11", "BRIGHTON", "1234", "01", "02", "005", "12345",
                                                   "05/10/24 19:00:00", "05/12/24 18:00:05", "05/12/24 18:00:00", "5",
                                                   "second(s)"}
                              << false;
        QTest::newRow("no knock-off") << raceHeader("000000000000", "000000000000")
                                      << QList<QByteArray>{"01", "05/11", "BRIGHTON", "1234", "01", "02", "005",
                                                           "12345", "05/10/24 19:00:00", "NO Knock Off",
                                                           "NO Knock Off", "0", "second(s)"}
                                      << true;
        QTest::newRow("training") << trainingHeader()
                                  << QList<QByteArray>{"Training", "N/A", "N/A", "1234", "01", "02", "005", "12345",
                                                       "05/15/24 07:00:00", "N/A", "N/A", "N/A", ""}
                                  << false;
    }

    void otherBoxes()
    {
        QFETCH(QByteArray, header);
        QFETCH(QList<QByteArray>, expected);
        const FlightReport report = build({header, arrival(demoRing(101))});
        const HeaderBoxes &b = report.boxes;
        QCOMPARE((QList<QByteArray>{b.raceNum, b.raceDate, b.liberationPoint, b.concourse, b.combine, b.clubNo,
                                    b.flyerNo, b.lmdSerial, b.clockStart, b.clockStop, b.knockOff, b.devAmount,
                                    b.devLabel}),
                 expected);
        QTEST(b.noKnockOff, "red");
        QCOMPARE(report.textFileLines.at(1), report.training ? dashed("-----TRAINING RACE") : Dashes);
    }

    void flights_data()
    {
        QTest::addColumn<int>("flight");
        QTest::addColumn<QList<QByteArray>>("shape");
        QTest::newRow("race 1: day 3 after a day without birds")
            << 0 << QList<QByteArray>{"1", "2", "------Day 3 birds", "3", "4", "5"};
        QTest::newRow("training: counts from its own first bird") << 1 << QList<QByteArray>{"1", "2"};
        QTest::newRow("race 2: a new year cannot be spanned")
            << 2
            << QList<QByteArray>{"1", "------Invalid date, or cannot span years.", "2",
                                 "------Invalid date, or cannot span years.", "3"};
    }

    void flights()
    {
        QFETCH(int, flight);
        QFETCH(QList<QByteArray>, shape);
        // An unclocked bird and one on 13/45 start no day line.
        const QList<QByteArray> file = {
            raceHeader(),
            arrival(demoRing(101), "103512", "0514"),
            arrival(demoRing(102), "104000", "0514"),
            arrival(demoRing(103), "080000", "0516"),
            arrival(demoRing(104), "000000", "0000"),
            arrival(demoRing(105), "999999", "1345"),
            trainingHeader(),
            arrival(demoRing(101), "093001", "0520"),
            arrival(demoRing(102), "093015", "0520"),
            raceHeader("123124180000", "123124180000", "02"),
            arrival(demoRing(101), "235900", "1231"),
            arrival(demoRing(102), "000500", "0101"),
            arrival(demoRing(103), "010000", "0101"),
        };
        const FlightReport report = build(file, flight);
        QCOMPARE(shapeOf(report.textFileLines), shape);
        const auto isArrival = [](const QByteArray &line) { return !line.startsWith('-'); };
        QCOMPARE(report.listLines.size(), std::ranges::count_if(shape, isArrival));
    }

    void showsWhatCanBeShown_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<RaceFileLoad>("load");
        QTest::addColumn<int>("flights");
        QTest::addColumn<int>("arrivalsShown");
        QTest::addColumn<int>("linesNotShown");
        QTest::addColumn<bool>("cutShort");

        // A line of header length holding control bytes.
        QByteArray controlBytes(74, '\0');
        for (int i = 0; i < 74; ++i)
            controlBytes[i] = char(i == 10 ? 0 : i);
        const QByteArray header = raceHeader();

        QTest::newRow("a folder in the file's place") << QByteArray() << RaceFileLoad::NotFound << 0 << 0 << 0 << false;
        QTest::newRow("empty") << QByteArray("") << RaceFileLoad::NoFlight << 0 << 0 << 0 << false;
        QTest::newRow("a header of control bytes") << crlfLines({controlBytes, arrival(demoRing(1))})
                                                   << RaceFileLoad::Loaded << 1 << 1 << 0 << false;
        QTest::newRow("line feeds alone") << header + '\n' + arrival(demoRing(1)) << RaceFileLoad::Loaded << 1 << 1 << 0
                                          << false;
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
        QTest::newRow("no time, no date") << crlfLines({header, arrival(demoRing(2), "ab:c;d", "\x01\x02\xff?")})
                                          << RaceFileLoad::Loaded << 1 << 1 << 0 << false;
    }

    void showsWhatCanBeShown()
    {
        QFETCH(int, arrivalsShown);
        QFETCH(QByteArray, bytes);
        QFETCH(int, flights);
        QFETCH(int, linesNotShown);
        QFETCH(bool, cutShort);
        if (bytes.isNull())
            QVERIFY(QDir().mkpath(m_world->raceFile(QStringLiteral("12340102.005"))));
        else
            m_world->writeBytes(QStringLiteral("12340102.005"), bytes);
        RaceFileModel model;
        model.RaceFilePath = m_world->raceFile(QStringLiteral("12340102.005"));

        QTEST(LoadRaceFile(model), "load");
        QCOMPARE(model.flightCount(), flights);
        QCOMPARE(model.linesNotShown, linesNotShown);
        QCOMPARE(model.cutShort, cutShort);
        QCOMPARE(NotShownNote(model).isEmpty(), linesNotShown == 0 && !cutShort);
        // Every flight builds; the first lists what it holds.
        OwnerLookup owners(m_world->scratch.db);
        for (int f = 0; f < flights; ++f) {
            model.CurrentRaceIndex = qint16(f);
            const FlightReport report = BuildChosenFlight(model, owners);
            if (f == 0)
                QCOMPARE(report.listLines.size(), arrivalsShown);
        }
    }

    void reportTextFileWithUnusableName()
    {
        // Characters 4 to 8 of the module serial would lead out of the folder.
        QByteArray header = raceHeader();
        header.replace(14, 5, "/../x");
        RaceFileModel model = load({header, arrival(demoRing(101))});
        const QString raceFilePath = model.RaceFilePath;
        const Outcome saved = SaveReportTextFile(model, FlightReport{});
        QVERIFY(!saved.ok);
        QCOMPARE(saved.message, QStringLiteral("Invalid file name - LMD/../x.005"));
        QCOMPARE(model.RaceFilePath, raceFilePath);
        QVERIFY(!QFile::exists(m_world->scratch.folder + QStringLiteral("/x.005")));
    }

    void withoutDatabase()
    {
        QVERIFY(QFile::remove(m_world->scratch.path()));
        const RaceFileModel model = load({raceHeader(), arrival(demoRing(101))});
        OwnerLookup owners(m_world->scratch.db);
        QCOMPARE(fillform(model, owners).listLines,
                 QList<QByteArray>{"1  Unknown flyer        AU24DEMO0001010 10:35:12 05/11"});
        QVERIFY(owners.failure());
        QCOMPARE(owners.failure()->number(), 3024);
    }

private:
    RaceFileModel load(const QList<QByteArray> &lines, int flight = 0);
    FlightReport build(const QList<QByteArray> &lines, int flight = 0);

    std::unique_ptr<ReportWorld> m_world;
};

RaceFileModel TestReportBuilders::load(const QList<QByteArray> &lines, int flight)
{
    RaceFileModel model;
    model.RaceFilePath = m_world->writeRaceFile(QStringLiteral("12340102.005"), lines);
    if (LoadRaceFile(model) != RaceFileLoad::Loaded)
        qFatal("the race file did not load");
    model.CurrentRaceIndex = qint16(flight);
    return model;
}

FlightReport TestReportBuilders::build(const QList<QByteArray> &lines, int flight)
{
    OwnerLookup owners(m_world->scratch.db);
    return BuildChosenFlight(load(lines, flight), owners);
}

QTEST_GUILESS_MAIN(TestReportBuilders)
#include "test_report_builders.moc"
