#include "admin_db/records/admin_shared_state.h"
#include "admin_db/birds/bird_inventory.h"
#include "admin_db/db/transaction.h"
#include "clock/clock_identity.h"
#include "recording_bird_transfers.h"
#include "recording_prompter.h"
#include "step_verbs.h"

#include <QFile>
#include <QTest>

namespace {

const QStringList Flyers{"Abel", "Baker", "Carter", "100% Lofts", "1000 Club", "x_y"};
// flyer|band|sex|ring|colour, stored in this order; Abel's list them 1, 0, 2.
const QStringList Birds{"Abel|AU07  AB000123|C|00000A1B2C|J", "Abel|AU07  AB990001|H|0000000000| ",
                        "Abel|AU07  AB000200|C|0000000000|J", "Carter|AU07  AB000124|H|0000000000|J"};
const QString From0 = QStringLiteral("Valid years are 0--> <--31");
const QString From80 = QStringLiteral("Valid years are 80--> <--11");
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
        return Rows(own, "SELECT (SELECT Name FROM flyerlist WHERE FlyerID = BirdFlyerID)||'|'||NatOrg||HatchYr||"
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

    // One user step: "click 1", "select 0 2" (clicks 0 with 0 and 2
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
        {"click", [](BirdInventory &l, const QString &row) { l.birdClicked(row.toInt(), {row.toInt()}); }},
        {"select",
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
    void loadListsTheFirstFlyersBirds();
    void stateTable_data();
    void stateTable();
    void flyerSearch_data();
    void flyerSearch();
    void addBirdStoresFixedWidths_data();
    void addBirdStoresFixedWidths();
    void addNewProposal_data();
    void addNewProposal();
    void bandRules_data();
    void bandRules();
    void fieldChecks_data();
    void fieldChecks();
    void deleteBirds_data();
    void deleteBirds();
    void sameLineActsOnTheClickedBird();
    void afterTransfer_data();
    void afterTransfer();
    void databaseGoneOrLocked();
    void flyerDeletedMeanwhile_data();
    void flyerDeletedMeanwhile();

private:
    std::unique_ptr<SeededFile> m_file;
};

void TestBirdInventory::loadListsTheFirstFlyersBirds()
{
    Rig rig(*m_file);
    const BirdInventoryView v = rig.logic.view();
    QCOMPARE(v.flyerLines, Flyers);
    QCOMPARE(v.flyerCountLine, QStringLiteral(" 6 Flyers Listed"));
    QCOMPARE(v.flyerRow, 0);
    QCOMPARE(v.birdLines, (QStringList{" AU07  AB990001H 0000000000 ____", " AU07  AB000123C 00000A1B2C BL",
                                       " AU07  AB000200C 0000000000 BL"}));
    QCOMPARE(v.birdCountLine, QStringLiteral(" 3 Pigeon(s) listed"));
    QCOMPARE(rig.enabled(), QStringLiteral("add end send"));
    for (Table t : {Table::flyerlist, Table::birds, Table::clubs})
        QCOMPARE(rig.file.scratch.db.holders(t), QStringList{BirdWindowName});
    rig.logic.end();
    for (Table t : {Table::flyerlist, Table::birds, Table::clubs})
        QVERIFY(!rig.file.scratch.db.isHeld(t));
    QVERIFY(rig.prompter.messages.isEmpty());
}

void TestBirdInventory::stateTable_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<int>("birdRow");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("countLine");
    const QString listed = QStringLiteral(" 3 Pigeon(s) listed");
    const QString oneSelected = QStringLiteral(" 3 Pigeon(s) listed,  1 Pigeon(s) Selected");
    const QString bird1 = QStringLiteral("AU|07|  AB|000123|Blue");
    QTest::newRow("bird clicked") << QStringList{"click 1"} << "add edit delete end send" << 1 << bird1
                                  << oneSelected;
    QTest::newRow("several selected") << QStringList{"select 0 2"} << "add edit delete end send" << 0
                                      << "AU|07|  AB|990001|Other" << " 3 Pigeon(s) listed,  2 Pigeon(s) Selected";
    QTest::newRow("adding") << QStringList{"click 1", "add"} << "save cancel fields" << 1
                            << "AU|07|  AB|000124|Blue" << oneSelected;
    QTest::newRow("editing") << QStringList{"click 1", "edit"} << "save cancel fields" << 1 << bird1
                             << oneSelected;
    QTest::newRow("editing, a field emptied") << QStringList{"click 1", "edit", "year "} << "cancel fields"
                                              << 1 << "AU||  AB|000123|Blue" << oneSelected;
    QTest::newRow("edit cancelled") << QStringList{"click 1", "edit", "club zz", "cancel"}
                                    << "add edit delete end send" << 1 << bird1 << oneSelected;
    QTest::newRow("adding without a bird shown") << QStringList{"add"} << "cancel fields" << -1
                                                 << "US|||000001|Other" << listed;
    QTest::newRow("bird clicked while adding") << QStringList{"click 0", "add", "click 2"}
                                               << "add edit delete end send" << 2 << "AU|07|  AB|000200|Blue"
                                               << oneSelected;
    QTest::newRow("flyer clicked while adding") << QStringList{"click 0", "add", "flyer 2"} << "add end send" << -1
                                                << "||||" << " 1 Pigeon(s) listed";
    QTest::newRow("flyer without birds") << QStringList{"click 1", "flyer 1"} << "add end" << -1 << "||||"
                                         << " 0 Pigeon(s) listed";
}

void TestBirdInventory::stateTable()
{
    QFETCH(QStringList, steps);
    Rig rig(*m_file);
    rig.steps(steps);
    QTEST(rig.enabled(), "enabled");
    QTEST(rig.logic.view().birdRow, "birdRow");
    QTEST(rig.fields(), "fields");
    QTEST(rig.logic.view().birdCountLine, "countLine");
    QVERIFY(rig.prompter.messages.isEmpty());
}

void TestBirdInventory::flyerSearch_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("other case") << "aB" << QStringList{"Abel"};
    QTest::newRow("percent is literal") << "100%" << QStringList{"100% Lofts"};
    QTest::newRow("digits match both") << "100" << QStringList{"100% Lofts", "1000 Club"};
    QTest::newRow("underscore is literal") << "x_" << QStringList{"x_y"};
    QTest::newRow("no match") << "Zebra" << QStringList{};
}

