#include "admin_db/records/admin_shared_state.h"
#include "admin_db/flyers/flyer_logic.h"
#include "recording_prompter.h"
#include "test_club_flyer_file.h"
#include "test_club_flyer_steps.h"

#include <QTest>

namespace {

const QStringList Clubs{QStringLiteral("7|Northside"), QStringLiteral("12|Lakeside")};
// Flyers 1 to 3 (name|club each); Smith has 30 birds, Jones 2.
const QStringList Flyers{QStringLiteral("Smith|7"), QStringLiteral("Smithers|12"), QStringLiteral("Jones|7")};
const QList<int> Birds{30, 0, 2};

// The bird window as the flyer window sees it, recording what it is asked.
struct FakeBirdWindow : BirdWindowAccess {
    void FillBirdFlyerList() override { calls.append(QStringLiteral("fill")); }
    void selectFlyer(const QString &name) override { calls.append(QStringLiteral("select ") + name); }

    QStringList calls;
};

struct Rig {
    Rig(ClubFlyerFile &file, const QStringList &clubs, const QStringList &flyers, const QList<int> &birds = {})
        : file(file)
    {
        file.fill(clubs, flyers, birds);
        AddFieldVerbs(verbs, {"name", "address", "city", "phone", "email", "longitude", "latitude"},
                      &FlyerLogic::fieldEdited);
    }

    // name|club of every flyer, in table order.
    QStringList stored() const { return query("SELECT Name || '|' || ClubID AS row FROM flyerlist ORDER BY FlyerID"); }
    QStringList storedFields() const
    {
        return query("SELECT Name || '|' || ClubID || '|' || Address || '|' || CityStateZip || '|' || Phone || '|' "
                     "|| email || '|' || Longitude || '|' || Latitude AS row FROM flyerlist ORDER BY FlyerID");
    }
    // "1:30": each owner's number and his number of birds, those of
    // flyers no longer stored too.
    QStringList birdCounts() const
    {
        return query("SELECT BirdFlyerID || ':' || count(*) AS row FROM birds GROUP BY BirdFlyerID "
                     "ORDER BY BirdFlyerID");
    }
    QStringList query(const char *sql) const { return file.rows(sql); }

    // One user step: a common one, "delete yes", "club 1", or a field and
    // its text: "name Adams", "latitude 4012345". Returns where it put the
    // focus.
    FlyerFocus step(const QString &step)
    {
        TakeStep(logic, verbs, step);
        return logic.takeFocus();
    }

    FlyerFocus steps(const QStringList &script) { return RunSteps(*this, script); }

    // "add edit delete end | 1 | list on | Club 1 off | Smithers off": the
    // buttons, the list, the club box (label, chosen item, whether it takes
    // a choice) and the name field.
    QString view() const
    {
        const FlyerView v = logic.view();
        return ListWindowText(v) + QStringLiteral(" | %1 %2 %3 | %4 %5")
                                       .arg(v.clubLabel)
                                       .arg(v.clubIndex)
                                       .arg(OnOff(v.clubEnabled), v.fields.name, OnOff(v.fieldsEnabled));
    }

    ClubFlyerFile &file;
    RecordingPrompter prompter;
    AdminSharedState shared;
    FakeBirdWindow birdWindow;
    bool birdWindowOpen = true;
    FlyerLogic logic{file.scratch.db, prompter, shared, [this] { return birdWindowOpen ? &birdWindow : nullptr; }};
    StepVerbs<FlyerLogic> verbs = ListWindowVerbs<FlyerLogic>(
        {{"delete", Answered(prompter, &FlyerLogic::deleteSelected)},
         {"club", [](FlyerLogic &l, const QString &row) { l.clubChosen(row.toInt()); }}});
};

const QStringList AddAdams{"add", "name Adams"};

} // namespace

Q_DECLARE_METATYPE(FlyerFocus)

class TestFlyerLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void states_data();
    void states();
    void listing_data();
    void listing();
    void storing_data();
    void storing();
    void fieldRules_data();
    void fieldRules();
    void clubGone_data();
    void clubGone();
    void receiving_data();
    void receiving();
    void receivingWhileTyping();
    void connections();
    void databaseFailure_data();
    void databaseFailure();

private:
    ClubFlyerFile m_file{QStringLiteral("flyerLogic")};
};

