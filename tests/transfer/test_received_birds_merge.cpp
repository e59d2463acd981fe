#include "admin_db/db/jet_error.h"
#include "scratch_database.h"
#include "transfer/received_birds_merge.h"

#include <QTest>

namespace {

// A Z record: band (14), sex, ring (10), colour or type.
QByteArray z(const char *band, const char *ring, char last = 'J')
{
    return QByteArray("Z") + band + 'C' + ring + last;
}

} // namespace

class TestReceivedBirdsMerge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void merge_data();
    void merge();
    void nothingStoredOnFailure();
};

void TestReceivedBirdsMerge::merge_data()
{
    QTest::addColumn<QList<QByteArray>>("received");
    QTest::addColumn<double>("firmware");
    QTest::addColumn<QList<int>>("counts");   // added, updated, changed, refused
    QTest::addColumn<QStringList>("stored");  // band|ring|colour|type, in table order
    const QStringList before{"AU24DEMO000101|0000000101|J|0", "AU24DEMO000102|0000000000|J|0"};
    QTest::newRow("same ring") << QList<QByteArray>{z("au24demo000101", "0000000101")} << 3.5
                               << QList<int>{0, 1, 0, 0} << before;
    QTest::newRow("changed ring") << QList<QByteArray>{z("AU24DEMO000102", "0000000777", 'B')} << 3.5
                                  << QList<int>{0, 1, 1, 0}
                                  << QStringList{before[0], "AU24DEMO000102|0000000777|B|0"};
    QTest::newRow("no ring, added twice")
        << QList<QByteArray>{z("AU25DEMO000201", "0000000000"), z("AU25DEMO000202", "0000000000")} << 3.5
        << QList<int>{2, 0, 0, 0}
        << before + QStringList{"AU25DEMO000201|0000000000|J|1", "AU25DEMO000202|0000000000|J|1"};
    QTest::newRow("another bird's ring refused")
        << QList<QByteArray>{z("AU25DEMO000203", "0000000101"), z("AU24DEMO000102", "0000000101")} << 3.5
        << QList<int>{0, 0, 0, 2} << before;
    QTest::newRow("3.37 sends the type") << QList<QByteArray>{z("AU25DEMO000204", "0000000204", '1')} << 3.37
                                         << QList<int>{1, 0, 0, 0}
                                         << before + QStringList{"AU25DEMO000204|0000000204|NONE|1"};
    QTest::newRow("record cut short") << QList<QByteArray>{"ZAU25DEMO"} << 3.5 << QList<int>{0, 0, 0, 0} << before;
}

void TestReceivedBirdsMerge::merge()
{
    QFETCH(QList<QByteArray>, received);
    QFETCH(double, firmware);
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, stored);
    ScratchDatabase s(QStringLiteral("merge"));
    Connection &c = s.db.connection();
    c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
              "VALUES (1, 'AU', '24', 'DEMO', '000101', 'C', '0000000101', 'J', '0'), "
              "(1, 'AU', '24', 'DEMO', '000102', 'C', '0000000000', 'J', '0')");

    const MergeCounts merged = MergeReceivedBirds(c, 1, received, firmware);

    QCOMPARE((QList<int>{merged.added, merged.updated, merged.assignmentsChanged, int(merged.duplicateRings.size())}),
             counts);
    QCOMPARE(Rows(c, "SELECT NatOrg||HatchYr||clubletters||bnumber||'|'||elecnumber||'|'||color||'|'||type "
                     "FROM birds ORDER BY rowid"),
             stored);
}

void TestReceivedBirdsMerge::nothingStoredOnFailure()
{
    ScratchDatabase s(QStringLiteral("mergeLocked"));
    Connection other;
    s.openOwn(other);
    other.execute("BEGIN IMMEDIATE");
    QVERIFY_THROWS_EXCEPTION(JetError, MergeReceivedBirds(s.db.connection(), 1, {z("AU25DEMO000201", "0000000201")}, 3.5));
    other.execute("ROLLBACK");
    QCOMPARE(Number(s.db.connection(), "SELECT count(*) FROM birds"), qint64(0));
}

QTEST_GUILESS_MAIN(TestReceivedBirdsMerge)
#include "test_received_birds_merge.moc"
