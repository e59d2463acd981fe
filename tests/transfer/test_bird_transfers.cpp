#include "transfer/admin_readout.h"
#include "transfer/admin_records.h"
#include "transfer/receive_birds.h"
#include "transfer/send_birds.h"
#include "transfer_rig.h"

using Replies = QMap<int, QByteArray>;
Q_DECLARE_METATYPE(Replies)
Q_DECLARE_METATYPE(ReceiveEnd::Then)

namespace {

const AdminHeaderSettings Settings{"North Valley", "US", "03", "0012"};
const QByteArray Esc(1, Ctl::ESC);
const QString StoppedAfter = QStringLiteral("Sending stopped after ");
const QString NoTamrel = QStringLiteral("No Tamrel detected");

QByteArray abelRecord(qint64 club = 7, qint64 flyer = 1, const QByteArray &name = "Abel")
{
    return FlyerRecord("03", club, flyer, name);
}

} // namespace

class TestBirdTransfers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void send_data();
    void send();
    void recordsAsTheModuleGetsThem();
    void clockHabits_data();
    void clockHabits();
    void nothingSelected();
    void receive_data();
    void receive();
    void endlessReadoutStoresNothing();
    void strangeIdentificationClosesThePort();
    void moduleFlyerName_data();
    void moduleFlyerName();
};