void TestBirdInventory::flyerSearch()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    Rig rig(*m_file);
    rig.step(QStringLiteral("click 1"));
    rig.step(QStringLiteral("search ") + typed);
    const BirdInventoryView v = rig.logic.view();
    if (listed.isEmpty()) {
        QCOMPARE(v.flyerLines, QStringList{"No flyers available"});
        QCOMPARE(v.flyerCountLine, QStringLiteral(" 0 Flyers Listed"));
        QCOMPARE(v.birdLines, QStringList{"No pigeons available"});
        QCOMPARE(v.birdCountLine, QStringLiteral(" 0 Pigeons Listed"));
        QVERIFY(!v.flyerListEnabled && !v.birdListEnabled);
        QCOMPARE(rig.enabled(), QStringLiteral("end"));
        QCOMPARE(rig.fields(), QStringLiteral("||||"));
    } else {
        QCOMPARE(v.flyerLines, listed);
        QCOMPARE(v.flyerCountLine, QStringLiteral(" %1 Flyers Listed").arg(listed.size()));
        QCOMPARE(v.flyerRow, 0);
    }
    rig.step(QStringLiteral("search "));
    QCOMPARE(rig.logic.view().flyerLines, Flyers);
}

void TestBirdInventory::addBirdStoresFixedWidths_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("line");
    const QStringList typed{"flyer 1", "add", "org au", "year 7", "club ab", "id 321", "color Blue"};
    QTest::newRow("fields left") << typed + QStringList{"leave year", "leave club", "leave id", "save"}
                                 << "Baker|AU07  AB000321|C|0000000000|J|0" << " AU07  AB000321C 0000000000 BL";
    QTest::newRow("saved from within a field") << typed + QStringList{"save"}
                                               << "Baker|AU07  AB000321|C|0000000000|J|0"
                                               << " AU07  AB000321C 0000000000 BL";
    QTest::newRow("quote and bar in club letters") << QStringList{"flyer 1", "add", "year 20", "club a'|b", "hen",
                                                                  "color Other", "save"}
                                                   << "Baker|US20A  B000001|H|0000000000| |0"
                                                   << " US20A  B000001H 0000000000 ____";
}