void TestFlyerLogic::states_data()
{
    QTest::addColumn<QStringList>("flyers");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("view");
    QTest::addColumn<FlyerFocus>("focus");
    using F = FlyerFocus;
    const QStringList none;
    QTest::newRow("empty table") << none << none << "add end | -1 | list off | Club 0 off |  off" << F::None;
    QTest::newRow("clicked") << Flyers << QStringList{"click 1"}
                             << "add edit delete end | 1 | list on | Club 1 off | Smithers off" << F::None;
    QTest::newRow("adding") << Flyers << QStringList{"click 1", "add"}
                            << "save cancel | 1 | list off | Choose Club 0 on |  on" << F::Name;
    QTest::newRow("clicks and search ignored while adding")
        << Flyers << QStringList{"add", "name Adams", "click 0", "search jo"}
        << "save cancel | -1 | list off | Choose Club 0 on | Adams on" << F::None;
    QTest::newRow("added: the new flyer shown") << Flyers << AddAdams + QStringList{"club 1", "save"}
                                                << "add edit delete end | 3 | list on | Club 1 off | Adams off"
                                                << F::List;
    QTest::newRow("added after a search: the whole list")
        << Flyers << QStringList{"search jo", "add", "name Adams", "save"}
        << "add edit delete end | 3 | list on | Club 0 off | Adams off" << F::List;
    QTest::newRow("duplicate name emptied") << Flyers << QStringList{"add", "name smith", "save"}
                                            << "save cancel | -1 | list off | Choose Club 0 on |  on" << F::Name;
    QTest::newRow("add cancelled: the flyer shown again") << Flyers << QStringList{"click 1", "add", "cancel"}
                                                          << "add edit delete end | 1 | list on | Club 1 off | "
                                                             "Smithers off"
                                                          << F::List;
    QTest::newRow("editing") << Flyers << QStringList{"click 1", "edit"}
                             << "save cancel | 1 | list off | Choose Club 1 on | Smithers on" << F::Name;
    QTest::newRow("edited after a search: his line in the whole list")
        << Flyers << QStringList{"search jon", "edit", "name Jonas", "save"}
        << "add edit delete end | 2 | list on | Club 0 off | Jonas off" << F::List;
    QTest::newRow("edit cancelled after a search") << Flyers << QStringList{"search jon", "edit", "cancel"}
                                                   << "add edit delete end | 2 | list on | Club 0 off | Jones off"
                                                   << F::List;
    QTest::newRow("delete answered yes: the first flyer shown")
        << Flyers << QStringList{"click 2", "delete yes"}
        << "add edit delete end | 0 | list on | Club 0 off | Smith off" << F::List;
    QTest::newRow("last flyer deleted") << QStringList{"Smith|7"} << QStringList{"delete yes"}
                                        << "add end | -1 | list off | Club -1 off |  off" << F::None;
    QTest::newRow("search down to one flyer") << Flyers << QStringList{"search JO"}
                                              << "add edit delete end | 0 | list on | Club 0 off | Jones off"
                                              << F::None;
    QTest::newRow("entering the search forgets the flyer") << Flyers << QStringList{"click 1", "enter search"}
                                                           << "add end | -1 | list on | Club -1 off |  off"
                                                           << F::None;
}

void TestFlyerLogic::states()
{
    QFETCH(QStringList, flyers);
    QFETCH(QStringList, script);
    Rig rig(m_file, Clubs, flyers);
    rig.logic.load();
    QTEST(rig.steps(script), "focus");
    QTEST(rig.view(), "view");
}

void TestFlyerLogic::listing_data()
{
    QTest::addColumn<QStringList>("clubs");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("clubItems");
    const QStringList items{"7 Northside", "12 Lakeside"};
    QTest::newRow("all") << Clubs << QString() << QStringList{"Smith", "Smithers", "Jones"} << " 3 Flyers Listed"
                         << items;
    QTest::newRow("two letters in any case") << Clubs << "sM" << QStringList{"Smith", "Smithers"}
                                             << " 2 Flyers Listed" << items;
    QTest::newRow("no match") << Clubs << "Smith%" << QStringList{"No flyers to Show"} << "0 Flyers Listed" << items;
    QTest::newRow("no clubs") << QStringList{} << QString() << QStringList{"Smith", "Smithers", "Jones"}
                              << " 3 Flyers Listed" << QStringList{"No Clubs Listed"};
}