void TestBirdTransfers::send_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<char>("state");
    QTest::addColumn<QList<QPair<int, QByteArray>>>("birds");   // how many of which hatch year
    QTest::addColumn<QList<QByteArray>>("moduleData");
    QTest::addColumn<int>("answer");                             // to the name question, as MsgAnswer
    QTest::addColumn<int>("unplugAfter");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<int>("recordsTaken");
    QTest::addColumn<QStringList>("messages");                   // how each begins

    using Birds = QList<QPair<int, QByteArray>>;
    const QByteArray talmi = "0216", korve = "0150";
    const int ok = int(MsgAnswer::Ok), cancel = int(MsgAnswer::Cancel);
    const QList<QByteArray> none;
    const QString refusedYears = QStringLiteral("There is at least one bird Hatch Year");
    QTest::newRow("all birds") << QByteArray("0360") << talmi << '0' << Birds{{3, "24"}} << none << ok << -1
                               << Replies{} << 6 << QStringList{"       Birds sent = 3"};
    QTest::newRow("in race mode") << QByteArray("0360") << talmi << '1' << Birds{{3, "24"}} << none << ok << -1
                                  << Replies{} << 0 << QStringList{"Transmission not possible, LMD is in race mode!"};
    QTest::newRow("in race mode, no birds logged")
        << QByteArray("0360") << talmi << '3' << Birds{{3, "24"}} << none << ok << -1 << Replies{} << 0
        << QStringList{"Transmission not possible, LMD is in race mode!"};
    QTest::newRow("korve 500") << QByteArray("0157") << korve << '0' << Birds{{500, "07"}} << none << ok << -1
                               << Replies{} << 503 << QStringList{"       Birds sent = 500"};
    QTest::newRow("korve 501") << QByteArray("0157") << korve << '0' << Birds{{501, "07"}} << none << ok << -1
                               << Replies{} << 0
                               << QStringList{"500 bird limit in LMD, please select 500 or less."};
    QTest::newRow("talmi 999") << QByteArray("0360") << talmi << '0' << Birds{{999, "25"}} << none << ok << -1
                               << Replies{} << 1002 << QStringList{"       Birds sent = 999"};
    QTest::newRow("talmi 1000") << QByteArray("0360") << talmi << '0' << Birds{{1000, "25"}} << none << ok << -1
                                << Replies{} << 0
                                << QStringList{"999 bird limit in LMD, please select 999 or less."};
    QTest::newRow("3.40 takes 1980-2011") << QByteArray("0340") << korve << '0' << Birds{{1, "80"}, {1, "11"}}
                                          << none << ok << -1 << Replies{} << 5 << QStringList{"       Birds sent = 2"};
    QTest::newRow("3.40 refuses 2012") << QByteArray("0340") << korve << '0' << Birds{{1, "07"}, {1, "12"}} << none
                                       << ok << -1 << Replies{} << 0 << QStringList{refusedYears};
    QTest::newRow("3.47 refuses every year") << QByteArray("0347") << talmi << '0' << Birds{{1, "24"}} << none << ok
                                             << -1 << Replies{} << 0 << QStringList{refusedYears};
    QTest::newRow("3.5 refuses 1999") << QByteArray("0350") << talmi << '0' << Birds{{1, "99"}, {1, "24"}} << none
                                      << ok << -1 << Replies{} << 0 << QStringList{refusedYears};
    QTest::newRow("3.5 takes 2000-2031") << QByteArray("0350") << talmi << '0' << Birds{{1, "00"}, {1, "31"}}
                                         << none << ok << -1 << Replies{} << 5
                                         << QStringList{"       Birds sent = 2"};
    QTest::newRow("module of the same flyer, blank-filled")
        << QByteArray("0360") << talmi << '0' << Birds{{1, "24"}}
        << QList<QByteArray>{CombineRecord("x", "US"), abelRecord()} << ok << -1 << Replies{} << 4
        << QStringList{"       Birds sent = 1"};
    QTest::newRow("same flyer, wide numbers")
        << QByteArray("0360") << talmi << '0' << Birds{{1, "24"}} << QList<QByteArray>{abelRecord(104, 1234)} << ok
        << -1 << Replies{} << 4 << QStringList{"       Birds sent = 1"};
    QTest::newRow("module without admin data") << QByteArray("0360") << talmi << '0' << Birds{{1, "24"}}
                                               << QList<QByteArray>{"*****"} << ok << -1 << Replies{} << 4
                                               << QStringList{"       Birds sent = 1"};
    QTest::newRow("another flyer, sent anyway")
        << QByteArray("0360") << talmi << '0' << Birds{{1, "24"}} << QList<QByteArray>{abelRecord(7, 2, "Baker")}
        << ok << -1 << Replies{} << 4
        << QStringList{"The name in the memory module is different", "       Birds sent = 1"};
    QTest::newRow("another flyer, cancelled")
        << QByteArray("0360") << talmi << '0' << Birds{{1, "24"}} << QList<QByteArray>{abelRecord(7, 2, "Baker")}
        << cancel << -1 << Replies{} << 0
        << QStringList{"The name in the memory module is different than the name being sent.\r\nAre you sure you "
                       "want to send this data?\r\n\r\nIn the memory module: Baker\r\nBeing sent: Abel"};
    QTest::newRow("unplugged after ten records")
        << QByteArray("0360") << talmi << '0' << Birds{{20, "24"}} << none << ok << 10 << Replies{} << 10
        << QStringList{NoTamrel, StoppedAfter + "7 of 20 birds."};
    QTest::newRow("module refuses a bird")
        << QByteArray("0360") << talmi << '0' << Birds{{3, "24"}} << none << ok << -1 << Replies{{5, Esc}} << 4
        << QStringList{"The memory module refused a record.\r\n\r\n" + StoppedAfter + "1 of 3 birds."};
    // A frame without its end is a connection failure: sending stops there.
    QTest::newRow("answer never ends") << QByteArray("0360") << talmi << '0' << Birds{{3, "24"}} << none << ok
                                       << -1 << Replies{{5, "\x02\x81"}} << 4
                                       << QStringList{"Communication Timeout", StoppedAfter + "1 of 3 birds.\r\n"};
    QTest::newRow("no answer to S1") << QByteArray("0360") << talmi << '0' << Birds{{3, "24"}} << none << ok << 0
                                     << Replies{} << 0 << QStringList{NoTamrel, "Check Connection to Tamrel"};
}

