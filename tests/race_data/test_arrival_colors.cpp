#include "race_data/arrival_colors.h"
#include "recording_prompter.h"
#include "scratch_database.h"

#include <QTest>

namespace {

// An arrival line for a band: ring, position 15, time, month, day.
QByteArray arrival(const char *band)
{
    return QByteArray(band) + "0103512" "0511";
}

} // namespace

Q_DECLARE_METATYPE(RaceOwner)

class TestArrivalColors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colors_data();
    void colors();
};

void TestArrivalColors::colors_data()
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

void TestArrivalColors::colors()
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
            found.append(colors.colorOf(arrival(band.constData())));
    }
    QTEST(found, "colors");
    QTEST(int(prompter.messages.size()), "told");
    if (!prompter.messages.isEmpty())
        QVERIFY(prompter.texts().constFirst().contains(QStringLiteral("Club #: ") + QLatin1String(owner.club)
                                                       + QStringLiteral(" Flyer #: ") + QLatin1String(owner.flyer)
                                                       + QStringLiteral(" Abel                 - Not found! ")));
    QVERIFY(s.db.dataWindows().isEmpty());
}

QTEST_GUILESS_MAIN(TestArrivalColors)
#include "test_arrival_colors.moc"
