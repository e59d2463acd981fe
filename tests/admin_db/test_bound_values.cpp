#include "admin_db/db/database.h"
#include "admin_db/db/lookups.h"
#include "scratch_database.h"

#include <QTest>

namespace {

const QStringList ClubNames{
    QStringLiteral("O'Brien's Loft"),
    QStringLiteral("100% Racing"),
    QStringLiteral("1000 Racing"),
    QStringLiteral("A_B Club"),
    QStringLiteral("AxB Club"),
    QStringLiteral("Back\\slash"),
    QStringLiteral("Backslash"),
    QStringLiteral("'; DROP TABLE clubs; --"),
};

QStringList names(Statement &query)
{
    return FieldOfEveryRow(query, "ClubName");
}

} // namespace

class TestBoundValues : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("boundValues"));
        m_clubs = &m_scratch->db.use(Table::clubs, QStringLiteral("frmClubData"));
        InsertRows(*m_clubs, "INSERT INTO clubs (ClubName) VALUES (?)", ClubNames);
    }

    void cleanup()
    {
        m_scratch.reset();
    }

    void prefixSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("apostrophe, other case") << "o'b" << QStringList{"O'Brien's Loft"};
        QTest::newRow("percent is literal") << "100%" << QStringList{"100% Racing"};
        QTest::newRow("underscore is literal") << "a_" << QStringList{"A_B Club"};
        QTest::newRow("backslash is literal") << "BACK\\" << QStringList{"Back\\slash"};
        QTest::newRow("backslash before letter") << "Back\\s" << QStringList{"Back\\slash"};
        QTest::newRow("no wildcard inside") << "Back%h" << QStringList{};
        QTest::newRow("statement text") << "'; DROP" << QStringList{"'; DROP TABLE clubs; --"};
    }

    void prefixSearch()
    {
        QFETCH(QString, typed);
        Statement search = m_clubs->prepare(QByteArray("SELECT * FROM clubs WHERE ClubName ") + LookupSql::PrefixLike);
        search.bind(1, PrefixLikeText(typed));
        QTEST(names(search), "found");
    }

    void birdLookupsIgnoreCase_data()
    {
        QTest::addColumn<QByteArray>("condition");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("found");
        QTest::newRow("band") << QByteArray(LookupSql::BandIs) << "us12ABCD000123" << 1;
        QTest::newRow("band of other bird") << QByteArray(LookupSql::BandIs) << "US12ABCD000124" << 0;
        QTest::newRow("club band") << QByteArray(LookupSql::ClubBandIs) << "ABCD000123" << 1;
        QTest::newRow("club band, short letters") << QByteArray(LookupSql::ClubBandIs) << "  XY000777" << 1;
        QTest::newRow("electronic ring") << QByteArray("elecnumber = ?") << "00000a1b2c" << 1;
    }

    void birdLookupsIgnoreCase()
    {
        QFETCH(QByteArray, condition);
        QFETCH(QString, value);
        QFETCH(int, found);
        Connection &birds = m_scratch->db.use(Table::birds, QStringLiteral("frmBirdInventory"));
        birds.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, elecnumber) VALUES "
                      "(1, 'US', '12', 'abcd', '000123', '00000A1B2C'),"
                      "(1, 'US', '12', '  XY', '000777', '0000000000')");
        Statement q = birds.prepare("SELECT count(*) FROM birds WHERE " + condition);
        q.bind(1, value);
        QVERIFY(q.next());
        QCOMPARE(q.number(0), qint64(found));
    }

private:
    std::unique_ptr<ScratchDatabase> m_scratch;
    Connection *m_clubs = nullptr;
};

QTEST_GUILESS_MAIN(TestBoundValues)
#include "test_bound_values.moc"