void TestBirdTransfers::send()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, model);
    QFETCH(char, state);
    QFETCH(QList<QByteArray>, moduleData);
    QFETCH(int, answer);
    QFETCH(int, recordsTaken);
    TransferRig r(QStringLiteral("send"));
    r.module.identify(version, model, state);
    r.module.adminData = moduleData;
    QFETCH(int, unplugAfter);
    r.module.unplugAfter = unplugAfter;
    QFETCH(Replies, replies);
    r.module.replyTo = replies;
    using Birds = QList<QPair<int, QByteArray>>;
    QFETCH(Birds, birds);
    for (const auto &[count, year] : birds)
        r.addBirds(count, year);
    r.prompter.answerNext(MsgAnswer(answer));

    const BirdTransferEnd end = SendBirds(r.context, r.scratch.db, Settings, {1, QStringLiteral("Abel"), false, {}});

    QCOMPARE(r.module.taken.size(), recordsTaken);
    QFETCH(QStringList, messages);
    r.checkMessages(messages);
    QVERIFY(!r.progress.isOpen);
    QVERIFY(!r.port.isOpen());
    QVERIFY(r.scratch.db.dataWindows().isEmpty());
    const bool refusedByChecks = messages.constFirst().contains(QLatin1String("limit"))
                              || messages.constFirst().contains(QLatin1String("Hatch Year"));
    QCOMPARE(end.then == BirdTransferEnd::Then::RefillFlyers, refusedByChecks);
    if (recordsTaken > 3 && r.module.unplugAfter < 0 && replies.isEmpty())
        QCOMPARE(r.progress.secondLines.constLast(),
                 QString::number(recordsTaken - 3) + QStringLiteral(" Birds Transferred"));
}

// Club 104 and flyer 1234 widen S2 and S3, as the clock system sends them;
// only the chosen birds go, in the order chosen.
void TestBirdTransfers::recordsAsTheModuleGetsThem()
{
    TransferRig r(QStringLiteral("records"));
    r.module.identify("0360", "0216");
    Connection &c = r.scratch.db.connection();
    c.execute("INSERT INTO clubs (ClubID, ClubName) VALUES (104, 'Lakeside Racing Pigeon Club')");
    c.execute("INSERT INTO flyerlist (FlyerID, Name, ClubID) VALUES (1234, 'Carter', 104)");
    c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
              "VALUES (1234, 'US', '24', '  AB', '000001', 'C', '0000000101', 'J', '0'), "
              "(1234, 'US', '24', '  AB', '000002', 'H', '0000000102', 'B', '0')");

    SendBirds(r.context, r.scratch.db, Settings, {1234, QStringLiteral("Carter"), true, {2, 1}});

    QCOMPARE(r.module.taken, (QList<QByteArray>{"S1          North Valley        US",
                                                "S2   03104   Lakeside Racing Pige 0012",
                                                "S3   031041234Carter              00000000000000",
                                                "ZUS24  AB000002H0000000102B", "ZUS24  AB000001C0000000101J"}));
    QCOMPARE(r.prompter.texts(), QStringList{"  2 selected birds sent"});
}

void TestBirdTransfers::clockHabits_data()
{
    QTest::addColumn<int>("busyMs");
    QTest::addColumn<int>("ackTwice");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<int>("held");                 // records in the module
    QTest::addColumn<QStringList>("messages");   // how each begins
    const QStringList allSent{"       Birds sent = 10"};
    QTest::newRow("busy 20 ms storing") << 20 << -1 << Replies{} << 13 << allSent;
    QTest::newRow("busy 80 ms storing") << 80 << -1 << Replies{} << 13 << allSent;
    QTest::newRow("ack twice, then a nak") << 0 << 7 << Replies{{8, QByteArray(1, Ctl::NAK)}} << 7
                                           << QStringList{"Communication Timeout", StoppedAfter + "3 of 10 birds."};
    QTest::newRow("a damaged answer") << 0 << -1 << Replies{{5, "\x02\x03"}} << 4
                                      << QStringList{"The Tamrel's answer to a record could not be read.\r\n\r\n"
                                                     + StoppedAfter + "1 of 10 birds."};
}

