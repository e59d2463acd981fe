#include "admin_db/birds/received_birds.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/records/admin_shared_state.h"
#include "scratch_database.h"

#include <QTest>

namespace {

// A Z record: band (14), sex, ring (10), colour or type.
QByteArray z(const char *band, const char *ring, char last = 'J')
{
    return QByteArray("Z") + band + 'C' + ring + last;
}

} // namespace

class TestReceivedBirds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void merge_data()
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
        QTest::newRow("3.37 changed ring keeps the colour")
            << QList<QByteArray>{z("AU24DEMO000102", "0000000777", '1')} << 3.37 << QList<int>{0, 1, 1, 0}
            << QStringList{before[0], "AU24DEMO000102|0000000777|J|0"};
        QTest::newRow("record cut short")
            << QList<QByteArray>{"ZAU25DEMO", z("AU25DEMO000205", "0000000205").chopped(1)} << 3.5
            << QList<int>{0, 0, 0, 0} << before;
    }

    void merge()
    {
        QFETCH(QList<QByteArray>, received);
        QFETCH(double, firmware);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, stored);
        ScratchDatabase s(QStringLiteral("merge"));
        Connection &c = s.db.connection();
        c.execute("INSERT INTO flyerlist (Name, ClubID) VALUES ('Abel', 1)");
        c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
                  "VALUES (1, 'AU', '24', 'DEMO', '000101', 'C', '0000000101', 'J', '0'), "
                  "(1, 'AU', '24', 'DEMO', '000102', 'C', '0000000000', 'J', '0')");

        AdminSharedState shared;
        shared.receivedRecords = received;
        shared.receivedLmdVersion = firmware;
        const MergeCounts merged = InsertNewData(s.db, shared, 1).value();
        // Held for the call only.
        QVERIFY(s.db.dataWindows().isEmpty());

        QCOMPARE((QList<int>{merged.added, merged.updated, merged.assignmentsChanged, int(merged.duplicateRings.size())}),
                 counts);
        QCOMPARE(Rows(c, "SELECT NatOrg||HatchYr||clubletters||bnumber||'|'||elecnumber||'|'||color||'|'||type "
                         "FROM birds ORDER BY rowid"),
                 stored);
    }

    // The second bird fails: the first is not kept either.
    void nothingStoredOnFailure()
    {
        ScratchDatabase s(QStringLiteral("mergeFails"));
        Connection &c = s.db.connection();
        c.execute("INSERT INTO flyerlist (Name, ClubID) VALUES ('Abel', 1)");
        c.execute("CREATE TEMP TRIGGER refuse BEFORE INSERT ON birds WHEN NEW.bnumber = '000202' "
                  "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(JetError, MergeReceivedBirds(c, 1, {z("AU25DEMO000201", "0000000201"),
                                                                     z("AU25DEMO000202", "0000000202")}, 3.5));
        QCOMPARE(Number(c, "SELECT count(*) FROM birds"), qint64(0));
        QVERIFY(!c.inTransaction());
    }

    void flyerGoneStoresNothing()
    {
        ScratchDatabase s(QStringLiteral("mergeFlyerGone"));
        QVERIFY(!MergeReceivedBirds(s.db.connection(), 7, {z("AU25DEMO000201", "0000000201")}, 3.5));
        QCOMPARE(Number(s.db.connection(), "SELECT count(*) FROM birds"), qint64(0));
    }

    void flyerByEitherSpelling_data()
    {
        QTest::addColumn<QByteArray>("moduleName");
        QTest::addColumn<QString>("found");   // empty: none
        QTest::newRow("as stored, blank-filled") << QByteArray("Abel                ") << "Abel";
        QTest::newRow("other case") << QByteArray("ABEL") << "Abel";
        QTest::newRow("apostrophe stored as a blank") << QByteArray("O'Neil") << "O Neil";
        QTest::newRow("stored with its quote") << QByteArray("D\"Arcy") << "D\"Arcy";
        QTest::newRow("nobody") << QByteArray("Nobody") << QString();
    }

    // The flyer window stores names cleaned, an older file may not have: the
    // module's name finds him either way, the exact spelling first.
    void flyerByEitherSpelling()
    {
        QFETCH(QByteArray, moduleName);
        ScratchDatabase s(QStringLiteral("flyerByName"));
        InsertRows(s.db.connection(), "INSERT INTO flyerlist (Name, ClubID) VALUES (?, 1)",
                   {"Abel", "O Neil", "D\"Arcy", "D Arcy"});
        const std::optional<FlyerEntry> flyer = FlyerOfModuleName(s.db, moduleName);
        QTEST(flyer ? flyer->name : QString(), "found");
        QVERIFY(s.db.dataWindows().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReceivedBirds)
#include "test_received_birds.moc"

