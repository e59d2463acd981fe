#include "admin_db/records/bird_band.h"
#include "admin_db/records/bird_colors.h"
#include "admin_db/records/bird_hatch_years.h"
#include "admin_db/records/bird_record.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<double>)


class TestBirdTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listLine_data();
    void listLine();
    void natOrg_data();
    void natOrg();
    void hatchYears_data();
    void hatchYears();
};

void TestBirdTexts::listLine_data()
{
    QTest::addColumn<QByteArray>("band");    // org|year|club|serial as stored
    QTest::addColumn<QByteArray>("color");
    QTest::addColumn<QString>("line");
    QTest::newRow("blue cock, short club letters") << QByteArray("AU|07|  AB|000123") << QByteArray("J")
                                                   << " AU07  AB000123C 0000000000 BL";
    QTest::newRow("other is a blank") << QByteArray("US|99|ABCD|000001") << QByteArray(" ")
                                      << " US99ABCD000001C 0000000000 ____";
    QTest::newRow("no colour known") << QByteArray("US|99|ABCD|000001") << QByteArray("NONE")
                                     << " US99ABCD000001C 0000000000 ";
    QTest::newRow("code without colour below 64") << QByteArray("CA|12|  XY|000777") << QByteArray("\x14")
                                                  << " CA12  XY000777C 0000000000 1";
    QTest::newRow("code without colour from 64") << QByteArray("CA|12|  XY|000777") << QByteArray("_")
                                                 << " CA12  XY000777C 0000000000 ";
    QTest::newRow("short parts keep their columns") << QByteArray("US|5|AB|12") << QByteArray("J")
                                                    << " US5 AB  12    C 0000000000 BL";
}

void TestBirdTexts::listLine()
{
    QFETCH(QByteArray, band);
    QFETCH(QByteArray, color);
    QFETCH(QString, line);
    const QList<QByteArray> parts = band.split('|');
    BirdRecord b;
    b.natOrg = parts.at(0);
    b.hatchYr = parts.at(1);
    b.clubletters = parts.at(2);
    b.bnumber = parts.at(3);
    b.sex = "C";
    b.elecnumber = NoElectronicRing;
    b.color = color;
    BirdColors colors;
    colors.BuildColorTable();
    QCOMPARE(BirdListLine(b, colors), line);
}

void TestBirdTexts::natOrg_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("lower case") << "au" << true;
    QTest::newRow("last code") << "US" << true;
    QTest::newRow("mixed case") << "Np" << true;
    QTest::newRow("not a code") << "UK" << false;
    QTest::newRow("across two codes") << "UC" << false;
    QTest::newRow("part of a code") << "A" << false;
    QTest::newRow("empty") << "" << false;
}

void TestBirdTexts::natOrg()
{
    QFETCH(QString, typed);
    QFETCH(bool, allowed);
    QCOMPARE(IsNatOrg(typed), allowed);
    QCOMPARE(NatOrgMessage(), QStringLiteral("Only AU, CA, CU, IF, MX, NP or US are allowed for Nat Org."));
}

void TestBirdTexts::hatchYears_data()
{
    QTest::addColumn<QList<double>>("versions");   // read one after the other
    QTest::addColumn<QList<int>>("accepted");
    QTest::addColumn<QList<int>>("refused");
    QTest::addColumn<QString>("message");
    const QString from0 = QStringLiteral("Valid years are 0--> <--31");
    const QString from80 = QStringLiteral("Valid years are 80--> <--11");
    QTest::newRow("none read") << QList<double>{0} << QList<int>{0, 5, 31} << QList<int>{32, 80, 99} << from0;
    QTest::newRow("3.40") << QList<double>{3.40} << QList<int>{80, 85, 99, 0, 5, 11} << QList<int>{12, 31, 79}
                          << from80;
    QTest::newRow("3.45") << QList<double>{3.45} << QList<int>{85} << QList<int>{12} << from80;
    QTest::newRow("3.47 first") << QList<double>{3.47} << QList<int>{5, 31} << QList<int>{85} << from0;
    QTest::newRow("3.47 after 3.40") << QList<double>{3.40, 3.47} << QList<int>{85, 5} << QList<int>{31} << from80;
    QTest::newRow("3.5") << QList<double>{3.40, 3.5} << QList<int>{0, 12, 31} << QList<int>{32, 85} << from0;
    QTest::newRow("none read after 3.40") << QList<double>{3.40, 0} << QList<int>{31} << QList<int>{85} << from0;
}

void TestBirdTexts::hatchYears()
{
    QFETCH(QList<double>, versions);
    QFETCH(QList<int>, accepted);
    QFETCH(QList<int>, refused);
    QFETCH(QString, message);
    HatchYearWindow window;
    for (double v : versions)
        window.follow(v);
    for (int year : accepted)
        QVERIFY2(window.accepts(year), qPrintable(QString::number(year)));
    for (int year : refused)
        QVERIFY2(!window.accepts(year), qPrintable(QString::number(year)));
    QCOMPARE(window.message(), message);
}

QTEST_APPLESS_MAIN(TestBirdTexts)
#include "test_bird_texts.moc"