// The module holds what the closing message says, each record once.
void TestBirdTransfers::clockHabits()
{
    TransferRig r(QStringLiteral("habits"));
    r.module.identify("0360", "0216");
    r.module.replyAfterMs = 35;
    QFETCH(int, busyMs);
    r.module.busyMs = busyMs;
    QFETCH(int, ackTwice);
    r.module.ackTwice = ackTwice;
    QFETCH(Replies, replies);
    r.module.replyTo = replies;
    r.addBirds(10, "24");
    SendBirds(r.context, r.scratch.db, Settings, {1, QStringLiteral("Abel"), false, {}});
    QFETCH(QStringList, messages);
    r.checkMessages(messages);
    QTEST(int(r.module.taken.size()), "held");
    QCOMPARE(QSet<QByteArray>(r.module.taken.cbegin(), r.module.taken.cend()).size(), r.module.taken.size());
}

// Nothing selected: the message stands alone, no progress window behind it.
void TestBirdTransfers::nothingSelected()
{
    TransferRig r(QStringLiteral("nothing"));
    r.module.identify("0360", "0216");
    r.addBirds(2, "24");
    SendBirds(r.context, r.scratch.db, Settings, {1, QStringLiteral("Abel"), true, {}});
    QCOMPARE(r.prompter.texts(), QStringList{"No birds selected, please make a selection."});
    QCOMPARE(r.progress.timesShown, 0);
    QVERIFY(r.module.taken.isEmpty());
}

void TestBirdTransfers::receive_data()
{
    QTest::addColumn<bool>("clubs");
    QTest::addColumn<QList<QByteArray>>("moduleData");
    QTest::addColumn<int>("answer");   // to the new-flyer question, as MsgAnswer
    QTest::addColumn<ReceiveEnd::Then>("then");
    QTest::addColumn<QString>("flyerName");
    QTest::addColumn<QStringList>("birds");      // band|ring|colour|type, stored
    QTest::addColumn<QStringList>("messages");   // how each begins

    using Then = ReceiveEnd::Then;
    const QByteArray stored = "ZUS24  AB000001C0000000777B";   // the stored bird, ring changed
    const QByteArray fresh = "ZUS25  AB000002H0000000202J";
    const QByteArray taken = "ZUS25  AB000003H0000000101J";   // another's ring
    const QList<QByteArray> abel{CombineRecord("North Valley", "US"), abelRecord(), stored, fresh, taken};
    const QString merged = QStringLiteral("Data successfully retrieved for Abel.\r\nBirds Added = 1\r\nBirds "
                                          "Updated = 1\r\nAssignments changed = 1");
    const QString duplicate = QStringLiteral("Duplicate electronic numbers (0000000101) not allowed.");
    const QStringList before{"US24  AB000001|0000000001|J|0", "US24  AB000009|0000000101|J|0"};
    const QStringList after{"US24  AB000001|0000000777|B|0", before[1], "US25  AB000002|0000000202|J|1"};
    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
    QTest::newRow("merged") << true << abel << yes << Then::ShowFlyer << "Abel" << after
                            << QStringList{duplicate, merged};
    // Cut short, a control byte, a blank ring, a digit in the organisation.
    const QList<QByteArray> junk{"ZUS25", "ZUS25  AB00000\x7fH0000000203J", "ZUS25  AB000004H          J",
                                 "ZU525  AB000005H0000000205J"};
    QTest::newRow("unreadable birds counted")
        << true << QList<QByteArray>{abelRecord(), fresh} + junk << yes << Then::ShowFlyer << "Abel"
        << before + QStringList{after[2]}
        << QStringList{"Data successfully retrieved for Abel.\r\nBirds Added = 1\r\nBirds Updated = 0\r\n"
                       "Assignments changed = 0\r\n\r\n4 reply(ies) could not be read and were left out."};
    QTest::newRow("wide numbers") << true << QList<QByteArray>{abelRecord(104, 1234), fresh} << yes
                                  << Then::ShowFlyer << "Abel" << before + QStringList{after[2]}
                                  << QStringList{"Data successfully retrieved for Abel."};
    const QList<QByteArray> oneil{FlyerRecord("03", 7, 5, "O'Neil"), fresh};
    QTest::newRow("new flyer entered") << true << oneil << yes << Then::EnterFlyer << "O Neil" << before
                                       << QStringList{"Do you want to add this flyer and all their birds?"};
    QTest::newRow("new flyer declined") << true << oneil << no << Then::Nothing << QString() << before
                                        << QStringList{"Do you want to add this flyer and all their birds?"};
    QTest::newRow("no clubs") << false << abel << yes << Then::EnterClub << QString() << before
                              << QStringList{"No Clubs in Database.\r\nPlease add club first"};
    QTest::newRow("birds without their flyer") << true << QList<QByteArray>{fresh} << yes << Then::Nothing
                                               << QString() << before
                                               << QStringList{"The memory module names no flyer.\r\nNothing was stored."};
    QTest::newRow("module without admin data") << true << QList<QByteArray>{"*****"} << yes << Then::Nothing
                                               << QString() << before
                                               << QStringList{"There are no birds in the memory module."};
}