void TestFlyerLogic::listing()
{
    QFETCH(QStringList, clubs);
    QFETCH(QString, search);
    Rig rig(m_file, clubs, Flyers);
    rig.logic.load();
    rig.step(QStringLiteral("search ") + search);
    const FlyerView v = rig.logic.view();
    QTEST(v.lines, "lines");
    QTEST(v.countLine, "count");
    rig.steps({"enter search", "add"});
    QTEST(rig.logic.view().clubItems, "clubItems");
    QCOMPARE(rig.logic.view().clubEnabled, !clubs.isEmpty());
    QVERIFY(rig.prompter.messages.isEmpty());
}

void TestFlyerLogic::storing_data()
{
    QTest::addColumn<QStringList>("flyers");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("birds");
    const QStringList std = Flyers;
    const QStringList birds{"1:30", "3:2"};
    const QString question = QStringLiteral("Are you sure you wish to DELETE this flyer and all of their inventory?");
    QTest::newRow("the first club when none chosen") << std << AddAdams + QStringList{"save"} << QStringList{}
                                                     << std + QStringList{"Adams|7"} << birds;
    QTest::newRow("name cleaned") << std << QStringList{"add", "name  O'Hara|", "save"} << QStringList{}
                                  << std + QStringList{"O Hara|7"} << birds;
    QTest::newRow("name of quotes only") << std << QStringList{"add", "name '\"", "save"}
                                         << QStringList{"Must enter a name!"} << std << birds;
    QTest::newRow("a name already stored, in another case") << std << QStringList{"add", "name SMITH", "save"}
                                                            << QStringList{"SMITH already exists, please choose "
                                                                           "another."}
                                                            << std << birds;
    QTest::newRow("renamed to another flyer's name") << std << QStringList{"click 1", "edit", "name jones", "save"}
                                                     << QStringList{"jones already exists, please choose another."}
                                                     << std << birds;
    QTest::newRow("renamed to his own name in capitals")
        << std << QStringList{"click 1", "edit", "name SMITHERS", "club 0", "save"} << QStringList{}
        << QStringList{"Smith|7", "SMITHERS|7", "Jones|7"} << birds;
    QTest::newRow("the second of two alike edited") << QStringList{"Twin|7", "Twin|12", "Jones|7"}
                                                    << QStringList{"click 1", "edit", "name Twain", "save"}
                                                    << QStringList{} << QStringList{"Twin|7", "Twain|12", "Jones|7"}
                                                    << birds;
    QTest::newRow("the second of two alike deleted")
        << QStringList{"Twin|7", "Twin|12", "Jones|7"} << QStringList{"click 1", "delete yes"} << QStringList{question}
        << QStringList{"Twin|7", "Jones|7"} << birds;
    QTest::newRow("deleted with his 30 birds") << std << QStringList{"click 0", "delete yes"} << QStringList{question}
                                               << QStringList{"Smithers|12", "Jones|7"} << QStringList{"3:2"};
    QTest::newRow("delete answered no") << std << QStringList{"click 0", "delete no"} << QStringList{question} << std
                                        << birds;
}

void TestFlyerLogic::storing()
{
    QFETCH(QStringList, flyers);
    QFETCH(QStringList, script);
    Rig rig(m_file, Clubs, flyers, Birds);
    rig.logic.load();
    rig.steps(script);
    QTEST(rig.prompter.texts(), "messages");
    for (const Message &m : std::as_const(rig.prompter.messages)) {
        if (m.text.startsWith(QLatin1String("Are you sure"))) {
            QCOMPARE(m.title, QStringLiteral("Delete Record"));
            QCOMPARE(m.buttons, MsgButtons::YesNo);
            QCOMPARE(answersOf(m.buttons).value(m.defaultButton), MsgAnswer::No);
        } else if (m.text.endsWith(QLatin1String("choose another."))) {
            QCOMPARE(m.icon, MsgIcon::None);
        } else {
            QCOMPARE(m.icon, MsgIcon::Critical);
            QCOMPARE(m.title, QStringLiteral("Error"));
        }
    }
    QTEST(rig.stored(), "stored");
    QTEST(rig.birdCounts(), "birds");
}

void TestFlyerLogic::fieldRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("taken");
    QTest::newRow("eight digits pasted") << "longitude" << "12345678" << false;
    QTest::newRow("a point") << "latitude" << "40.123" << false;
    QTest::newRow("a minus sign") << "longitude" << "-8512" << false;
    QTest::newRow("name of twenty-one") << "name" << QString(21, QLatin1Char('x')) << false;
    QTest::newRow("address of fifty") << "address" << QString(50, QLatin1Char('x')) << true;
    QTest::newRow("e-mail with Latin-1 letters") << "email" << QStringLiteral("zoë@müller.example") << true;
    QTest::newRow("a name letter without a byte") << "name" << QStringLiteral("Łukasz") << false;
    QTest::newRow("the clock's address byte") << "name" << QStringLiteral("A") + QChar(0x81) << false;
}

