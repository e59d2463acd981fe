#include "admin_db/records/admin_shared_state.h"
#include "admin_db/birds/bird_inventory.h"
#include "admin_db/db/transaction.h"
#include "clock/clock_identity.h"
#include "recording_bird_transfers.h"
#include "recording_prompter.h"
#include "step_verbs.h"

#include <QTest>

namespace {

const QStringList Flyers{"Abel", "Baker", "Carter", "100% Lofts", "1000 Club", "x_y"};
// flyer|band|sex|ring|colour, stored in this order; Abel's list them 1, 0, 2.
const QStringList Birds{"Abel|AU07  AB000123|C|00000A1B2C|J", "Abel|AU07  AB990001|H|0000000000| ",
                        "Abel|AU07  AB000200|C|0000000000|J", "Carter|AU07  AB000124|H|0000000000|J"};
const QString From0 = QStringLiteral("Valid years are 0--> <--31");
const QString Taken = QStringLiteral(" already exists, please select another Nat Org, Hatch Year, Club, or Band number");

// A scratch database that is seeded anew for every case; the connections a
// case leaves open serve the next one, as opening a keyed file is slow.
struct SeededFile {
    explicit SeededFile(const QString &name) : scratch(name) { scratch.openOwn(own); }

    // Flyers with keys 1 to 6 and the birds (flyer|band|sex|ring|colour), in
    // this order.
    void seed(const QStringList &birds)
    {
        Transaction together(own);
        for (const char *sql : {"DELETE FROM birds", "DELETE FROM flyerlist",
                                "DELETE FROM sqlite_sequence WHERE name = 'flyerlist'"})
            own.execute(sql);
        InsertRows(own, "INSERT INTO flyerlist (Name, ClubID) VALUES (?, 1)", Flyers);
        QStringList rows;
        for (const QString &row : birds) {
            const QStringList f = row.split(QLatin1Char('|'));
            const QString &band = f.at(1);
            rows.append(QStringList{QString::number(Flyers.indexOf(f.at(0)) + 1), band.mid(0, 2), band.mid(2, 2),
                                    band.mid(4, 4), band.mid(8), f.at(2), f.at(3), f.at(4)}
                            .join(QLatin1Char('|')));
        }
        InsertRows(own, "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, "
                        "type) VALUES (?, ?, ?, ?, ?, ?, ?, ?, '0')", rows);
        together.commit();
    }

    // flyer|band|sex|ring|colour|type of every bird, in table order.
    QStringList stored()
    {
        return Rows(own,
            "SELECT (SELECT Name FROM flyerlist WHERE FlyerID = BirdFlyerID)||'|'||NatOrg||HatchYr||"
            "clubletters||bnumber||'|'||sex||'|'||elecnumber||'|'||color||'|'||type FROM birds ORDER BY rowid");
    }

    ScratchDatabase scratch;
    // The test's own view of the file, as another part of the program has it.
    Connection own;
};

// The logic, loaded, over a freshly seeded file.
struct Rig {
    explicit Rig(SeededFile &file, const QStringList &birds = Birds, double lmdVersion = 0) : file(file)
    {
        clock.LmdVersion = lmdVersion;
        file.seed(birds);
        AddFieldVerbs(verbs, {"org", "year", "club", "id"}, &BirdInventory::fieldEdited);
        logic.load();
    }

    QStringList stored() { return file.stored(); }

    // One user step: "click 1", "click 0 2" (clicks 0 with 0 and 2
    // selected), "flyer 1", "search ab", "add", "edit", "save", "cancel",
    // "check", "delete yes", "leave year", "hen", "color Blue", or a band
    // field and what it now holds: "club ab".
    void step(const QString &step) { steps({step}); }
    void steps(const QStringList &script) { TakeSteps(logic, verbs, script, focus); }

    // The enabled buttons, "fields" when the band fields are enabled.
    QString enabled() const
    {
        const BirdInventoryView v = logic.view();
        return EnabledNames({{v.addNewEnabled, "add"}, {v.editEnabled, "edit"}, {v.saveEnabled, "save"},
                             {v.cancelEnabled, "cancel"}, {v.deleteEnabled, "delete"}, {v.endEnabled, "end"},
                             {v.sendBirdsEnabled, "send"}, {v.fieldsEnabled, "fields"}});
    }