void TestBirdTransfers::receive()
{
    QFETCH(bool, clubs);
    QFETCH(int, answer);
    QFETCH(QList<QByteArray>, moduleData);
    TransferRig r(QStringLiteral("receive"));
    r.module.identify("0360", "0216");
    r.module.adminData = moduleData;
    Connection &c = r.scratch.db.connection();
    c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
              "VALUES (1, 'US', '24', '  AB', '000001', 'C', '0000000001', 'J', '0'), "
              "(1, 'US', '24', '  AB', '000009', 'C', '0000000101', 'J', '0')");
    if (!clubs)
        c.execute("DELETE FROM clubs");
    r.prompter.answerNext(MsgAnswer(answer));

    const ReceiveEnd end = ReceiveBirds(r.context, r.scratch.db, r.shared);

    QTEST(end.then, "then");
    QTEST(end.flyerName, "flyerName");
    QTEST(Rows(c, "SELECT NatOrg||HatchYr||clubletters||bnumber||'|'||elecnumber||'|'||color||'|'||type FROM birds "
                  "ORDER BY rowid"),
          "birds");
    QFETCH(QStringList, messages);
    if (!end.closing.isEmpty())
        r.prompter.inform(end.closing);
    r.checkMessages(messages);
    QCOMPARE(r.shared.noClubs, !clubs);
    // The new flyer's birds wait for the flyer window, with the firmware.
    QCOMPARE(r.shared.receivedRecords.size(), end.then == ReceiveEnd::Then::EnterFlyer ? 1 : 0);
    if (!clubs)
        QVERIFY(r.port.written.isEmpty());
    QVERIFY(!r.progress.isOpen);
    QVERIFY(!r.port.isOpen());
}

void TestBirdTransfers::strangeIdentificationClosesThePort()
{
    TransferRig r(QStringLiteral("strange"));
    r.module.identity.lmd = "v0360";
    SendBirds(r.context, r.scratch.db, Settings, {1, QStringLiteral("Abel"), false, {}});
    QVERIFY(!r.port.isOpen());
    QVERIFY(r.module.taken.isEmpty());
    QCOMPARE(r.prompter.texts().constLast(),
             QStringLiteral("You may only use the database function until the Tamrel is properly connected"));
}