void TestFlyerLogic::fieldRules()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, taken);
    Rig rig(m_file, Clubs, Flyers);
    rig.logic.load();
    rig.steps({"add", "name Adams", "address 1 Main St", "city Town", "phone 555", "email a@b", "longitude 85",
               "latitude 40"});
    rig.step(field + QLatin1Char(' ') + typed);
    rig.step(QStringLiteral("save"));
    QStringList expected{"Adams", "7", "1 Main St", "Town", "555", "a@b", "85", "40"};
    if (taken) {
        const int position = QStringList{"name", "", "address", "city", "phone", "email", "longitude", "latitude"}
                                 .indexOf(field);
        expected[position] = typed;
    }
    QCOMPARE(rig.storedFields().constLast(), expected.join(QLatin1Char('|')));
}

void TestFlyerLogic::clubGone_data()
{
    QTest::addColumn<QStringList>("clubs");
    QTest::addColumn<QString>("storedClub");
    QTest::addColumn<QString>("clubShown");
    QTest::newRow("moved to the first club") << Clubs << "Brown|7" << "7 Northside";
    QTest::newRow("no club to move to") << QStringList{} << "Brown|99" << "No Clubs Listed";
}

// A flyer whose club was removed joins the first club when he is shown.
void TestFlyerLogic::clubGone()
{
    QFETCH(QStringList, clubs);
    Rig rig(m_file, clubs, QStringList{"Smith|7", "Brown|99"});
    rig.logic.load();
    rig.step(QStringLiteral("click 1"));
    const FlyerView v = rig.logic.view();
    QTEST(v.clubItems.value(v.clubIndex), "clubShown");
    QCOMPARE(v.fields.name, QStringLiteral("Brown"));
    QTEST(rig.stored().constLast(), "storedClub");
    QVERIFY(rig.prompter.messages.isEmpty());
}

void TestFlyerLogic::receiving_data()
{
    QTest::addColumn<bool>("birdWindowOpen");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("birds");   // Adams's bands once the receive ended
    const QStringList save{"club 1", "save"};
    const QString retrieved = QStringLiteral("Data successfully retrieved for Adams.\r\n\r\nBirds Updated =  0\r\n"
                                             "Birds Added =  2\r\n\r\n1 reply(ies) could not be read.");
    const QStringList both{"US20  XY000001", "US20  XY000002"};
    QTest::newRow("flyer stored, then his birds")
        << true << save << QStringList{"fill", "select Adams"} << QStringList{retrieved} << both;
    // The birds wait in the shared state, not in the bird window.
    QTest::newRow("no bird window") << false << save << QStringList{} << QStringList{retrieved} << both;
    QTest::newRow("a name already stored") << true << QStringList{"name Jones", "save"} << QStringList{}
                                           << QStringList{"Jones already exists, please choose another."}
                                           << QStringList{};
    for (const char *givenUp : {"cancel", "close"})
        QTest::addRow("given up: %s", givenUp) << true << QStringList{givenUp} << QStringList{}
                                               << QStringList{"The birds read from the clock were not stored."}
                                               << QStringList{};
}

// The receive transfer leaves the module's birds in the shared state and has
// the flyer window enter the name read from the clock; the user picks the
// club and saves.
void TestFlyerLogic::receiving()
{
    QFETCH(bool, birdWindowOpen);
    QFETCH(QStringList, script);
    QFETCH(QStringList, birds);
    Rig rig(m_file, Clubs, Flyers);
    rig.birdWindowOpen = birdWindowOpen;
    rig.shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ", "ZUS20  XY000002H0000000000J"};
    rig.shared.receivedLmdVersion = 3.6;
    rig.shared.receivedNotes = QStringLiteral("\r\n\r\n1 reply(ies) could not be read.");
    rig.logic.load();
    rig.logic.enterReceivedFlyer(QStringLiteral("Adams"));
    QVERIFY(rig.shared.receiveMode);
    QCOMPARE(rig.logic.view().fields.name, QStringLiteral("Adams"));
    rig.steps(script);
    QTEST(rig.birdWindow.calls, "calls");
    QTEST(rig.prompter.texts(), "messages");
    const bool stored = !birds.isEmpty();
    QCOMPARE(rig.logic.takeCloseRequest(), stored);
    QCOMPARE(rig.shared.receiveMode, script.constLast() == QLatin1String("save") && !stored);
    QCOMPARE(rig.query("SELECT NatOrg||HatchYr||clubletters||bnumber AS row FROM birds "
                       "JOIN flyerlist ON FlyerID = BirdFlyerID WHERE Name = 'Adams' ORDER BY bnumber"),
             birds);
    // An ordinary add afterwards stores no birds.
    if (stored) {
        rig.steps({"add", "name Baker", "save"});
        QCOMPARE(rig.query("SELECT count(*) AS row FROM birds JOIN flyerlist ON FlyerID = BirdFlyerID "
                           "WHERE Name = 'Baker'"),
                 QStringList{"0"});
    }
}

