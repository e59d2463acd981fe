#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/bird_record.h"
#include "admin_db/records/liberation_race.h"
#include "transfer/admin_readout.h"
#include "transfer/admin_records.h"
#include "transfer/receive_birds.h"
#include "transfer/send_birds.h"
#include "transfer/send_liberation_points.h"
#include "fake_module_clock.h"
#include "link_rig.h"
#include "scratch_database.h"

#include <QTest>

// A transfer's world: a scripted memory module on a fake port in virtual
// time, and a database with club 7 and its flyer Abel (number 1).
struct TransferRig : LinkRig {
    explicit TransferRig(const QString &name) : scratch(name)
    {
        port.setResponder(std::ref(module));
        module.time = &time;
        Connection &c = scratch.db.connection();
        c.execute("INSERT INTO clubs (ClubID, ClubName) VALUES (7, 'Northside')");
        c.execute("INSERT INTO flyerlist (FlyerID, Name, ClubID) VALUES (1, 'Abel', 7)");
    }

    // count birds of Abel hatched in year, serials from 1.
    void addBirds(int count, const QByteArray &year)
    {
        QStringList rows;
        const qint64 first = Number(scratch.db.connection(), "SELECT count(*) FROM birds") + 1;
        for (qint64 serial = first; serial < first + count; ++serial)
            rows.append(QStringLiteral("US|%1|  AB|%2").arg(QLatin1String(year)).arg(serial, 6, 10, QLatin1Char('0')));
        InsertRows(scratch.db.connection(),
                   "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, "
                   "type) VALUES (1, ?, ?, ?, ?, 'C', '0000000000', 'J', '0')",
                   rows);
    }

    // Each message begins as expected.
    void checkMessages(const QStringList &starts) const
    {
        const QStringList texts = prompter.texts();
        QCOMPARE(texts.size(), starts.size());
        for (qsizetype i = 0; i < starts.size(); ++i)
            QVERIFY2(texts.at(i).startsWith(starts.at(i)), qPrintable(texts.at(i)));
    }

    PortOneFile device;
    FakeModuleClock module;
    ScratchDatabase scratch;
    AdminSharedState shared;
};

// A send of Abel's birds: the clock, what its module holds and does, and
// what the user is told.
struct SendCase {
    QByteArray version = "0360";
    QByteArray model = "0216";
    char state = '0';
    QList<QPair<int, QByteArray>> birds{{3, "24"}};   // how many of which hatch year
    bool onlySelected = false;
    QList<qint64> selected{};
    QList<QByteArray> moduleData{};
    MsgAnswer answer = MsgAnswer::Ok;   // to the name question
    int unplugAfter = -1;
    QMap<int, QByteArray> replies{};   // record number -> reply
    int replyAfterMs = 3;
    int busyMs = 0;
    int ackTwice = -1;
    QList<QByteArray> records{};   // the first records the module took
    int held = 0;   // records the module holds
    QStringList messages{};   // how each begins
};

// A receive into a database holding Abel and two of his birds.
struct ReceiveCase {
    QList<QByteArray> data{};   // what the module holds
    bool clubs = true;
    bool endless = false;
    bool refusesReadout = false;
    MsgAnswer answer = MsgAnswer::Yes;   // to the new-flyer question
    ReceiveEnd::Then then = ReceiveEnd::Then::Nothing;
    QString flyerName{};
    QStringList birds{};   // band|ring|colour|type, stored after
    QStringList messages{};   // how each begins
    int writes = 0;
};

// A send of liberation points to a module that holds at most 99.
struct LiberationCase {
    QList<LiberationRace> races{};
    int unplugAfter = -1;
    QList<QByteArray> taken{};   // the first records the module took
    int held = 0;
    bool identified = true;   // whether anything went to the clock
    QString progress{};   // the last line of the progress window
    QStringList messages{};   // how each begins
};

Q_DECLARE_METATYPE(AdminRecordKind)
Q_DECLARE_METATYPE(LiberationCase)
Q_DECLARE_METATYPE(SendCase)
Q_DECLARE_METATYPE(ReceiveCase)
Q_DECLARE_METATYPE(FlyerRecordRead::End)

