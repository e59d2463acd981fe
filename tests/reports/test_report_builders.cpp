#include "report_test_data.h"
#include "reports/owner_lookup.h"
#include "reports/race_file_model.h"
#include "reports/report_builder.h"
#include "reports/report_text_file.h"

#include <QTest>

#include <algorithm>

using SampleLines::arrival;
using SampleLines::demoRing;
using SampleLines::raceHeader;
using SampleLines::trainingHeader;

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

} // namespace

class TestReportBuilders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void arrivalsWithOwners();
    void ownerByTheWholeBand_data();
    void ownerByTheWholeBand();
    void deviation_data();
    void deviation();
    void otherBoxes_data();
    void otherBoxes();
    void flights_data();
    void flights();
    void reportTextFileBesideRaceFile();
    void reportTextFileWithUnusableName();
    void withoutDatabase();

private:
    RaceFileModel load(const QList<QByteArray> &lines, int flight = 0);
    FlightReport build(const QList<QByteArray> &lines, int flight = 0);

    std::unique_ptr<ReportWorld> m_world;
};

void TestReportBuilders::init()
{
    m_world = std::make_unique<ReportWorld>(QStringLiteral("report_builders"));
}

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

void TestReportBuilders::arrivalsWithOwners()
{
    const FlightReport report = build({raceHeader(), arrival(demoRing(101)), arrival("Unknown0047A3C", "121502"),
                                       arrival(demoRing(103), "071215", "0512"),
                                       arrival(demoRing(102), "000000", "0000")});
    QVERIFY(!report.training);
    // 103 is in the database, its flyer is not: listed like an unknown ring.
    QCOMPARE(report.listLines, (QList<QByteArray>{
                                   "1  Jan Smith            AU24DEMO0001010 10:35:12 05/11",
                                   "2  Unknown flyer        Unknown0047A3C0 12:15:02 05/11",
                                   "3  Unknown flyer        AU24DEMO0001030 07:12:15 05/12",
                                   "4  Jan Smith            AU24DEMO0001020 00:00:00 00/00",
                               }));
    QCOMPARE(report.textFileLines, (QList<QByteArray>{
                                       "Pos       Owner Name               Band Number         Time           Date      ",
                                       Dashes,
                                       "1         Jan Smith                AU24DEMO000101      10:35:12       05/11   ",
                                       "2         Unknown flyer            Unknown0047A3C      12:15:02       05/11   ",
                                       dashed("------Day 2 birds"),
                                       "3         Unknown flyer            AU24DEMO000103      07:12:15       05/12   ",
                                       "4         Jan Smith                AU24DEMO000102      00:00:00       00/00   ",
                                   }));
}

void TestReportBuilders::ownerByTheWholeBand_data()
{
    QTest::addColumn<QByteArray>("band");
    QTest::addColumn<QString>("owner");
    QTest::newRow("2023, sharing club letters and serial with 2024") << QByteArray("AU23DEMO000101") << "Ann Baker";
    QTest::newRow("2024") << QByteArray("AU24DEMO000101") << "Jan Smith";
    QTest::newRow("a year not stored: club letters and serial") << QByteArray("AU22DEMO000102") << "Jan Smith";
}

void TestReportBuilders::ownerByTheWholeBand()
{
    QFETCH(QByteArray, band);
    OwnerLookup owners(m_world->scratch.db);
    QTEST(owners.ownerOf(band).value_or(QString()), "owner");
}

void TestReportBuilders::deviation_data()
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

void TestReportBuilders::deviation()
{
    QFETCH(QByteArray, verified);
    QFETCH(QByteArray, clock);
    const HeaderBoxes boxes = RaceHeaderBoxes(raceHeader(verified, clock));
    QTEST(boxes.devAmount, "amount");
    QTEST(boxes.devLabel, "label");
    QVERIFY(!boxes.noKnockOff);
    // The times are shown as they stand, also when they are no valid time.
    QCOMPARE(boxes.clockStop, verified.left(2) + '/' + verified.mid(2, 2) + '/' + verified.mid(4, 2) + ' '
                                  + verified.mid(6, 2) + ':' + verified.mid(8, 2) + ':' + verified.mid(10, 2));
}

void TestReportBuilders::otherBoxes_data()
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

void TestReportBuilders::otherBoxes()
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

void TestReportBuilders::flights_data()
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

void TestReportBuilders::flights()
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
    const auto arrivals
        = std::count_if(shape.cbegin(), shape.cend(), [](const QByteArray &line) { return !line.startsWith('-'); });
    QCOMPARE(report.listLines.size(), arrivals);
}

void TestReportBuilders::reportTextFileBesideRaceFile()
{
    RaceFileModel model = load({raceHeader(), arrival(demoRing(101)), raceHeader(), arrival(demoRing(102))});
    OwnerLookup owners(m_world->scratch.db);
    const QString expectedPath = m_world->raceFile(QStringLiteral("LMD12345.005"));

    const Outcome first = SaveReportTextFile(model, fillform(model, owners));
    QVERIFY2(first.ok, qPrintable(first.message));
    QCOMPARE(model.RaceFilePath, expectedPath);

    // The second flight overwrites the same file.
    model.CurrentRaceIndex = 1;
    const FlightReport second = fillform(model, owners);
    const Outcome saved = SaveReportTextFile(model, second);
    QVERIFY2(saved.ok, qPrintable(saved.message));
    QFile written(expectedPath);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), second.textFileLines.join("\r\n") + "\r\n");
    QVERIFY(second.textFileLines.constLast().contains("AU24DEMO000102"));
}

void TestReportBuilders::reportTextFileWithUnusableName()
{
    // Characters 4 to 8 of the module serial would lead out of the folder.
    QByteArray header = raceHeader();
    header.replace(14, 5, "/../x");
    RaceFileModel model = load({header, arrival(demoRing(101))});
    const QString raceFilePath = model.RaceFilePath;
    OwnerLookup owners(m_world->scratch.db);
    const FlightReport report = fillform(model, owners);
    QCOMPARE(report.listLines.size(), 1);

    const Outcome saved = SaveReportTextFile(model, report);
    QVERIFY(!saved.ok);
    QCOMPARE(saved.message, QStringLiteral("Invalid file name - LMD/../x.005"));
    QCOMPARE(model.RaceFilePath, raceFilePath);
    QVERIFY(!QFile::exists(m_world->scratch.folder + QStringLiteral("/x.005")));
}

void TestReportBuilders::withoutDatabase()
{
    QVERIFY(QFile::remove(m_world->scratch.path()));
    const RaceFileModel model = load({raceHeader(), arrival(demoRing(101))});
    OwnerLookup owners(m_world->scratch.db);
    QCOMPARE(fillform(model, owners).listLines,
             QList<QByteArray>{"1  Unknown flyer        AU24DEMO0001010 10:35:12 05/11"});
    QVERIFY(owners.failure());
    QCOMPARE(owners.failure()->number(), 3024);
}

QTEST_GUILESS_MAIN(TestReportBuilders)
#include "test_report_builders.moc"