// A flyer half typed is only given up for the received one when the user
// says so.
void TestFlyerLogic::receivingWhileTyping()
{
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        Rig rig(m_file, Clubs, Flyers);
        rig.shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ"};
        rig.logic.load();
        rig.steps({"add", "name Zed"});
        rig.prompter.answerNext(answer);
        rig.logic.enterReceivedFlyer(QStringLiteral("Adams"));
        const bool given = answer == MsgAnswer::Yes;
        QCOMPARE(rig.logic.view().fields.name, given ? QStringLiteral("Adams") : QStringLiteral("Zed"));
        QCOMPARE(rig.shared.receiveMode, given);
        QCOMPARE(rig.shared.receivedRecords.size(), given ? 1 : 0);
        QCOMPARE(rig.prompter.texts().size(), given ? 1 : 2);
        QVERIFY(rig.prompter.texts().constFirst().startsWith(QLatin1String("The flyer being entered has not been saved.")));
    }
}

void TestFlyerLogic::connections()
{
    Rig rig(m_file, Clubs, Flyers);
    Database &db = rig.file.scratch.db;
    db.use(Table::birds, QStringLiteral("frmBirdInventory"));
    rig.logic.load();
    QCOMPARE(db.holders(Table::flyerlist), QStringList{FlyerWindowName});
    QCOMPARE(db.holders(Table::clubs), QStringList{FlyerWindowName});
    rig.steps({"click 0", "delete yes"});
    rig.logic.end();
    QVERIFY(!db.isHeld(Table::flyerlist));
    QVERIFY(!db.isHeld(Table::clubs));
    QCOMPARE(db.holders(Table::birds), QStringList{QStringLiteral("frmBirdInventory")});
    db.release(Table::birds, QStringLiteral("frmBirdInventory"));
}

void TestFlyerLogic::databaseFailure_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("storedAfterRetry");
    QTest::addColumn<QStringList>("birdsAfterRetry");
    const QStringList birds{"1:30", "3:2"};
    const QString unavailable = QStringLiteral("The file 'tamreldata.mdb' is not accessable!\r\n\r\nMake sure that");
    const QStringList addAdams = AddAdams + QStringList{"save"};
    const QStringList edit{"click 1", "edit", "name Smythe", "save"};
    const QStringList edited{"Smith|7", "Smythe|12", "Jones|7"};
    QTest::newRow("file deleted, add") << "deleted" << addAdams << unavailable << Flyers + QStringList{"Adams|7"}
                                       << birds;
    QTest::newRow("file locked, edit") << "locked" << edit << " #:3051." << edited << birds;
    QTest::newRow("file locked, delete") << "locked" << QStringList{"click 0", "delete yes"} << " #:3051."
                                         << QStringList{"Smithers|12", "Jones|7"} << QStringList{"3:2"};
}

// The failing step says what went wrong, keeps what was typed and leaves
// the file as it was; once the file is back, the same step stores it.
void TestFlyerLogic::databaseFailure()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, script);
    QFETCH(QString, message);
    Rig rig(m_file, Clubs, Flyers, Birds);
    rig.logic.load();
    FailThenRetry(rig, m_file.scratch, fault, script, message,
                  [&] { QCOMPARE(rig.birdCounts(), (QStringList{"1:30", "3:2"})); });
    QTEST(rig.stored(), "storedAfterRetry");
    QTEST(rig.birdCounts(), "birdsAfterRetry");
}

QTEST_GUILESS_MAIN(TestFlyerLogic)
#include "test_flyer_logic.moc"
