#include "admin_db/records/liberation_race.h"
#include "transfer/send_liberation_points.h"
#include "transfer_rig.h"

namespace {

LiberationRace race(const char *number, const char *date, const char *name, const char *type = "1")
{
    return {0, QString::fromLatin1(number), QString::fromLatin1(date), QString::fromLatin1(name),
            QString::fromLatin1(type)};
}

QList<LiberationRace> races(int count)
{
    QList<LiberationRace> out;
    for (int n = 1; n <= count; ++n)
        out.append(race(QByteArray::number(n).constData(), "0514", "Lakeside"));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(LiberationRace)

class TestLiberationTransfer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void command_data();
    void command();
    void send_data();
    void send();
};

void TestLiberationTransfer::command_data()
{
    QTest::addColumn<LiberationRace>("race");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("race 7 is 07") << race("7", "0514", "Lakeside") << QByteArray("I0071405Lakeside1");
    QTest::newRow("name cut to 8") << race("12", "1231", "Riverbend N") << QByteArray("I0123112Riverben1");
    QTest::newRow("name filled to 8") << race("03", "0601", "Ely", "2") << QByteArray("I0030106Ely     2");
    QTest::newRow("last two digits") << race("123", "0704", "Oak") << QByteArray("I0230407Oak     1");
}

void TestLiberationTransfer::command()
{
    QFETCH(LiberationRace, race);
    QTEST(LiberationCommand(race), "command");
}

void TestLiberationTransfer::send_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<QList<QByteArray>>("taken");
    QTest::addColumn<bool>("identified");       // whether anything went to the clock
    QTest::addColumn<QStringList>("messages");  // how each begins
    const QString sendAgain = QStringLiteral("\r\nThe memory module may have lost its liberation points: please send "
                                             "all liberation points again.");
    QTest::newRow("three points")
        << 3 << -1 << QList<QByteArray>{"IC0", "I0011405Lakeside1", "I0021405Lakeside1", "I0031405Lakeside1"}
        << true << QStringList{"       Liberation points sent = 3"};
    QTest::newRow("99 points") << 99 << -1 << QList<QByteArray>{} << true
                               << QStringList{"       Liberation points sent = 99"};
    QTest::newRow("100 points, nothing sent, not even IC0")
        << 100 << -1 << QList<QByteArray>{} << false
        << QStringList{"There are 100 liberation points; the memory module holds at most 99."};
    QTest::newRow("none, not even IC0") << 0 << -1 << QList<QByteArray>{} << true << QStringList{};
    QTest::newRow("no answer to IC0") << 3 << 0 << QList<QByteArray>{} << true
                                      << QStringList{"No Tamrel detected",
                                                     "Sending stopped after 0 of 3 liberation points." + sendAgain};
    QTest::newRow("unplugged after IC0")
        << 3 << 1 << QList<QByteArray>{"IC0"} << true
        << QStringList{"No Tamrel detected", "Sending stopped after 0 of 3 liberation points." + sendAgain};
    QTest::newRow("unplugged after two points")
        << 3 << 3 << QList<QByteArray>{"IC0", "I0011405Lakeside1", "I0021405Lakeside1"} << true
        << QStringList{"No Tamrel detected", "Sending stopped after 2 of 3 liberation points." + sendAgain};
}

void TestLiberationTransfer::send()
{
    QFETCH(int, count);
    QFETCH(QList<QByteArray>, taken);
    TransferRig r(QStringLiteral("liberations"));
    QFETCH(int, unplugAfter);
    r.module.unplugAfter = unplugAfter;

    SendLiberationPoints(r.context, races(count));

    if (count == 99) {
        QCOMPARE(r.module.taken.size(), 100);
        QCOMPARE(r.progress.secondLines.constLast(), QStringLiteral("99 Races Transferred"));
    } else {
        QCOMPARE(r.module.taken, taken);
    }
    QTEST(!r.port.written.isEmpty(), "identified");
    // The clock is identified once more right before IC0.
    const qsizetype clear = r.port.written.indexOf(SimFrame(ClockLink::ClockPrefix + "IC0"));
    if (clear >= 0) {
        QCOMPARE(r.port.written.count(SimFrame(ClockLink::ClockPrefix + "v")), 2);
        QCOMPARE(r.port.written.at(clear - 1), SimFrame("e00"));
    }
    QFETCH(QStringList, messages);
    r.checkMessages(messages);
    QVERIFY(!r.progress.isOpen);
    QVERIFY(!r.port.isOpen());
}

QTEST_GUILESS_MAIN(TestLiberationTransfer)
#include "test_liberation_transfer.moc"