// A clock that never ends its readout is stopped; nothing of it is stored.
void TestBirdTransfers::endlessReadoutStoresNothing()
{
    TransferRig r(QStringLiteral("endless"));
    r.module.identify("0360", "0216");
    r.module.endless = true;
    const ReceiveEnd end = ReceiveBirds(r.context, r.scratch.db, r.shared);
    QCOMPARE(end.then, ReceiveEnd::Then::Nothing);
    QCOMPARE(r.prompter.texts(),
             QStringList{"The clock did not finish sending the admin data.\r\nNothing was stored."});
    QCOMPARE(Number(r.scratch.db.connection(), "SELECT count(*) FROM birds"), qint64(0));
    QCOMPARE(r.port.written.size(), 4 + AdminReadoutReplyLimit);

    // One that refuses it is not asked again.
    r.prompter.reset();
    r.port.written.clear();
    r.module.refusesReadout = true;
    ReceiveBirds(r.context, r.scratch.db, r.shared);
    QCOMPARE(r.prompter.texts(),
             QStringList{"The memory module refused to give its admin data.\r\nNothing was stored."});
    QCOMPARE(r.port.written.size(), 4 + 1);
}

Q_DECLARE_METATYPE(FlyerRecordRead::End)

void TestBirdTransfers::moduleFlyerName_data()
{
    QTest::addColumn<QList<QByteArray>>("moduleData");
    QTest::addColumn<bool>("endless");
    QTest::addColumn<int>("unendedBlock");
    QTest::addColumn<FlyerRecordRead::End>("end");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QStringList>("messages");
    using End = FlyerRecordRead::End;
    QTest::newRow("flyer record") << QList<QByteArray>{CombineRecord("x", "US"), abelRecord(), "ZUS24"} << false << -1
                                  << End::Found << QByteArray("Abel").leftJustified(20) << QStringList{};
    QTest::newRow("no admin data") << QList<QByteArray>{"*****"} << false << -1 << End::NoAdminData << QByteArray()
                                   << QStringList{};
    QTest::newRow("birds only") << QList<QByteArray>{"ZUS24"} << false << -1 << End::NoAdminData << QByteArray()
                                << QStringList{};
    QTest::newRow("never a flyer record")
        << QList<QByteArray>{} << true << -1 << End::BrokenOff << QByteArray()
        << QStringList{"The clock did not finish sending the admin data.\r\nRace data not saved."};
    QTest::newRow("a block never ends")
        << QList<QByteArray>{CombineRecord("x", "US"), abelRecord()} << false << 0 << End::BrokenOff << QByteArray()
        << QStringList{"Communication Timeout",
                       "The admin data could not be read from the memory module.\r\nRace data not saved."};
}

// Reads up to the flyer record and ends the readout; a clock that never
// sends one is stopped.
void TestBirdTransfers::moduleFlyerName()
{
    QFETCH(QList<QByteArray>, moduleData);
    QFETCH(bool, endless);
    TransferRig r(QStringLiteral("flyerName"));
    r.module.adminData = moduleData;
    r.module.endless = endless;
    QFETCH(int, unendedBlock);
    r.module.unendedBlock = unendedBlock;
    const FlyerRecordRead read = ReadModuleFlyerName(r.context, QStringLiteral("Race data not saved."));
    QTEST(read.end, "end");
    QTEST(FlyerNameOf(read.record), "name");
    QFETCH(QStringList, messages);
    r.checkMessages(messages);
    QVERIFY(!r.progress.isOpen);
    if (read.end != FlyerRecordRead::End::BrokenOff)
        QCOMPARE(r.port.written.constLast(), QByteArray(1, Ctl::EOT));
    if (read.end == FlyerRecordRead::End::Found)
        QCOMPARE(r.progress.secondLines.constLast(), QStringLiteral("2 Blocks Transferred"));
}

QTEST_GUILESS_MAIN(TestBirdTransfers)
#include "test_bird_transfers.moc"
