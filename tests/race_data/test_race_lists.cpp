#include "race_data/race_lists.h"
#include "sample_race_lines.h"

#include <QTest>

Q_DECLARE_METATYPE(RaceLineKind)

using SampleLines::arrival;
using SampleLines::raceHeader;
using SampleLines::trainingHeader;

class TestRaceLists : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kindByLength_data();
    void kindByLength();
    void shortHeaderFilled_data();
    void shortHeaderFilled();
    void flights_data();
    void flights();
    void overflowIsLeftOutAndCounted_data();
    void overflowIsLeftOutAndCounted();
};

void TestRaceLists::kindByLength_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<RaceLineKind>("kind");
    const QList<std::pair<int, RaceLineKind>> rows = {
        {0, RaceLineKind::Other},           {2, RaceLineKind::Other},           {24, RaceLineKind::Other},
        {25, RaceLineKind::Arrival},        {26, RaceLineKind::Arrival},        {27, RaceLineKind::Other},
        {48, RaceLineKind::Other},          {49, RaceLineKind::TrainingHeader}, {55, RaceLineKind::TrainingHeader},
        {56, RaceLineKind::RaceHeader},     {71, RaceLineKind::RaceHeader},     {72, RaceLineKind::RaceHeader},
        {73, RaceLineKind::RaceHeader},     {74, RaceLineKind::RaceHeader},     {75, RaceLineKind::Other},
        {100000, RaceLineKind::Other}};
    for (const auto &[length, kind] : rows)
        QTest::addRow("%d", length) << length << kind;
}

void TestRaceLists::kindByLength()
{
    QFETCH(int, length);
    QTEST(KindOfRaceLine(QByteArray(length, '7')), "kind");
}

void TestRaceLists::shortHeaderFilled_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<char>("filler");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray h72 = raceHeader().left(72);
    const QByteArray blanks72 = raceHeader().left(70) + "  ";
    QTest::newRow("72 gets zeros") << h72 << '0' << h72 + "00";
    QTest::newRow("72 gets asterisks") << h72 << '*' << h72 + "**";
    QTest::newRow("trailing blanks give way") << blanks72 << '*' << raceHeader().left(70) + "****";
    QTest::newRow("leading blank stays in place") << " " + h72.mid(1) << '0' << " " + h72.mid(1) + "00";
    QTest::newRow("71 as it stands") << raceHeader().left(71) << '0' << raceHeader().left(71);
    QTest::newRow("73 as it stands") << raceHeader().left(73) << '*' << raceHeader().left(73);
    QTest::newRow("74 as it stands") << raceHeader() << '0' << raceHeader();
}

void TestRaceLists::shortHeaderFilled()
{
    QFETCH(QByteArray, header);
    QFETCH(char, filler);
    QTEST(HeaderAsRead(header, filler), "expected");
}

namespace {
const QByteArray Unknown = "Unknown0047A3C01035120511";
const QByteArray Header72 = raceHeader().left(72);

// An arrival before any header, a race with a training inside it, a second
// race of 72 characters, and lines nobody reads.
RaceImage mixedImage()
{
    return {arrival(1), raceHeader(), arrival(2), trainingHeader(), arrival(3), Unknown, "E3",
            QByteArray(40, 'x'), Header72, arrival(4), QByteArray(75, 'y')};
}
} // namespace

void TestRaceLists::flights_data()
{
    QTest::addColumn<bool>("ventaro");
    QTest::addColumn<QList<QByteArray>>("headers");
    QTest::addColumn<QList<QByteArray>>("arrivals");
    QTest::addColumn<QList<qint16>>("races");
    QTest::newRow("race report")
        << false << QList<QByteArray>{raceHeader(), trainingHeader(), Header72 + "**"}
        << QList<QByteArray>{arrival(1), arrival(2), arrival(3), Unknown, arrival(4)}
        << QList<qint16>{-1, 0, 1, 1, 2};
    QTest::newRow("ventaro writer")
        << true << QList<QByteArray>{raceHeader(), Header72 + "00"}
        << QList<QByteArray>{arrival(1), arrival(2), arrival(3), arrival(4)} << QList<qint16>{-1, 0, 0, 1};
}

void TestRaceLists::flights()
{
    QFETCH(bool, ventaro);
    const RaceLists lists
        = ClassifyRaceImage(mixedImage(), ventaro ? ReaderRules::ventaroWriter() : ReaderRules::raceReport());
    QTEST(lists.RaceHeaderLines, "headers");
    QTEST(lists.ArrivalLines, "arrivals");
    QTEST(lists.ArrivalRace, "races");
    QCOMPARE(lists.linesLeftOut(), 0);
}

void TestRaceLists::overflowIsLeftOutAndCounted_data()
{
    QTest::addColumn<bool>("ventaro");
    QTest::addColumn<RaceImage>("image");
    QTest::addColumn<int>("headersKept");
    QTest::addColumn<int>("arrivalsKept");
    QTest::addColumn<int>("headersLeftOut");
    QTest::addColumn<int>("arrivalsLeftOut");

    RaceImage twelveFlights;
    for (int f = 0; f < 12; ++f)
        twelveFlights << raceHeader() << arrival(f) << arrival(100 + f);
    RaceImage manyArrivals = {raceHeader()};
    for (int a = 0; a < 1002; ++a)
        manyArrivals << arrival(a);
    manyArrivals << Unknown;
    QTest::newRow("report, 12 flights") << false << twelveFlights << 11 << 22 << 1 << 2;
    QTest::newRow("ventaro, 12 races") << true << twelveFlights << 10 << 20 << 2 << 4;
    QTest::newRow("report, 1003 arrivals") << false << manyArrivals << 1 << 1001 << 0 << 2;
    QTest::newRow("ventaro, 1002 arrivals and an unknown") << true << manyArrivals << 1 << 1000 << 0 << 2;
}

void TestRaceLists::overflowIsLeftOutAndCounted()
{
    QFETCH(int, headersKept);
    QFETCH(bool, ventaro);
    QFETCH(RaceImage, image);
    QFETCH(int, arrivalsKept);
    const RaceLists lists
        = ClassifyRaceImage(image, ventaro ? ReaderRules::ventaroWriter() : ReaderRules::raceReport());
    QCOMPARE(lists.RaceHeaderLines.size(), headersKept);
    QCOMPARE(lists.ArrivalLines.size(), arrivalsKept);
    QCOMPARE(lists.ArrivalRace.size(), arrivalsKept);
    QTEST(lists.headersLeftOut, "headersLeftOut");
    QTEST(lists.arrivalsLeftOut, "arrivalsLeftOut");
    // Every kept arrival points at a kept flight.
    for (qint16 race : lists.ArrivalRace)
        QVERIFY(race < lists.RaceHeaderLines.size());
}

QTEST_APPLESS_MAIN(TestRaceLists)
#include "test_race_lists.moc"