    QString view() const { return enabled() + QLatin1Char('|') + fields(); }

    // org|year|club|id|colour name.
    QString fields() const
    {
        const BirdFields f = logic.view().fields;
        return QStringList{f.band.org, f.band.year, f.band.club, f.band.idNumber,
                           logic.colorNames().value(f.colorIndex)}.join(QLatin1Char('|'));
    }

    SeededFile &file;
    RecordingPrompter prompter;
    AdminSharedState shared;
    ClockIdentity clock;
    QString nationalOrg = QStringLiteral("US");
    RecordingBirdTransfers transfers;
    BirdInventory logic{file.scratch.db, prompter, shared, clock, [this] { return nationalOrg; }, transfers};
    BirdFocus focus = BirdFocus::None;
    StepVerbs<BirdInventory> verbs = RecordVerbs<BirdInventory>({
        {"click",
         [](BirdInventory &l, const QString &rest) {
             QList<int> rows;
             for (const QString &r : rest.split(QLatin1Char(' ')))
                 rows.append(r.toInt());
             l.birdClicked(rows.constFirst(), rows);
         }},
        {"flyer", [](BirdInventory &l, const QString &row) { l.flyerClicked(row.toInt()); }},
        {"search", [](BirdInventory &l, const QString &text) { l.searchChanged(text); }},
        {"check", [](BirdInventory &l, const QString &) { l.setOnlySelectedBirds(true); }},
        {"delete", Answered(prompter, &BirdInventory::deleteBirds)},
        {"color", [](BirdInventory &l, const QString &name) { l.colorChosen(l.colorNames().indexOf(name)); }},
        {"hen", [](BirdInventory &l, const QString &) { l.sexChosen(false); }},
        {"leave",
         [](BirdInventory &l, const QString &field) {
             const QHash<QString, void (BirdInventory::*)()> leaving{
                 {"org", &BirdInventory::leaveOrg}, {"year", &BirdInventory::leaveYear},
                 {"club", &BirdInventory::leaveClub}, {"id", &BirdInventory::leaveIdNumber}};
             (l.*leaving.value(field))();
         }},
    });
};

} // namespace

Q_DECLARE_METATYPE(BirdFocus)
Q_DECLARE_METATYPE(BirdTransferEnd)

