#include "race_data/arrival_colors.h"
#include "race_data/race_lists.h"
#include "race_data/ventaro_dates.h"
#include "race_data/ventaro_file.h"
#include "race_data/ventaro_races.h"
#include "race_data/ventaro_records.h"
#include "recording_prompter.h"
#include "sample_race_lines.h"
#include "scratch_database.h"

#include <QTest>

Q_DECLARE_METATYPE(RaceLineKind)
Q_DECLARE_METATYPE(RaceOwner)

using SampleLines::arrival;
using SampleLines::raceHeader;
using SampleLines::trainingHeader;

namespace {

// Club 2, flyer 5, race 01 from Brighton on 05/11, strike-out at 18:00:00.
const QByteArray Header = raceHeader();
const QByteArray Arrival = arrival(101);

QByteArray headerOfRace(const QByteArray &race, const QByteArray &strikeOut = "180000")
{
    return raceHeader("051224180005", "051224" + strikeOut, race);
}

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

// The pieces both race data savers are made of.
class TestRacePieces : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void kindByLength_data()
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

    void kindByLength()
    {
        QFETCH(int, length);
        QTEST(KindOfRaceLine(QByteArray(length, '7')), "kind");
    }

    void shortHeaderFilled_data()
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

    void shortHeaderFilled()
    {
        QFETCH(QByteArray, header);
        QFETCH(char, filler);
        QTEST(HeaderAsRead(header, filler), "expected");
    }

    void flights_data()
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

    void flights()
    {
        QFETCH(bool, ventaro);
        const RaceLists lists
            = ClassifyRaceImage(mixedImage(), ventaro ? ReaderRules::ventaroWriter() : ReaderRules::raceReport());
        QTEST(lists.RaceHeaderLines, "headers");
        QTEST(lists.ArrivalLines, "arrivals");
        QTEST(lists.ArrivalRace, "races");
        QCOMPARE(lists.linesLeftOut(), 0);
    }

    void colors_data()
    {
        QTest::addColumn<double>("firmware");
        QTest::addColumn<RaceOwner>("owner");
        QTest::addColumn<QList<QByteArray>>("bands");
        QTest::addColumn<QList<QByteArray>>("colors");
        QTest::addColumn<int>("told");
        const RaceOwner abel{"002", "017"};
        QTest::newRow("the whole band first") << 3.6 << abel
                                              << QList<QByteArray>{"AU24ABCD000001", "AU25ABCD000001"}
                                              << QList<QByteArray>{"BLK", "BL"} << 0;
        QTest::newRow("club letters and serial for a year not stored")
            << 3.6 << abel << QList<QByteArray>{"AU26ABCD000001"} << QList<QByteArray>{"BL"} << 0;
        QTest::newRow("3.37 gives the colour as stored") << 3.37 << abel << QList<QByteArray>{"AU23ABCD000009"}
                                                         << QList<QByteArray>{"NONE"} << 0;
        QTest::newRow("missing birds: told once, the others keep their colours")
            << 3.6 << abel
            << QList<QByteArray>{"AU25ABCD000001", "AU25XXXX000404", "AU24ABCD000001", "AU25XXXX000404", "AU25XXXX000405"}
            << QList<QByteArray>{"BL", "UNKN", "BLK", "UNKN", "UNKN"} << 1;
        // Club 2 with flyer 17 joined reads 217, as does club 21 with flyer 7.
        QTest::newRow("another flyer whose numbers read alike")
            << 3.6 << RaceOwner{"021", "007"} << QList<QByteArray>{"AU25ABCD000001"} << QList<QByteArray>{"UNKN"} << 1;
    }