void TestBirdInventory::addBirdStoresFixedWidths()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, line);
    Rig rig(*m_file);
    rig.steps(steps);
    QCOMPARE(rig.prompter.texts(), QStringList{});
    QTEST(rig.stored().constLast(), "stored");
    QCOMPARE(rig.stored().size(), Birds.size() + 1);
    const BirdInventoryView v = rig.logic.view();
    QCOMPARE(v.birdLines, QStringList{line});
    QCOMPARE(v.birdRow, 0);
    QCOMPARE(rig.enabled(), QStringLiteral("add edit delete end send"));
    QCOMPARE(rig.focus, BirdFocus::BirdList);
}

void TestBirdInventory::addNewProposal_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<BirdFocus>("focus");
    QTest::newRow("next band of the bird shown") << QStringList{"click 1", "add"} << "AU|07|  AB|000124|Blue"
                                                 << BirdFocus::Save;
    QTest::newRow("run of bands") << QStringList{"click 1", "add", "id 000125", "save", "add"}
                                  << "AU|07|  AB|000126|Blue" << BirdFocus::Save;
    QTest::newRow("flyer without birds") << QStringList{"flyer 1", "add"} << "US|||000001|Other"
                                         << BirdFocus::Year;
}

void TestBirdInventory::addNewProposal()
{
    QFETCH(QStringList, steps);
    QFETCH(BirdFocus, focus);
    Rig rig(*m_file);
    rig.steps(steps);
    QTEST(rig.fields(), "fields");
    QCOMPARE(rig.focus, focus);
    QCOMPARE(rig.logic.view().saveEnabled, focus == BirdFocus::Save);
    QVERIFY(rig.logic.adding());
}

void TestBirdInventory::bandRules_data()
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
    QTest::newRow("band of the same flyer") << QStringList{"click 1", "add", "id 000200", "save"} << "AU07  AB000200"
                                            << unchanged;
    QTest::newRow("band typed in other case") << QStringList{"flyer 1", "add", "org au", "year 07", "club ab",
                                                             "id 200", "save"}
                                              << "AU07  AB000200" << unchanged;
    QTest::newRow("edit keeps its own band and ring") << QStringList{"click 1", "edit", "hen", "color Red", "save"}
                                                      << "" << recoloured;
    QTest::newRow("edit to another bird's band") << QStringList{"click 1", "edit", "id 000200", "save"}
                                                 << "AU07  AB000200" << unchanged;
}

void TestBirdInventory::bandRules()
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

void TestBirdInventory::fieldChecks_data()
{
    QTest::addColumn<double>("lmdVersion");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<int>("added");
    const QStringList editing{"click 1", "edit"};
    const QString allFields = QStringLiteral("All fields must have data!");
    QTest::newRow("year out of the window") << 0.0 << editing + QStringList{"year 50", "leave year"}
                                            << QStringList{From0} << "AU|50|  AB|000123|Blue" << 0;
    QTest::newRow("2005 on a 3.40 module") << 3.40 << editing + QStringList{"year 5", "leave year"} << QStringList{}
                                           << "AU|05|  AB|000123|Blue" << 0;
    QTest::newRow("1979 on a 3.40 module") << 3.40 << editing + QStringList{"year 79", "leave year"}
                                           << QStringList{From80} << "AU|79|  AB|000123|Blue" << 0;
    QTest::newRow("empty year left") << 3.40 << editing + QStringList{"year ", "leave year"} << QStringList{}
                                     << "AU||  AB|000123|Blue" << 0;
    QTest::newRow("club letters left") << 0.0 << editing + QStringList{"club x", "leave club"} << QStringList{}
                                       << "AU|07|   x|000123|Blue" << 0;
    QTest::newRow("ID number left") << 0.0 << editing + QStringList{"id 42", "leave id"} << QStringList{}
                                    << "AU|07|  AB|000042|Blue" << 0;
    QTest::newRow("org not a code") << 0.0 << editing + QStringList{"org UK", "leave org"}
                                    << QStringList{NatOrgMessage()} << "UK|07|  AB|000123|Blue" << 0;
    QTest::newRow("bad org saved by shortcut") << 0.0 << QStringList{"click 1", "add", "org uc", "save"}
                                               << QStringList{NatOrgMessage()} << "uc|07|  AB|000124|Blue" << 0;
    QTest::newRow("bad year saved by shortcut") << 0.0 << QStringList{"click 1", "add", "year 50", "save"}
                                                << QStringList{From0} << "AU|50|  AB|000124|Blue" << 0;
    QTest::newRow("empty field saved") << 0.0 << QStringList{"add", "save"} << QStringList{allFields}
                                       << "US|||000001|Other" << 0;
    QTest::newRow("3.40 module, 2011 added") << 3.40 << QStringList{"click 1", "add", "year 11", "save"}
                                             << QStringList{} << "AU|11|  AB|000124|Blue" << 1;
}