namespace {

const AdminHeaderSettings Settings{"North Valley", "US", "03", "0012"};
const QString StoppedAfter = QStringLiteral("Sending stopped after ");
const QString NoTamrel = QStringLiteral("No Tamrel detected");

QByteArray abelRecord(qint64 club = 7, qint64 flyer = 1, const QByteArray &name = "Abel")
{
    return FlyerRecord("03", club, flyer, name);
}

LiberationRace race(const char *number, const char *date, const char *name, const char *type = "1")
{
    return {0, QString::fromLatin1(number), QString::fromLatin1(date), QString::fromLatin1(name),
            QString::fromLatin1(type)};
}

QList<LiberationRace> lakeside(int count)
{
    QList<LiberationRace> out;
    for (int n = 1; n <= count; ++n)
        out.append(race(QByteArray::number(n).constData(), "0514", "Lakeside"));
    return out;
}

} // namespace

class TestTransfers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each record as built, or as a module may give it back, with what is read
    // out of it.
    void records_data()
    {
        QTest::addColumn<QByteArray>("built");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<AdminRecordKind>("kind");
        QTest::addColumn<QByteArray>("flyerName");
        using Kind = AdminRecordKind;
        const QByteArray name("Jan O Smit          ");
        BirdRecord bird{0, 1, "AU", "24", "DEMO", "000101", "C", "0000000101", "J", "1"};
        QTest::newRow("flyer 1234 of club 104") << FlyerRecord("03", 104, 1234, "Jan O Smit")
                                                << QByteArray("S3   031041234Jan O Smit          00000000000000")
                                                << Kind::Flyer << name;
        QTest::newRow("3.37 takes the type") << BirdAdminRecord(bird, 3.37) << QByteArray("ZAU24DEMO000101C00000001011")
                                             << Kind::Bird << QByteArray();
        QTest::newRow("3.38 takes the colour") << BirdAdminRecord(bird, 3.38)
                                               << QByteArray("ZAU24DEMO000101C0000000101J") << Kind::Bird << QByteArray();
        // Given back by a module, not built here.
        QTest::newRow("cut short") << QByteArray() << QByteArray("S3   0307005Jan O Smit") << Kind::Flyer << QByteArray();
        QTest::newRow("no zeros at its end") << QByteArray() << QByteArray("S3   0307005Jan O Smit          0000000000000X")
                                             << Kind::Flyer << QByteArray();
        QTest::newRow("too short for the numbers") << QByteArray() << QByteArray("S3   Jan O Smit          00000000000000")
                                                   << Kind::Flyer << QByteArray();
        QTest::newRow("something else") << QByteArray() << QByteArray("IC0") << Kind::Other << QByteArray();
    }

    void records()
    {
        QFETCH(QByteArray, built);
        QFETCH(QByteArray, record);
        if (!built.isEmpty())
            QCOMPARE(built, record);
        QTEST(KindOf(record), "kind");
        QTEST(FlyerNameOf(record), "flyerName");
    }

    void send_data()
    {
        QTest::addColumn<SendCase>("c");
        const QByteArray korve = "0150";
        const QList<QByteArray> baker{abelRecord(7, 2, "Baker")};
        const QString raceMode = QStringLiteral("Transmission not possible, LMD is in race mode!");
        const QString refusedYears = QStringLiteral("There is at least one bird Hatch Year");
        const QStringList tenSent{"       Birds sent = 10"};
        QTest::newRow("all birds") << SendCase{.held = 6, .messages = {"       Birds sent = 3"}};
        QTest::newRow("in race mode") << SendCase{.state = '1', .messages = {raceMode}};
        QTest::newRow("in race mode, no birds logged") << SendCase{.state = '3', .messages = {raceMode}};
        QTest::newRow("korve 500") << SendCase{.version = "0157", .model = korve, .birds = {{500, "07"}}, .held = 503,
                                               .messages = {"       Birds sent = 500"}};
        QTest::newRow("korve 501") << SendCase{.version = "0157", .model = korve, .birds = {{501, "07"}},
                                               .messages = {"500 bird limit in LMD, please select 500 or less."}};
        QTest::newRow("talmi 999") << SendCase{.birds = {{999, "25"}}, .held = 1002,
                                               .messages = {"       Birds sent = 999"}};
        QTest::newRow("talmi 1000") << SendCase{.birds = {{1000, "25"}},
                                                .messages = {"999 bird limit in LMD, please select 999 or less."}};
        QTest::newRow("3.40 takes 1980-2011") << SendCase{.version = "0340", .model = korve,
                                                          .birds = {{1, "80"}, {1, "11"}}, .held = 5,
                                                          .messages = {"       Birds sent = 2"}};
        QTest::newRow("3.40 refuses 2012") << SendCase{.version = "0340", .model = korve, .birds = {{1, "07"}, {1, "12"}},
                                                       .messages = {refusedYears}};
        QTest::newRow("3.47 refuses every year") << SendCase{.version = "0347", .messages = {refusedYears}};
        QTest::newRow("3.5 refuses 1999") << SendCase{.version = "0350", .birds = {{1, "99"}, {1, "24"}},
                                                      .messages = {refusedYears}};
        QTest::newRow("3.5 takes 2000-2031") << SendCase{.version = "0350", .birds = {{1, "00"}, {1, "31"}}, .held = 5,
                                                         .messages = {"       Birds sent = 2"}};
        QTest::newRow("the chosen birds, in the order chosen")
            << SendCase{.birds = {{2, "24"}}, .onlySelected = true, .selected = {2, 1},
                        .records = {"S1          North Valley        US", "S2   0307   Northside            0012",
                                    "S3   0307001Abel                00000000000000", "ZUS24  AB000002C0000000000J",
                                    "ZUS24  AB000001C0000000000J"},
                        .held = 5, .messages = {"  2 selected birds sent"}};
        QTest::newRow("nothing selected, no progress window")
            << SendCase{.onlySelected = true, .messages = {"No birds selected, please make a selection."}};
        QTest::newRow("identification too short")
            << SendCase{.version = "", .model = "",
                        .messages = {"The Tamrel answered, but its answer was damaged",
                                     "You may only use the database function until the Tamrel is properly connected"}};
        QTest::newRow("module of the same flyer, blank-filled")
            << SendCase{.moduleData = {CombineRecord("x", "US"), abelRecord()}, .held = 6,
                        .messages = {"       Birds sent = 3"}};
        QTest::newRow("module without admin data")
            << SendCase{.moduleData = {"*****"}, .held = 6, .messages = {"       Birds sent = 3"}};
        QTest::newRow("another flyer, sent anyway")
            << SendCase{.moduleData = baker, .held = 6,
                        .messages = {"The name in the memory module is different", "       Birds sent = 3"}};
        QTest::newRow("another flyer, cancelled")
            << SendCase{.moduleData = baker, .answer = MsgAnswer::Cancel,
                        .messages = {"The name in the memory module is different than the name being sent.\r\nAre you "
                                     "sure you want to send this data?\r\n\r\nIn the memory module: Baker\r\nBeing sent: "
                                     "Abel"}};
        QTest::newRow("unplugged after ten records")
            << SendCase{.birds = {{20, "24"}}, .unplugAfter = 10, .held = 10,
                        .messages = {NoTamrel, StoppedAfter + "7 of 20 birds."}};
        QTest::newRow("module refuses a bird")
            << SendCase{.replies = {{5, QByteArray(1, Ctl::ESC)}}, .held = 4,
                        .messages = {"The memory module refused a record.\r\n\r\n" + StoppedAfter + "1 of 3 birds."}};
        // A frame without its end is a connection failure: sending stops there.
        QTest::newRow("answer never ends")
            << SendCase{.replies = {{5, "\x02\x81"}}, .held = 4,
                        .messages = {"Communication Timeout", StoppedAfter + "1 of 3 birds.\r\n"}};
        QTest::newRow("no answer to S1")
            << SendCase{.unplugAfter = 0, .messages = {NoTamrel, "Check Connection to Tamrel"}};
        // Habits of real clocks: the module holds what the closing message says,
        // each record once.
        QTest::newRow("busy 20 ms storing")
            << SendCase{.birds = {{10, "24"}}, .replyAfterMs = 35, .busyMs = 20, .held = 13, .messages = tenSent};
        QTest::newRow("busy 80 ms storing")
            << SendCase{.birds = {{10, "24"}}, .replyAfterMs = 35, .busyMs = 80, .held = 13, .messages = tenSent};
        QTest::newRow("ack twice, then a nak")
            << SendCase{.birds = {{10, "24"}}, .replies = {{8, QByteArray(1, Ctl::NAK)}}, .replyAfterMs = 35,
                        .ackTwice = 7, .held = 7, .messages = {"Communication Timeout", StoppedAfter + "3 of 10 birds."}};
        QTest::newRow("a damaged answer")
            << SendCase{.birds = {{10, "24"}}, .replies = {{5, "\x02\x03"}}, .replyAfterMs = 35, .held = 4,
                        .messages = {"The Tamrel's answer to a record could not be read.\r\n\r\n" + StoppedAfter
                                     + "1 of 10 birds."}};
    }

    void send()
    {
        QFETCH(SendCase, c);
        TransferRig r(QStringLiteral("send"));
        r.module.identify(c.version, c.model, c.state);
        r.module.adminData = c.moduleData;
        r.module.unplugAfter = c.unplugAfter;
        r.module.replyTo = c.replies;
        r.module.replyAfterMs = c.replyAfterMs;
        r.module.busyMs = c.busyMs;
        r.module.ackTwice = c.ackTwice;
        for (const auto &[count, year] : c.birds)
            r.addBirds(count, year);
        r.prompter.answerNext(c.answer);

        const BirdSendRequest request{1, QStringLiteral("Abel"), c.onlySelected, c.selected};
        const BirdTransferEnd end = SendBirds(r.context, r.scratch.db, Settings, request);

        QCOMPARE(r.module.taken.mid(0, c.records.size()), c.records);
        // A look at the module's flyer ends its readout, or the clock stays in it.
        QCOMPARE(r.port.written.count(QByteArray(1, Ctl::EOT)),
                 r.port.written.count(SimFrame(ClockLink::ClockPrefix + "X")));
        QCOMPARE(r.module.taken.size(), c.held);
        QCOMPARE(QSet<QByteArray>(r.module.taken.cbegin(), r.module.taken.cend()).size(), c.held);
        r.checkMessages(c.messages);
        // The progress window comes only once records go to the module.
        QCOMPARE(r.progress.timesShown, r.module.records > 0 ? 1 : 0);
        QVERIFY(!r.progress.isOpen);
        QVERIFY(!r.port.isOpen());
        QVERIFY(r.scratch.db.dataWindows().isEmpty());
        const bool refusedByChecks = c.messages.constFirst().contains(QLatin1String("limit"))
                                  || c.messages.constFirst().contains(QLatin1String("Hatch Year"));
        QCOMPARE(end.then == BirdTransferEnd::Then::RefillFlyers, refusedByChecks);
        if (c.held > 3 && c.unplugAfter < 0 && c.replies.isEmpty())
            QCOMPARE(r.progress.secondLines.constLast(), QString::number(c.held - 3) + " Birds Transferred");
    }

    void receive_data()
    {
        QTest::addColumn<ReceiveCase>("c");
        using Then = ReceiveEnd::Then;
        const QByteArray stored = "ZUS24  AB000001C0000000777B";   // the stored bird, ring changed
        const QByteArray fresh = "ZUS25  AB000002H0000000202J";
        const QByteArray taken = "ZUS25  AB000003H0000000101J";   // another's ring
        const QList<QByteArray> abel{CombineRecord("North Valley", "US"), abelRecord(), stored, fresh, taken};
        const QString retrieved = QStringLiteral("Data successfully retrieved for Abel.\r\nBirds Added = 1\r\nBirds "
                                                 "Updated = ");
        const QStringList before{"US24  AB000001|0000000001|J|0", "US24  AB000009|0000000101|J|0"};
        const QStringList after{"US24  AB000001|0000000777|B|0", before[1], "US25  AB000002|0000000202|J|1"};
        const QStringList newFlyer{"Do you want to add this flyer and all their birds?"};
        // Identification, X, one ACK for each block and one answered EOT.
        const auto writes = [](qsizetype blocks) { return int(4 + 1 + blocks + 1); };
        QTest::newRow("merged") << ReceiveCase{.data = abel, .then = Then::ShowFlyer, .flyerName = "Abel", .birds = after,
                                               .messages = {"Duplicate electronic numbers (0000000101) not allowed.",
                                                            retrieved + "1\r\nAssignments changed = 1"},
                                               .writes = writes(5)};
        // Cut short, a control byte, a blank ring, a digit in the organisation.
        const QList<QByteArray> junk{abelRecord(), fresh, "ZUS25", "ZUS25  AB00000\x7fH0000000203J",
                                     "ZUS25  AB000004H          J", "ZU525  AB000005H0000000205J"};
        QTest::newRow("unreadable birds counted")
            << ReceiveCase{.data = junk, .then = Then::ShowFlyer, .flyerName = "Abel",
                           .birds = before + QStringList{after[2]},
                           .messages = {retrieved + "0\r\nAssignments changed = 0\r\n\r\n4 reply(ies) could not be read "
                                                    "and were left out."},
                           .writes = writes(6)};
        QTest::newRow("one unreadable bird told too")
            << ReceiveCase{.data = {abelRecord(), fresh, "ZUS25"}, .then = Then::ShowFlyer, .flyerName = "Abel",
                           .birds = before + QStringList{after[2]},
                           .messages = {retrieved + "0\r\nAssignments changed = 0\r\n\r\n1 reply(ies) could not be read "
                                                    "and were left out."},
                           .writes = writes(3)};
        const QList<QByteArray> oneil{FlyerRecord("03", 7, 5, "O'Neil"), fresh};
        QTest::newRow("new flyer entered") << ReceiveCase{.data = oneil, .then = Then::EnterFlyer, .flyerName = "O Neil",
                                                          .birds = before, .messages = newFlyer, .writes = writes(2)};
        QTest::newRow("new flyer declined") << ReceiveCase{.data = oneil, .answer = MsgAnswer::No, .birds = before,
                                                           .messages = newFlyer, .writes = writes(2)};
        QTest::newRow("no clubs") << ReceiveCase{.data = abel, .clubs = false, .then = Then::EnterClub, .birds = before,
                                                 .messages = {"No Clubs in Database.\r\nPlease add club first"}};
        QTest::newRow("birds without their flyer")
            << ReceiveCase{.data = {fresh}, .birds = before,
                           .messages = {"The memory module names no flyer.\r\nNothing was stored."}, .writes = writes(1)};
        QTest::newRow("module without admin data")
            << ReceiveCase{.data = {"*****"}, .birds = before, .messages = {"There are no birds in the memory module."},
                           .writes = writes(1)};
        // A clock that never ends its readout is stopped; one that refuses it
        // is not asked again.
        QTest::newRow("endless readout")
            << ReceiveCase{.endless = true, .birds = before,
                           .messages = {"The clock did not finish sending the admin data.\r\nNothing was stored."},
                           .writes = 4 + AdminReadoutReplyLimit};
        QTest::newRow("readout refused")
            << ReceiveCase{.refusesReadout = true, .birds = before,
                           .messages = {"The memory module refused to give its admin data.\r\nNothing was stored."},
                           .writes = 4 + 1};
    }

    void receive()
    {
        QFETCH(ReceiveCase, c);
        TransferRig r(QStringLiteral("receive"));
        r.module.identify("0360", "0216");
        r.module.adminData = c.data;
        r.module.endless = c.endless;
        r.module.refusesReadout = c.refusesReadout;
        Connection &db = r.scratch.db.connection();
        db.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
                   "VALUES (1, 'US', '24', '  AB', '000001', 'C', '0000000001', 'J', '0'), "
                   "(1, 'US', '24', '  AB', '000009', 'C', '0000000101', 'J', '0')");
        if (!c.clubs)
            db.execute("DELETE FROM clubs");
        r.prompter.answerNext(c.answer);

        const ReceiveEnd end = ReceiveBirds(r.context, r.scratch.db, r.shared);

        QCOMPARE(end.then, c.then);
        QCOMPARE(end.flyerName, c.flyerName);
        QCOMPARE(Rows(db, "SELECT NatOrg||HatchYr||clubletters||bnumber||'|'||elecnumber||'|'||color||'|'||type "
                          "FROM birds ORDER BY rowid"),
                 c.birds);
        if (!end.closing.isEmpty())
            r.prompter.inform(end.closing);
        r.checkMessages(c.messages);
        QCOMPARE(r.port.written.size(), c.writes);
        QCOMPARE(r.shared.noClubs, !c.clubs);
        // The new flyer's birds wait for the flyer window, with the firmware.
        QCOMPARE(r.shared.receivedRecords.size(), end.then == ReceiveEnd::Then::EnterFlyer ? 1 : 0);
        QVERIFY(!r.progress.isOpen);
        QVERIFY(!r.port.isOpen());
    }

    void moduleFlyerName_data()
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
    void moduleFlyerName()
    {
        QFETCH(QList<QByteArray>, moduleData);
        QFETCH(bool, endless);
        QFETCH(int, unendedBlock);
        TransferRig r(QStringLiteral("flyerName"));
        r.module.adminData = moduleData;
        r.module.endless = endless;
        r.module.unendedBlock = unendedBlock;
        const FlyerRecordRead read = ReadModuleFlyerName(r.context, QStringLiteral("Race data not saved."));
        QTEST(read.end, "end");
        QTEST(FlyerNameOf(read.record), "name");
        QFETCH(QStringList, messages);
        r.checkMessages(messages);
        QVERIFY(!r.progress.isOpen);
        if (read.end == FlyerRecordRead::End::Found) {
            QCOMPARE(r.port.written.constLast(), QByteArray(1, Ctl::EOT));
            QCOMPARE(r.progress.secondLines.constLast(), QStringLiteral("2 Blocks Transferred"));
        }
    }

    void liberationPoints_data()
    {
        QTest::addColumn<LiberationCase>("c");
        const QList<LiberationRace> three{race("7", "0514", "Lakeside"), race("12", "1231", "Riverbend N"),
                                          race("123", "0601", "Ely", "2")};
        const QByteArray first("I0071405Lakeside1");
        const QByteArray second("I0123112Riverben1");
        const QString sendAgain = QStringLiteral("\r\nThe memory module may have lost its liberation points: please send "
                                                 "all liberation points again.");
        QTest::newRow("three points")
            << LiberationCase{.races = three, .taken = {"IC0", first, second, "I0230106Ely     2"}, .held = 4,
                              .progress = "3 Races Transferred", .messages = {"       Liberation points sent = 3"}};
        QTest::newRow("99 points")
            << LiberationCase{.races = lakeside(99), .taken = {"IC0", "I0011405Lakeside1"}, .held = 100,
                              .progress = "99 Races Transferred", .messages = {"       Liberation points sent = 99"}};
        QTest::newRow("100 points, nothing sent, not even IC0")
            << LiberationCase{.races = lakeside(100), .identified = false,
                              .messages = {"There are 100 liberation points; the memory module holds at most 99."}};
        QTest::newRow("none, not even IC0") << LiberationCase{};
        QTest::newRow("no answer to IC0")
            << LiberationCase{.races = three, .unplugAfter = 0,
                              .messages = {NoTamrel, "Sending stopped after 0 of 3 liberation points." + sendAgain}};
        QTest::newRow("unplugged after IC0")
            << LiberationCase{.races = three, .unplugAfter = 1, .taken = {"IC0"}, .held = 1,
                              .messages = {NoTamrel, "Sending stopped after 0 of 3 liberation points." + sendAgain}};
        QTest::newRow("unplugged after two points")
            << LiberationCase{.races = three, .unplugAfter = 3, .taken = {"IC0", first, second}, .held = 3,
                              .progress = "2 Races Transferred",
                              .messages = {NoTamrel, "Sending stopped after 2 of 3 liberation points." + sendAgain}};
    }

    void liberationPoints()
    {
        QFETCH(LiberationCase, c);
        TransferRig r(QStringLiteral("liberations"));
        r.module.unplugAfter = c.unplugAfter;

        SendLiberationPoints(r.context, c.races);

        QCOMPARE(r.module.taken.mid(0, c.taken.size()), c.taken);
        QCOMPARE(r.module.taken.size(), c.held);
        QCOMPARE(r.progress.secondLines.value(r.progress.secondLines.size() - 1), c.progress);
        QCOMPARE(!r.port.written.isEmpty(), c.identified);
        // The clock is identified once more right before IC0.
        const qsizetype clear = r.port.written.indexOf(SimFrame(ClockLink::ClockPrefix + "IC0"));
        if (clear >= 0) {
            QCOMPARE(r.port.written.count(SimFrame(ClockLink::ClockPrefix + "v")), 2);
            QCOMPARE(r.port.written.at(clear - 1), SimFrame("e00"));
        }
        r.checkMessages(c.messages);
        QVERIFY(!r.progress.isOpen);
        QVERIFY(!r.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestTransfers)
#include "test_transfers.moc"