    void colors()
    {
        QFETCH(double, firmware);
        QFETCH(RaceOwner, owner);
        QFETCH(QList<QByteArray>, bands);
        ScratchDatabase s(QStringLiteral("arrivalColors"));
        Connection &c = s.db.connection();
        c.execute("INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (17, 2, 'Abel')");
        c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
                  "VALUES (17, 'AU', '25', 'ABCD', '000001', 'C', '0000000001', 'J', '0'), "
                  "(17, 'AU', '24', 'ABCD', '000001', 'C', '0000000002', '>', '0'), "
                  "(17, 'AU', '23', 'ABCD', '000009', 'H', '0000000009', 'NONE', '1')");
        RecordingPrompter prompter;
        QList<QByteArray> found;
        {
            ArrivalColors colors(s.db, prompter, firmware, "Abel");
            colors.startRace(owner);
            for (const QByteArray &band : bands)
                found.append(colors.colorOf(arrival(band)));
        }
        QTEST(found, "colors");
        QTEST(int(prompter.messages.size()), "told");
        if (!prompter.messages.isEmpty())
            QVERIFY(prompter.texts().constFirst().contains(QStringLiteral("Club #: ") + QLatin1String(owner.club)
                                                           + QStringLiteral(" Flyer #: ") + QLatin1String(owner.flyer)
                                                           + QStringLiteral(" Abel                 - Not found! ")));
        QVERIFY(s.db.dataWindows().isEmpty());
    }

    void records_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("expected");
        const VentaroVersions versions{"1.0.0", 3.6, 2.16};
        QTest::newRow("0") << VentaroRecordZero("110526") << QByteArray("0110526");
        QTest::newRow("1") << VentaroRaceRecord(Header, 2, "Jan Smith", versions)
                           << QByteArray("1002005002Jan Smith           01 05/11 BRIGHTON00-1.0.0-3.6-2.16");
        QTest::newRow("1, long name, KORVE 1.57")
            << VentaroRaceRecord(Header, 120, "Bartholomew Fitzwilliam", {"2.1.3", 1.57, 1.5})
            << QByteArray("1002005120Bartholomew Fitzwill01 05/11 BRIGHTON00-2.1.3-1.57-1.5");
        // A 72-character header loses its trailing blanks to zeros when read.
        QTest::newRow("1, header read from 72 characters")
            << VentaroRaceRecord(HeaderAsRead(Header.left(64) + "DOVER   ", '0'), 1, "Jan Smith", versions)
            << QByteArray("1002005001Jan Smith           01 05/11 DOVER00000-1.0.0-3.6-2.16");
        QTest::newRow("2") << VentaroClockRecord(Header) << QByteArray("2002005010051900001205180005180000");
        // Owner, ring, position 15, race, clocked, day, month, time, the rest.
        const QByteArray clocked = "3" "002005" "AU24DEMO000101" "0" "01" "1" "11" "05" "103512";
        QTest::newRow("3, 25 characters") << VentaroArrivalRecord(Header, Arrival, "BL")
                                          << clocked + QByteArray(28, '0') + "BL";
        QTest::newRow("3, 26 characters") << VentaroArrivalRecord(Header, Arrival + "7", "UNKN")
                                          << clocked + "7" + QByteArray(27, '0') + "UNKN";
        QTest::newRow("3, no time") << VentaroArrivalRecord(Header, "AU24DEMO00010210000000511", "BL")
                                    << "3" "002005" "AU24DEMO000102" "1" "01" "0" "11" "05" "000000" + QByteArray(28, '0')
                                           + "BL";
    }

    void records()
    {
        QFETCH(QByteArray, record);
        QTEST(record, "expected");
    }

    void sorting_data()
    {
        QTest::addColumn<RaceImage>("image");
        QTest::addColumn<QList<qint16>>("arrivalRaces");   // each kept arrival's race index
        QTest::addColumn<int>("compatible");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("nothingToSave");   // how it begins; empty: the races can be saved

        const QByteArray training = Header.left(55);
        const QByteArray unknown = "Unknown  00000103512051101";
        const QString twoRaces = QStringLiteral(
            "No 'Strike Out' for Race #02 - BRIGHTON\r\n\r\nThere are 2 races in this clock\r\n\r\n"
            "There is 1 race Ventaro might not read\r\n");
        QTest::newRow("one race") << RaceImage{Header, Arrival, unknown, Arrival} << QList<qint16>{0, 0} << 1 << QString()
                                  << QString();
        QTest::newRow("arrival before any header, arrivals after training")
            << RaceImage{Arrival, Header, training, Arrival} << QList<qint16>{-1, 0} << 1 << QString() << QString();
        QTest::newRow("two races, one without strike-out")
            << RaceImage{Header, Arrival, headerOfRace("02", "000000"), Arrival} << QList<qint16>{0, 1} << 1 << twoRaces
            << QString();
        QTest::newRow("race 00 without strike-out counts twice")
            << RaceImage{headerOfRace("00", "000000")} << QList<qint16>{} << -1
            << QStringLiteral("No 'Strike Out' for Race #00 - BRIGHTON\r\n\r\n")
            << QStringLiteral("No 'Strike Out' for Race #00 - BRIGHTON\r\n\r\nNo Ventaro compatible races to save.  \r\n"
                              "Click on 'Race Information' -> 'Save Race Data (\"TAM\" style)'\r\n"
                              "Then use 'Tamrel Race Data Reports' to view arrival data.");
        QTest::newRow("training only") << RaceImage{training, Arrival} << QList<qint16>{-1} << 0 << QString()
                                       << QStringLiteral(
                                              "No races to save.  Any clockings are training data, only. \r\n"
                                              "Click on 'Race Information' -> 'Save Race Data (\"TAM\" style)'\r\n"
                                              "Then use 'Tamrel Race Data Reports' to see available training data.");
        RaceImage eleven;
        for (int race = 1; race <= 11; ++race)
            eleven.append(headerOfRace(QByteArray::number(race).rightJustified(2, '0')));
        QTest::newRow("11 races") << eleven << QList<qint16>{} << 10 << QString()
                                  << QStringLiteral("The clock holds more than 10 races");
        RaceImage crowded{Header};
        for (int bird = 0; bird < 1001; ++bird)
            crowded.append(Arrival);
        QTest::newRow("1,001 arrivals") << crowded << QList<qint16>(1000, 0) << 1 << QString()
                                        << QStringLiteral("The clock holds more than 1,000 arrivals");
    }

    void sorting()
    {
        QFETCH(RaceImage, image);
        QFETCH(QString, nothingToSave);
        const VentaroRaces races = SortForVentaro(image);
        QTEST(races.lists.ArrivalRace, "arrivalRaces");
        QTEST(races.compatible, "compatible");
        QTEST(races.notice, "notice");
        const QString nothing = NothingToSave(races);
        QVERIFY2(nothingToSave.isEmpty() ? nothing.isEmpty() : nothing.startsWith(nothingToSave), qPrintable(nothing));
    }

    void weeks_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        // 1 January on every weekday is week 1.
        for (int year = 2018; year <= 2024; ++year)
            QTest::addRow("1 January %d", year) << QDate(year, 1, 1) << 1;
        QTest::newRow("Sunday 7 January 2024") << QDate(2024, 1, 7) << 1;
        QTest::newRow("Monday 8 January 2024") << QDate(2024, 1, 8) << 2;
        QTest::newRow("Monday 5 January 2026") << QDate(2026, 1, 5) << 2;
        QTest::newRow("11 May 2026") << QDate(2026, 5, 11) << 20;
        QTest::newRow("31 December 2026") << QDate(2026, 12, 31) << 53;
        QTest::newRow("31 December 2040, a Monday after a Sunday 1 January") << QDate(2040, 12, 31) << 54;
    }

    void weeks()
    {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QCOMPARE(VentaroWeek(date), week);
    }

    void seasons_data()
    {
        QTest::addColumn<int>("daysBefore");   // the file's first liberation, before the new one
        QTest::addColumn<bool>("another");
        QTest::newRow("350 days: this season") << 350 << false;
        QTest::newRow("351 days") << 351 << true;
        QTest::newRow("last season, the same week") << 364 << true;
        QTest::newRow("a later date") << -3 << false;
    }

    void seasons()
    {
        QFETCH(int, daysBefore);
        const QDate liberation(2026, 5, 11);
        const VentaroFile file{VentaroFile::Kind::Existing, liberation.addDays(-daysBefore), "0"};
        QTEST(HoldsAnotherSeason(file, liberation), "another");
        QVERIFY(!HoldsAnotherSeason(VentaroFile{VentaroFile::Kind::Unreadable, file.firstDate, {}}, liberation));
    }

    void liberationDates_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("date");   // invalid: no date
        QTest::addColumn<bool>("inRange");   // of a date read
        const QDate may20(2026, 5, 20);
        QTest::newRow("proposed, this year") << "05/11" << may20 << QDate(2026, 5, 11) << true;
        QTest::newRow("today") << "5-20" << may20 << may20 << true;
        QTest::newRow("tomorrow") << "05/21/2026" << may20 << QDate(2026, 5, 21) << false;
        QTest::newRow("366 days back") << "05/19/25" << may20 << QDate(2025, 5, 19) << true;
        QTest::newRow("367 days back") << "05/18/25" << may20 << QDate(2025, 5, 18) << false;
        QTest::newRow("29 February of a leap year") << "02/29" << QDate(2024, 3, 10) << QDate(2024, 2, 29) << true;
        QTest::newRow("29 February of another year") << "02/29" << may20 << QDate() << false;
        QTest::newRow("month 13") << "13/01" << may20 << QDate() << false;
        QTest::newRow("words") << "last Sunday" << may20 << QDate() << false;
        QTest::newRow("nothing") << "" << may20 << QDate() << false;
        // Two digits stand for the year nearest today, not 1930 after 2029.
        QTest::newRow("a season of 2030") << "05/11/30" << QDate(2030, 5, 20) << QDate(2030, 5, 11) << true;
        QTest::newRow("last year across a century") << "12/31/99" << QDate(2100, 6, 1) << QDate(2099, 12, 31) << true;
    }

    void liberationDates()
    {
        QFETCH(QString, answer);
        QFETCH(QDate, today);
        QFETCH(QDate, date);
        const std::optional<QDate> read = LiberationDateFrom(answer, today);
        QCOMPARE(read.value_or(QDate()), date);
        if (read) {
            QTEST(LiberationDateInRange(*read, today), "inRange");
            QCOMPARE(DateOfRecordZero(VentaroRecordZero(VentaroDate(*read)), today).value_or(QDate()), *read);
        }
    }
};

QTEST_GUILESS_MAIN(TestRacePieces)
#include "test_race_pieces.moc"