void TestBirdInventory::fieldChecks()
{
    QFETCH(double, lmdVersion);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, messages);
    QFETCH(QString, fields);
    QFETCH(int, added);
    Rig rig(*m_file, Birds, lmdVersion);
    rig.steps(steps);
    QCOMPARE(rig.prompter.texts(), messages);
    QCOMPARE(rig.fields(), fields);
    QCOMPARE(rig.stored().size(), Birds.size() + added);
    if (messages == QStringList{QStringLiteral("All fields must have data!")}) {
        QCOMPARE(rig.prompter.messages.constFirst().title, QStringLiteral("Error"));
        QCOMPARE(rig.prompter.messages.constFirst().icon, MsgIcon::Critical);
        QCOMPARE(rig.focus, BirdFocus::Year);
    }
}

void TestBirdInventory::deleteBirds_data()
{
    QTest::addColumn<QStringList>("birds");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("left");   // bands of Abel's birds left, in list order
    const QStringList five{"Abel|US20  AB000001|C|0000000000|J", "Abel|US20  AB000002|C|0000000000|J",
                           "Abel|US20  AB000003|C|0000000000|J", "Abel|US20  AB000004|C|0000000000|J",
                           "Abel|US20  AB000005|C|0000000000|J"};
    const QString all = QStringLiteral("Are you sure you wish to DELETE all selected records ?");
    const QString single = QStringLiteral("Are you sure you wish to DELETE this single record ?");
    QTest::newRow("three selected, yes") << five << QStringList{"check", "select 1 2 4", "delete yes"} << all
                                         << QStringList{"000001", "000004"};
    QTest::newRow("three selected, no") << five << QStringList{"check", "select 1 2 4", "delete no"} << all
                                        << QStringList{"000001", "000002", "000003", "000004", "000005"};
    QTest::newRow("unchecked: the clicked one") << five << QStringList{"select 3 0 1", "delete yes"} << single
                                                << QStringList{"000001", "000002", "000003", "000005"};
    QTest::newRow("the last bird") << QStringList{five.constFirst()} << QStringList{"click 0", "delete yes"}
                                   << single << QStringList{};
}

void TestBirdInventory::deleteBirds()
{
    QFETCH(QStringList, birds);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, left);
    Rig rig(*m_file, birds);
    rig.steps(steps);
    QCOMPARE(rig.prompter.messages.size(), 1);
    const Message &asked = rig.prompter.messages.constFirst();
    QTEST(asked.text, "question");
    QCOMPARE(asked.title, QStringLiteral("Delete Record"));
    QCOMPARE(asked.buttons, MsgButtons::YesNo);
    QCOMPARE(asked.defaultButton, 1);
    QStringList bands;
    for (const QString &line : rig.logic.view().birdLines)
        bands.append(line.mid(9, 6));
    if (left.isEmpty())
        QCOMPARE(rig.logic.view().birdLines, QStringList{"No birds to list"});
    else
        QCOMPARE(bands, left);
    QCOMPARE(rig.stored().size(), left.size());
    if (!left.isEmpty() && steps.constLast() == QLatin1String("delete yes")) {
        QCOMPARE(rig.logic.view().birdRow, 0);
        QCOMPARE(rig.focus, BirdFocus::BirdList);
    }
}

void TestBirdInventory::sameLineActsOnTheClickedBird()
{
    // Older data may hold one band twice; its lines read alike.
    const QString same = QStringLiteral("Abel|AU07  AB000123|C|0000000000|J");
    const QString edited = QStringLiteral("Abel|AU07  AB000999|H|0000000000|J|1");
    Rig rig(*m_file, {same, same, same});
    QCOMPARE(rig.logic.view().birdLines.at(0), rig.logic.view().birdLines.at(1));
    rig.steps({"click 1", "edit", "hen", "id 000999", "save"});
    QCOMPARE(rig.stored(), (QStringList{same + "|0", edited, same + "|0"}));
    // The two alike now show as lines 0 and 1, the second stored last.
    rig.steps({"click 1", "delete yes"});
    QCOMPARE(rig.stored(), (QStringList{same + "|0", edited}));
}