class TestBirdInventory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_file = std::make_unique<SeededFile>(QStringLiteral("birdInventory")); }
    void cleanupTestCase() { m_file.reset(); }
    void loadListsTheFirstFlyersBirds()
    {
        Rig rig(*m_file);
        const BirdInventoryView v = rig.logic.view();
        QCOMPARE(v.flyerLines, Flyers);
        QCOMPARE(v.flyerCountLine, QStringLiteral(" 6 Flyers Listed"));
        QCOMPARE(v.birdLines, (QStringList{" AU07  AB990001H 0000000000 ____", " AU07  AB000123C 00000A1B2C BL",
                                           " AU07  AB000200C 0000000000 BL"}));
        rig.logic.end();
        QVERIFY(rig.file.scratch.db.dataWindows().isEmpty());
    }

    void stateTable_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("birdRow");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("countLine");
        QTest::addColumn<BirdFocus>("focus");
        using F = BirdFocus;
        const QString oneSelected = QStringLiteral(" 3 Pigeon(s) listed,  1 Pigeon(s) Selected");
        const QString bird1 = QStringLiteral("AU|07|  AB|000123|Blue");
        QTest::newRow("loaded") << QStringList{} << "add end send" << -1 << "||||" << " 3 Pigeon(s) listed" << F::None;
        QTest::newRow("several selected") << QStringList{"click 0 2"} << "add edit delete end send" << 0
                                          << "AU|07|  AB|990001|Other" << " 3 Pigeon(s) listed,  2 Pigeon(s) Selected"
                                          << F::None;
        QTest::newRow("run of bands") << QStringList{"click 1", "add", "id 000125", "save", "add"} << "save cancel fields"
                                      << 2 << "AU|07|  AB|000126|Blue" << " 4 Pigeon(s) listed,  1 Pigeon(s) Selected"
                                      << F::Save;
        QTest::newRow("editing, a field emptied") << QStringList{"click 1", "edit", "year "} << "cancel fields"
                                                  << 1 << "AU||  AB|000123|Blue" << oneSelected << F::Org;
        QTest::newRow("edit cancelled") << QStringList{"click 1", "edit", "club zz", "cancel"}
                                        << "add edit delete end send" << 1 << bird1 << oneSelected << F::Org;
        QTest::newRow("adding without a bird shown") << QStringList{"add"} << "cancel fields" << -1
                                                     << "US|||000001|Other" << " 3 Pigeon(s) listed" << F::Year;
        QTest::newRow("bird clicked while adding") << QStringList{"click 0", "add", "click 2"}
                                                   << "add edit delete end send" << 2 << "AU|07|  AB|000200|Blue"
                                                   << oneSelected << F::Save;
        QTest::newRow("flyer clicked while adding") << QStringList{"click 0", "add", "flyer 2"} << "add end send" << -1
                                                    << "||||" << " 1 Pigeon(s) listed" << F::Save;
        QTest::newRow("flyer without birds") << QStringList{"click 1", "flyer 1"} << "add end" << -1 << "||||"
                                             << " 0 Pigeon(s) listed" << F::None;
        QTest::newRow("search finding no flyer") << QStringList{"click 1", "search Zebra"} << "end" << -1 << "||||"
                                                 << " 0 Pigeons Listed" << F::None;
        QTest::newRow("search in any case") << QStringList{"flyer 2", "search cA"} << "add end send" << -1 << "||||"
                                            << " 1 Pigeon(s) listed" << F::None;
    }

    void stateTable()
    {
        QFETCH(QStringList, steps);
        Rig rig(*m_file);
        rig.steps(steps);
        QTEST(rig.enabled(), "enabled");
        QTEST(rig.logic.view().birdRow, "birdRow");
        QTEST(rig.fields(), "fields");
        QTEST(rig.logic.view().birdCountLine, "countLine");
        QTEST(rig.focus, "focus");
        QVERIFY(rig.prompter.messages.isEmpty());
    }

    // A band saved without leaving its fields is stored at its fixed widths.
    void addBirdStoresFixedWidths()
    {
        Rig rig(*m_file);
        rig.steps({"flyer 1", "add", "org au", "year 7", "club ab", "id 321", "color Blue", "save"});
        QCOMPARE(rig.prompter.texts(), QStringList{});
        QCOMPARE(rig.stored().size(), Birds.size() + 1);
        QCOMPARE(rig.stored().constLast(), QStringLiteral("Baker|AU07  AB000321|C|0000000000|J|0"));
        const BirdInventoryView v = rig.logic.view();
        QCOMPARE(v.birdLines, QStringList{" AU07  AB000321C 0000000000 BL"});
        QCOMPARE(v.birdRow, 0);
        QCOMPARE(rig.enabled(), QStringLiteral("add edit delete end send"));
        QCOMPARE(rig.focus, BirdFocus::BirdList);
    }

    void bandRules_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("refused");   // the band named, empty when stored
        QTest::addColumn<QStringList>("stored");
        QStringList recoloured = Birds;
        recoloured[0] = QStringLiteral("Abel|AU07  AB000123|H|00000A1B2C|(|1");
        for (int i = 1; i < recoloured.size(); ++i)
            recoloured[i] += QStringLiteral("|0");
        QStringList unchanged = Birds;
        for (QString &b : unchanged)
            b += QStringLiteral("|0");
        QTest::newRow("band of another flyer") << QStringList{"click 1", "add", "save"} << "AU07  AB000124" << unchanged;
        QTest::newRow("band typed in other case") << QStringList{"flyer 1", "add", "org au", "year 07", "club ab",
                                                                 "id 200", "save"}
                                                  << "AU07  AB000200" << unchanged;
        QTest::newRow("edit keeps its own band and ring") << QStringList{"click 1", "edit", "hen", "color Red", "save"}
                                                          << "" << recoloured;
    }

    void bandRules()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, refused);
        Rig rig(*m_file);
        rig.steps(steps);
        QCOMPARE(rig.prompter.texts(), refused.isEmpty() ? QStringList{} : QStringList{refused + Taken});
        QTEST(rig.stored(), "stored");
        // Refused, the fields stay as typed for another try.
        QCOMPARE(rig.logic.view().cancelEnabled, !refused.isEmpty());
    }

    void fieldChecks_data()
    {
        QTest::addColumn<double>("lmdVersion");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("fields");
        const QStringList editing{"click 1", "edit"};
        QTest::newRow("year out of the window") << 0.0 << editing + QStringList{"year 50", "leave year"}
                                                << QStringList{From0} << "AU|50|  AB|000123|Blue";
        QTest::newRow("1979 on a 3.40 module") << 3.40 << editing + QStringList{"year 79", "leave year"}
                                               << QStringList{QStringLiteral("Valid years are 80--> <--11")}
                                               << "AU|79|  AB|000123|Blue";
        QTest::newRow("empty year left") << 3.40 << editing + QStringList{"year ", "leave year"} << QStringList{}
                                         << "AU||  AB|000123|Blue";
        QTest::newRow("club letters left") << 0.0 << editing + QStringList{"club x", "leave club"} << QStringList{}
                                           << "AU|07|   x|000123|Blue";
        QTest::newRow("ID number left") << 0.0 << editing + QStringList{"id 42", "leave id"} << QStringList{}
                                        << "AU|07|  AB|000042|Blue";
        QTest::newRow("bad org saved by shortcut") << 0.0 << QStringList{"click 1", "add", "org uc", "save"}
                                                   << QStringList{NatOrgMessage()} << "uc|07|  AB|000124|Blue";
        QTest::newRow("bad year saved by shortcut") << 0.0 << QStringList{"click 1", "add", "year 50", "save"}
                                                    << QStringList{From0} << "AU|50|  AB|000124|Blue";
        QTest::newRow("empty field saved") << 0.0 << QStringList{"add", "save"}
                                           << QStringList{"All fields must have data!"} << "US|||000001|Other";
    }

    void fieldChecks()
    {
        QFETCH(double, lmdVersion);
        QFETCH(QStringList, steps);
        Rig rig(*m_file, Birds, lmdVersion);
        rig.steps(steps);
        QTEST(rig.prompter.texts(), "messages");
        QTEST(rig.fields(), "fields");
        QCOMPARE(rig.stored().size(), Birds.size());
        for (const Message &m : std::as_const(rig.prompter.messages)) {
            const bool entry = m.text.startsWith(QLatin1String("All fields"));
            QCOMPARE(m.icon, entry ? MsgIcon::Critical : MsgIcon::None);
            if (entry)
                QCOMPARE(rig.focus, BirdFocus::Year);
        }
    }

    void deleteBirds_data()
    {
        QTest::addColumn<QStringList>("birds");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("left");   // bands stored afterwards
        QTest::addColumn<int>("shown");          // the bird the fields show
        QStringList five;
        for (int n = 1; n <= 5; ++n)
            five.append(QStringLiteral("Abel|US20  AB00000%1|C|0000000000|J").arg(n));
        const QString all = QStringLiteral("Are you sure you wish to DELETE all selected records ?");
        const QString single = QStringLiteral("Are you sure you wish to DELETE this single record ?");
        QTest::newRow("three selected, no") << five << QStringList{"check", "click 1 2 4", "delete no"} << all
                                            << QStringList{"000001", "000002", "000003", "000004", "000005"} << 1;
        QTest::newRow("unchecked: the clicked one") << five << QStringList{"click 3 0 1", "delete yes"} << single
                                                    << QStringList{"000001", "000002", "000003", "000005"} << 0;
        QTest::newRow("the last bird") << five.mid(0, 1) << QStringList{"click 0", "delete yes"} << single
                                       << QStringList{} << -1;
    }

    void deleteBirds()
    {
        QFETCH(QStringList, birds);
        QFETCH(QStringList, steps);
        Rig rig(*m_file, birds);
        rig.steps(steps);
        QCOMPARE(rig.prompter.messages.size(), 1);
        const Message &asked = rig.prompter.messages.constFirst();
        QTEST(asked.text, "question");
        QCOMPARE(asked.title, QStringLiteral("Delete Record"));
        QCOMPARE(answersOf(asked.buttons).value(asked.defaultButton), MsgAnswer::No);
        QTEST(Rows(rig.file.own, "SELECT bnumber FROM birds ORDER BY rowid"), "left");
        QTEST(rig.logic.view().birdRow, "shown");
        QCOMPARE(rig.focus, rig.logic.view().birdRow == 0 ? BirdFocus::BirdList : BirdFocus::None);
        QCOMPARE(rig.logic.view().birdLines.size(), qMax(rig.stored().size(), 1));
    }

    void afterTransfer_data()
    {
        using Then = BirdTransferEnd::Then;
        QTest::addColumn<BirdTransferEnd>("reply");
        QTest::addColumn<int>("flyerRow");   // the flyer chosen afterwards
        QTest::addColumn<int>("birdRow");    // the bird the fields show
        QTest::addColumn<bool>("closes");
        QTest::newRow("nothing") << BirdTransferEnd{} << 2 << 0 << false;
        QTest::newRow("birds read anew") << BirdTransferEnd{Then::RefreshBirds, {}} << 2 << -1 << false;
        QTest::newRow("flyers read anew, the flyer kept") << BirdTransferEnd{Then::RefillFlyers, {}} << 2 << -1 << false;
        QTest::newRow("the received flyer") << BirdTransferEnd{Then::ShowFlyer, Flyers.at(0)} << 0 << -1 << false;
        QTest::newRow("another window takes over") << BirdTransferEnd{Then::Close, {}} << 2 << 0 << true;
    }

    // Both commands follow what the clock commands say, sending the chosen
    // flyer's birds, or the selected ones with their keys.
    void afterTransfer()
    {
        QFETCH(BirdTransferEnd, reply);
        Rig rig(*m_file);
        rig.transfers.reply = reply;
        rig.steps({"flyer 2", "check", "click 0"});
        rig.logic.sendBirds();
        rig.transfers.reply = {};
        rig.logic.receiveBirds();
        QCOMPARE(rig.transfers.receives, 1);
        QCOMPARE(rig.transfers.sent.constFirst().selectedKeys, QList<qint64>{4});
        const BirdInventoryView v = rig.logic.view();
        QTEST(v.flyerRow, "flyerRow");
        QTEST(v.birdRow, "birdRow");
        QTEST(rig.logic.takeCloseRequest(), "closes");
        QVERIFY(!rig.logic.takeCloseRequest());
    }

    // The failing save says what went wrong and keeps what was typed; once the
    // file is back, the same save stores it.
    void databaseFailure()
    {
        Rig rig(*m_file);
        FailThenRetry(rig, m_file->scratch, QStringLiteral("deleted"), {"click 1", "edit", "hen", "save"},
                      QStringLiteral(" #:3024.\r\nPlease notify"));
        QCOMPARE(rig.prompter.messages.size(), 1);
        QVERIFY(rig.stored().contains(QStringLiteral("Abel|AU07  AB000123|H|00000A1B2C|J|1")));
    }

    // Another window deletes the chosen flyer while a bird is typed for him.
    void flyerDeletedMeanwhile_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::newRow("adding") << QStringList{"click 1", "add", "id 000500"};
        QTest::newRow("editing") << QStringList{"click 0", "edit", "id 000501"};
    }

    void flyerDeletedMeanwhile()
    {
        QFETCH(QStringList, script);
        Rig rig(*m_file);
        const QStringList before = rig.stored();
        rig.steps(script);
        m_file->own.execute("DELETE FROM flyerlist WHERE Name = 'Abel'");
        rig.step(QStringLiteral("save"));
        QCOMPARE(rig.prompter.texts(),
                 QStringList{QStringLiteral("The flyer Abel is no longer in the database: the bird was not stored.")});
        QCOMPARE(rig.stored().size(), before.size());
        QVERIFY(!rig.logic.adding() && !rig.logic.editing());
        QVERIFY(!rig.logic.view().flyerLines.join(QLatin1Char('|')).contains(QStringLiteral("Abel")));
    }

private:
    std::unique_ptr<SeededFile> m_file;
};

QTEST_APPLESS_MAIN(TestBirdInventory)
#include "test_bird_inventory.moc"
