#include "admin_db/flyers/flyer_logic.h"
#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/liberation_race.h"
#include "clocksim_session.h"
#include "module_file.h"
#include "scratch_database.h"
#include "transfer/receive_birds.h"
#include "transfer/send_birds.h"
#include "transfer/send_liberation_points.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray AllFields = "NatOrg||HatchYr||clubletters||bnumber||'|'||sex||'|'||elecnumber||'|'||color";

// A season's loft: bands of two years, both sexes, every colour code the
// firmware takes, rings unique.
QStringList loft(int birds)
{
    QStringList rows;
    for (int n = 1; n <= birds; ++n)
        rows.append(QStringLiteral("US|%1|%2|%3|%4|%5|%6")
                        .arg(n % 2 ? "24" : "25", n % 3 ? "  AB" : "CLUB")
                        .arg(n, 6, 10, QLatin1Char('0'))
                        .arg(n % 2 ? "C" : "H")
                        .arg(0x5A0000 + n, 10, 16, QLatin1Char('0'))
                        .arg(QChar(u'A' + n % 26)));
    return rows;
}

} // namespace

class TestTransferE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Into a TALMI module of a clock busy storing after each ACK: liberation
    // points, sent twice (the second send replaces the first), then 999 birds,
    // which go back into another club's empty database, where the flyer is new:
    // he is entered through the flyer window.
    void seasonThroughTheModule()
    {
        QTemporaryDir folder;
        const QString moduleFile = folder.filePath(QStringLiteral("module.lmd"));
        ClocksimSession session({"--model", "talmi", "--lmd-version", "3.60", "--lmd", moduleFile, "--fault", "busy=20"});
        QVERIFY2(session.sim.isReady(), qPrintable(session.sim.errorText()));
        const QList<LiberationRace> season{{0, "1", "0514", "Lakeside", "1"},
                                           {0, "2", "0521", "Riverbend North", "1"},
                                           {0, "3", "0528", "Ely", "2"}};
        SendLiberationPoints(session.context, season);
        SendLiberationPoints(session.context, season.mid(1));

        ScratchDatabase sending(QStringLiteral("sendingClub"));
        sending.db.connection().execute("INSERT INTO clubs (ClubID, ClubName) VALUES (104, 'Northside')");
        sending.db.connection().execute("INSERT INTO flyerlist (FlyerID, Name, ClubID) VALUES (1234, 'Abel Baker', 104)");
        InsertRows(sending.db.connection(),
                   "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
                   "VALUES (1234, ?, ?, ?, ?, ?, ?, ?, '0')",
                   loft(999));
        SendBirds(session.context, sending.db, {"North Valley", "US", "03", "0012"},
                  {1234, QStringLiteral("Abel Baker"), false, {}});
        QCOMPARE(session.prompter.texts(), (QStringList{"       Liberation points sent = 3",
                                                        "       Liberation points sent = 2", "       Birds sent = 999"}));

        QString error;
        const std::optional<Module> module = ReadModuleFile(moduleFile, &error);
        QVERIFY2(module, qPrintable(error));
        QCOMPARE(module->adminRecords.size(), 3 + 999);
        QCOMPARE(module->adminRecords.at(2), QByteArray("S3   031041234Abel Baker          00000000000000"));
        QCOMPARE(module->liberationPoints, (QList<QByteArray>{"022105Riverben1", "032805Ely     2"}));

        ScratchDatabase receiving(QStringLiteral("receivingClub"));
        receiving.db.connection().execute("INSERT INTO clubs (ClubID, ClubName) VALUES (3, 'Eastside')");
        AdminSharedState shared;
        session.prompter.reset();
        session.prompter.answerNext(MsgAnswer::Yes);
        const ReceiveEnd end = ReceiveBirds(session.context, receiving.db, shared);
        QCOMPARE(end.then, ReceiveEnd::Then::EnterFlyer);
        QCOMPARE(end.flyerName, QStringLiteral("Abel Baker"));

        FlyerLogic flyers(receiving.db, session.prompter, shared, {});
        flyers.load();
        flyers.enterReceivedFlyer(end.flyerName);
        flyers.save();
        QCOMPARE(session.prompter.texts().constLast(),
                 QStringLiteral("Data successfully retrieved for Abel Baker.\r\n\r\n"
                                "Birds Updated =  0\r\nBirds Added =  999"));

        Connection &from = sending.db.connection();
        Connection &to = receiving.db.connection();
        QCOMPARE(Rows(to, "SELECT " + AllFields + " FROM birds ORDER BY bnumber"),
                 Rows(from, "SELECT " + AllFields + " FROM birds ORDER BY bnumber"));
        QCOMPARE(Rows(to, "SELECT DISTINCT type FROM birds"), QStringList{"1"});
        QCOMPARE(Rows(to, "SELECT DISTINCT f.Name || '|' || f.ClubID FROM birds "
                          "JOIN flyerlist f ON f.FlyerID = BirdFlyerID"),
                 QStringList{"Abel Baker|3"});
    }
};

QTEST_GUILESS_MAIN(TestTransferE2e)
#include "test_transfer_e2e.moc"