void TestBirdInventory::afterTransfer_data()
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
void TestBirdInventory::afterTransfer()
{
    QFETCH(BirdTransferEnd, reply);
    Rig rig(*m_file);
    rig.transfers.reply = reply;
    rig.steps({"flyer 2", "check", "select 0"});
    rig.logic.sendBirds();
    rig.transfers.reply = {};
    rig.logic.receiveBirds();
    QCOMPARE(rig.transfers.receives, 1);
    QCOMPARE(rig.transfers.sent.size(), 1);
    const BirdSendRequest &sent = rig.transfers.sent.constFirst();
    QCOMPARE(sent.flyerName, Flyers.at(2));
    QVERIFY(sent.onlySelected);
    QCOMPARE(sent.selectedKeys, QList<qint64>{4});
    const BirdInventoryView v = rig.logic.view();
    QTEST(v.flyerRow, "flyerRow");
    QTEST(v.birdRow, "birdRow");
    QTEST(rig.logic.takeCloseRequest(), "closes");
    QVERIFY(!rig.logic.takeCloseRequest());
}

void TestBirdInventory::databaseGoneOrLocked()
{
    SeededFile gone(QStringLiteral("birdFileGone"));
    Rig rig(gone);
    const QStringList before = rig.stored();
    {
        // Another program holds the file.
        rig.steps({"click 1", "add", "id 000500"});
        Connection other;
        rig.file.scratch.openOwn(other);
        other.execute("BEGIN EXCLUSIVE");
        rig.step(QStringLiteral("save"));
        QCOMPARE(rig.prompter.texts().size(), 1);
        QVERIFY2(rig.prompter.texts().constFirst().endsWith(
                     QStringLiteral(" #:3051.\r\nPlease notify Calmeer Electronics USA of this ERROR")),
                 qPrintable(rig.prompter.texts().constFirst()));
        QVERIFY(rig.logic.adding());
    }
    rig.step(QStringLiteral("save"));
    QCOMPARE(rig.stored(), before + QStringList{"Abel|AU07  AB000500|C|0000000000|J|0"});

    QVERIFY(QFile::remove(rig.file.scratch.path()));
    rig.prompter.reset();
    rig.steps({"add", "save"});
    QVERIFY2(rig.prompter.texts().size() == 1, qPrintable(rig.prompter.texts().join(QLatin1Char('|'))));
    QVERIFY(rig.prompter.texts().constFirst().contains(QStringLiteral(" #:3024.")));
    QVERIFY(rig.logic.adding());
    QVERIFY(!QFile::exists(rig.file.scratch.path()));
}

// Another window deletes the chosen flyer while a bird is typed for him.
void TestBirdInventory::flyerDeletedMeanwhile_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::newRow("adding") << QStringList{"click 1", "add", "id 000500"};
    QTest::newRow("editing") << QStringList{"click 0", "edit", "id 000501"};
}

void TestBirdInventory::flyerDeletedMeanwhile()
{
    QFETCH(QStringList, script);
    SeededFile file(QStringLiteral("birdFlyerGone"));
    Rig rig(file);
    const QStringList before = rig.stored();
    rig.steps(script);
    file.own.execute("DELETE FROM flyerlist WHERE Name = 'Abel'");

    rig.step(QStringLiteral("save"));

    QCOMPARE(rig.prompter.texts(),
             QStringList{QStringLiteral("The flyer Abel is no longer in the database: the bird was not stored.")});
    Statement typed = file.own.prepare("SELECT count(*) FROM birds WHERE bnumber IN ('000500', '000501')");
    QVERIFY(typed.next());
    QCOMPARE(typed.number(0), 0);
    QCOMPARE(rig.stored().size(), before.size());
    QVERIFY(!rig.logic.adding() && !rig.logic.editing());
    QVERIFY(!rig.logic.view().flyerLines.join(QLatin1Char('|')).contains(QStringLiteral("Abel")));
}

QTEST_APPLESS_MAIN(TestBirdInventory)
#include "test_bird_inventory.moc"
