#include "admin_db/records/bird_record.h"
#include "transfer/admin_records.h"

#include <QTest>

class TestAdminRecords : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headerRecords_data();
    void headerRecords();
    void combineRecord();
    void birdRecord_data();
    void birdRecord();
    void flyerNameOfOtherRecords_data();
    void flyerNameOfOtherRecords();
};

void TestAdminRecords::headerRecords_data()
{
    QTest::addColumn<qint64>("club");
    QTest::addColumn<qint64>("flyer");
    QTest::addColumn<QByteArray>("clubRecord");
    QTest::addColumn<QByteArray>("flyerRecord");
    QTest::newRow("club 7, flyer 5") << qint64(7) << qint64(5)
        << QByteArray("S2   0307   Northside Flyers     0012")
        << QByteArray("S3   0307005Jan O Smit          00000000000000");
    QTest::newRow("club 104 and flyer 1234 widen the records") << qint64(104) << qint64(1234)
        << QByteArray("S2   03104   Northside Flyers     0012")
        << QByteArray("S3   031041234Jan O Smit          00000000000000");
}

void TestAdminRecords::headerRecords()
{
    QFETCH(qint64, club);
    QFETCH(qint64, flyer);
    QFETCH(QByteArray, clubRecord);
    QFETCH(QByteArray, flyerRecord);
    QCOMPARE(ClubRecord("03", club, "Northside Flyers", "0012"), clubRecord);
    QCOMPARE(FlyerRecord("03", club, flyer, "Jan O Smit"), flyerRecord);
    // The name as sent, blanks included, wherever the numbers put it.
    QCOMPARE(FlyerNameOf(flyerRecord), QByteArray("Jan O Smit          "));
    QCOMPARE(KindOf(clubRecord), AdminRecordKind::Club);
    QCOMPARE(KindOf(flyerRecord), AdminRecordKind::Flyer);
}

void TestAdminRecords::combineRecord()
{
    const QByteArray combine = CombineRecord("A combine name longer than twenty", "AU");
    QCOMPARE(combine, QByteArray("S1          A combine name longeAU"));
    QCOMPARE(KindOf(combine), AdminRecordKind::Combine);
}

void TestAdminRecords::birdRecord_data()
{
    QTest::addColumn<double>("firmware");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("3.37 takes the type") << 3.37 << QByteArray("ZAU24DEMO000101C00000001011");
    QTest::newRow("3.38 takes the colour") << 3.38 << QByteArray("ZAU24DEMO000101C0000000101J");
}

void TestAdminRecords::birdRecord()
{
    QFETCH(double, firmware);
    QFETCH(QByteArray, record);
    BirdRecord bird{0, 1, "AU", "24", "DEMO", "000101", "C", "0000000101", "J", "1"};
    QCOMPARE(BirdAdminRecord(bird, firmware), record);
    QCOMPARE(record.size(), 27);
    QCOMPARE(KindOf(record), AdminRecordKind::Bird);
    // What the module gives back reads as the bird sent.
    const std::optional<BirdRecord> back = ReceivedBird(record, 1);
    QVERIFY(back);
    QCOMPARE(back->band(), bird.band());
    QCOMPARE(back->elecnumber, bird.elecnumber);
}

void TestAdminRecords::flyerNameOfOtherRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("a club record") << QByteArray("S2   0307   Northside Flyers     0012");
    QTest::newRow("cut short") << QByteArray("S3   0307005Jan O Smit");
    QTest::newRow("no zeros at its end") << QByteArray("S3   0307005Jan O Smit          0000000000000X");
    QTest::newRow("too short for the numbers") << QByteArray("S3   Jan O Smit          00000000000000");
}

void TestAdminRecords::flyerNameOfOtherRecords()
{
    QFETCH(QByteArray, record);
    QCOMPARE(FlyerNameOf(record), QByteArray());
}

QTEST_APPLESS_MAIN(TestAdminRecords)
#include "test_admin_records.moc"
