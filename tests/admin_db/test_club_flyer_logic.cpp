#include "admin_db/clubs/club_logic.h"
#include "admin_db/editing/list_window_view.h"
#include "admin_db/flyers/flyer_logic.h"
#include "admin_db/records/admin_shared_state.h"
#include "recording_prompter.h"
#include "step_verbs.h"
#include "test_club_flyer_file.h"

#include <QTest>

namespace {

// The steps the club and the flyer window's logic take alike: "click 1",
// "add", "edit", "save", "cancel", "search lake", "enter search", and more.
template <typename Logic> StepVerbs<Logic> ListWindowVerbs(const StepVerbs<Logic> &more)
{
    StepVerbs<Logic> verbs = RecordVerbs<Logic>({{"click", [](Logic &l, const QString &row) { l.clickRow(row.toInt()); }},
                                                 {"search", [](Logic &l, const QString &text) { l.searchEdited(text); }},
                                                 {"enter", Call(&Logic::searchEntered)}});
    verbs.insert(more);
    return verbs;
}

// "add edit end | 1 | list on": the buttons offered, the selected line and
// whether the list takes clicks.
QString ListWindowText(const ListWindowView &v)
{
    return QStringLiteral("%1 | %2 | list %3")
        .arg(EnabledNames({{v.addEnabled, "add"}, {v.editEnabled, "edit"}, {v.deleteEnabled, "delete"},
                           {v.saveEnabled, "save"}, {v.cancelEnabled, "cancel"}, {v.endEnabled, "end"}}))
        .arg(v.selectedRow)
        .arg(QLatin1String(v.listEnabled ? "on" : "off"));
}

QLatin1String OnOff(bool on)
{
    return QLatin1String(on ? "on" : "off");
}

// Two clubs of one name, numbered apart.
const QStringList SameNames{QStringLiteral("7|Northside"), QStringLiteral("12|Lakeside"),
                            QStringLiteral("30|Lakeside")};

// The club window's logic over the test's file holding the given clubs.
struct ClubRig {
    ClubRig(ClubFlyerFile &file, const QStringList &clubs) : file(file)
    {
        file.fill(clubs);
        logic.load();
    }

    QStringList stored() const
    {
        return file.rows("SELECT ClubID || '|' || ClubName AS row FROM clubs ORDER BY ClubID");
    }

    // User steps: common ones, or "name Hill".
    void step(const QString &step) { steps({step}); }
    void steps(const QStringList &script)
    {
        static const StepVerbs<ClubLogic> verbs = ListWindowVerbs<ClubLogic>(
            {{"name", [](ClubLogic &l, const QString &name) { l.nameEdited(name); }}});
        TakeSteps(logic, verbs, script, focus);
    }

    // "add edit end | 1 | list on | 12|Lakeside off": the buttons, the list,
    // the fields and whether the name takes typing.
    QString view() const
    {
        const ClubView v = logic.view();
        return ListWindowText(v) + QStringLiteral(" | %1|%2 %3").arg(v.number, v.name, OnOff(v.nameEnabled));
    }

    ClubFlyerFile &file;
    RecordingPrompter prompter;
    AdminSharedState shared;
    ClubLogic logic{file.scratch.db, prompter, shared};
    ClubFocus focus = ClubFocus::None;
};

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

struct FlyerRig {
    FlyerRig(ClubFlyerFile &file, const QStringList &clubs, const QStringList &flyers, const QList<int> &birds = {})
        : file(file)
    {
        file.fill(clubs, flyers, birds);
        AddFieldVerbs(verbs, {"name", "address", "city", "phone", "email", "longitude", "latitude"},
                      &FlyerLogic::fieldEdited);
        logic.load();
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

    // User steps: common ones, "delete yes", "club 1", or a field and its
    // text: "name Adams", "latitude 4012345".
    void step(const QString &step) { steps({step}); }
    void steps(const QStringList &script) { TakeSteps(logic, verbs, script, focus); }

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
    FlyerLogic logic{file.scratch.db, prompter, shared, [this] { return &birdWindow; }};
    FlyerFocus focus = FlyerFocus::None;
    StepVerbs<FlyerLogic> verbs = ListWindowVerbs<FlyerLogic>(
        {{"delete", Answered(prompter, &FlyerLogic::deleteSelected)},
         {"club", [](FlyerLogic &l, const QString &row) { l.clubChosen(row.toInt()); }}});
};

const QStringList AddAdams{"add", "name Adams"};

} // namespace

Q_DECLARE_METATYPE(ClubFocus)
Q_DECLARE_METATYPE(FlyerFocus)

class TestClubFlyerLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clubStates_data()
    {
        QTest::addColumn<QStringList>("clubs");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("view");
        QTest::addColumn<ClubFocus>("focus");
        using F = ClubFocus;
        const QStringList none;
        QTest::newRow("empty table") << none << none << "add end | -1 | list off | | off" << F::None;
        QTest::newRow("a single club is shown at once") << QStringList{"5|Hill"} << none
                                                        << "add edit end | 0 | list on | 05|Hill off" << F::None;
        QTest::newRow("adding") << SameNames << QStringList{"click 1", "add"} << "save cancel | 1 | list off | | on"
                                << F::Name;
        QTest::newRow("empty name keeps adding") << SameNames << QStringList{"add", "save"}
                                                 << "save cancel | -1 | list off | | on" << F::Name;
        QTest::newRow("added: the first club shown") << SameNames << QStringList{"add", "name Zed", "save"}
                                                     << "add edit end | 0 | list on | 07|Northside off" << F::List;
        QTest::newRow("edited after a search: the first club of all shown")
            << SameNames << QStringList{"search lake", "click 1", "edit", "name East", "save"}
            << "add edit end | 0 | list on | 07|Northside off" << F::List;
        QTest::newRow("entering the search forgets the club") << SameNames << QStringList{"click 1", "enter search"}
                                                              << "add end | -1 | list on | | off" << F::None;
        QTest::newRow("search matching none") << SameNames << QStringList{"click 1", "search x"}
                                              << "add end | -1 | list off | | off" << F::None;
    }

    void clubStates()
    {
        QFETCH(QStringList, clubs);
        QFETCH(QStringList, script);
        ClubRig rig(m_file, clubs);
        rig.steps(script);
        QTEST(rig.focus, "focus");
        QTEST(rig.view(), "view");
    }

    void clubListing_data()
    {
        QTest::addColumn<QStringList>("clubs");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("count");
        QTest::newRow("all, in number order") << SameNames << QString()
                                              << QStringList{"  7 - Northside", " 12 - Lakeside", " 30 - Lakeside"}
                                              << " 3 Clubs Listed";
        QTest::newRow("prefix in any case") << SameNames << "LAKE" << QStringList{" 12 - Lakeside", " 30 - Lakeside"}
                                            << " 2 Clubs Listed";
        QTest::newRow("no match") << SameNames << "Lakes_" << QStringList{"No clubs to Show"} << "0 Clubs Listed";
        QTest::newRow("number 999 fits, 1234 keeps its last three")
            << QStringList{"999|Wide", "1234|Wider"} << QString() << QStringList{"999 - Wide", "234 - Wider"}
            << " 2 Clubs Listed";
    }

    void clubListing()
    {
        QFETCH(QStringList, clubs);
        QFETCH(QString, search);
        QFETCH(QStringList, lines);
        ClubRig rig(m_file, clubs);
        rig.step(QStringLiteral("search ") + search);
        QCOMPARE(rig.logic.view().lines, lines);
        QTEST(rig.logic.view().countLine, "count");
        QCOMPARE(rig.logic.ClubCountRecords(), lines.constFirst().contains(QLatin1String(" - ")) ? lines.size() : 0);
        QVERIFY(rig.prompter.messages.isEmpty());
    }

    void clubStoring_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("stored");
        const QStringList mustName{QStringLiteral("Must enter a name!")};
        QTest::newRow("added, cleaned") << QStringList{"add", "name  O'Neil|\"s ", "save"} << QStringList{}
                                        << SameNames + QStringList{"31|O Neil  s"};
        QTest::newRow("empty name") << QStringList{"add", "save"} << mustName << SameNames;
        QTest::newRow("name of quotes and bars only") << QStringList{"add", "name '|\"", "save"} << mustName << SameNames;
        QTest::newRow("the second of two alike renamed") << QStringList{"click 2", "edit", "name Eastside", "save"}
                                                         << QStringList{}
                                                         << QStringList{SameNames.at(0), SameNames.at(1), "30|Eastside"};
        // What the name field refuses leaves it as it was.
        QTest::newRow("twenty-one pasted") << QStringList{"add", "name Zed", "name " + QString(21, 'x'), "save"}
                                           << QStringList{} << SameNames + QStringList{"31|Zed"};
    }

    void clubStoring()
    {
        QFETCH(QStringList, script);
        ClubRig rig(m_file, SameNames);
        rig.steps(script);
        QTEST(rig.prompter.texts(), "messages");
        for (const Message &m : std::as_const(rig.prompter.messages)) {
            QCOMPARE(m.icon, MsgIcon::Critical);
            QCOMPARE(m.title, QStringLiteral("Error"));
        }
        QTEST(rig.stored(), "stored");
    }

    // The failing save says what went wrong and keeps what was typed; once the
    // file is back, the same save stores it, once.
    void clubDatabaseFailure()
    {
        ClubRig rig(m_file, SameNames);
        FailThenRetry(
            rig, m_file.scratch, QStringLiteral("deleted"), {"add", "name Zed", "save"}, QStringLiteral(" #:3024."));
        QCOMPARE(rig.prompter.messages.size(), 1);
        const QString text = rig.prompter.messages.constFirst().text;
        QVERIFY2(text.endsWith(QStringLiteral(" #:3024.\r\nPlease notify Calmeer Electronics USA of this ERROR")),
                 qPrintable(text));
        QCOMPARE(rig.stored(), SameNames + QStringList{"31|Zed"});
    }

    void flyerStates_data()
    {
        QTest::addColumn<QStringList>("flyers");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("view");
        QTest::addColumn<FlyerFocus>("focus");
        using F = FlyerFocus;
        const QStringList none;
        QTest::newRow("empty table") << none << none << "add end | -1 | list off | Club 0 off |  off" << F::None;
        QTest::newRow("adding") << Flyers << QStringList{"click 1", "add"}
                                << "save cancel | 1 | list off | Choose Club 0 on |  on" << F::Name;
        QTest::newRow("clicks and search ignored while adding")
            << Flyers << QStringList{"add", "name Adams", "click 0", "search jo"}
            << "save cancel | -1 | list off | Choose Club 0 on | Adams on" << F::Name;
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
        QTest::newRow("last flyer deleted") << QStringList{"Smith|7"} << QStringList{"delete yes"}
                                            << "add end | -1 | list off | Club -1 off |  off" << F::None;
    }

    void flyerStates()
    {
        QFETCH(QStringList, flyers);
        QFETCH(QStringList, script);
        FlyerRig rig(m_file, Clubs, flyers);
        rig.steps(script);
        QTEST(rig.focus, "focus");
        QTEST(rig.view(), "view");
    }

    // Without clubs the flyers are still listed; the club box says there are none.
    void flyerListing()
    {
        FlyerRig rig(m_file, QStringList{}, Flyers);
        rig.step(QStringLiteral("search Smith%"));
        QCOMPARE(rig.logic.view().lines, QStringList{"No flyers to Show"});
        QCOMPARE(rig.logic.view().countLine, QStringLiteral("0 Flyers Listed"));
        rig.steps({"search ", "add"});
        QCOMPARE(rig.logic.view().countLine, QStringLiteral(" 3 Flyers Listed"));
        QCOMPARE(rig.logic.view().clubItems, QStringList{"No Clubs Listed"});
        QVERIFY(!rig.logic.view().clubEnabled);
    }

    void flyerStoring_data()
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
        QTest::newRow("name of quotes only") << std << QStringList{"add", "name '\"", "save"}
                                             << QStringList{"Must enter a name!"} << std << birds;
        QTest::newRow("a name already stored, in another case") << std << QStringList{"add", "name SMITH", "save"}
                                                                << QStringList{"SMITH already exists, please choose "
                                                                               "another."}
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
    }

    void flyerStoring()
    {
        QFETCH(QStringList, flyers);
        QFETCH(QStringList, script);
        FlyerRig rig(m_file, Clubs, flyers, Birds);
        rig.steps(script);
        QTEST(rig.prompter.texts(), "messages");
        // A name taken is told plainly; the delete question is the one every
        // window asks.
        for (const Message &m : std::as_const(rig.prompter.messages)) {
            if (!m.text.startsWith(QLatin1String("Are you sure")))
                QCOMPARE(m.icon, m.text.endsWith(QLatin1String("choose another.")) ? MsgIcon::None : MsgIcon::Critical);
        }
        QTEST(rig.stored(), "stored");
        QTEST(rig.birdCounts(), "birds");
    }

    // Every field is stored in its own column; what a field refuses leaves it as
    // it was.
    void fieldRules()
    {
        FlyerRig rig(m_file, Clubs, Flyers);
        const QString fifty(50, QLatin1Char('x'));
        rig.steps({"add", "name Adams", "name " + QString(21, QLatin1Char('x')), QStringLiteral("name A\u0081"),
                   "address " + fifty, "city Town", "phone 555", "email zoë@müller.example", "longitude 85",
                   "longitude 12345678", "longitude -8512", "latitude 40", "save"});
        QCOMPARE(rig.storedFields().constLast(), "Adams|7|" + fifty + "|Town|555|zoë@müller.example|85|40");
    }

    // A flyer whose club was removed joins the first club when he is shown.
    void clubGone()
    {
        FlyerRig rig(m_file, Clubs, QStringList{"Smith|7", "Brown|99"});
        rig.step(QStringLiteral("click 1"));
        const FlyerView v = rig.logic.view();
        QCOMPARE(v.clubItems.value(v.clubIndex), QStringLiteral("7 Northside"));
        QCOMPARE(rig.stored().constLast(), QStringLiteral("Brown|7"));
        QVERIFY(rig.prompter.messages.isEmpty());
    }

    void receiving_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("birds");   // Adams's bands once the receive ended
        const QStringList save{"club 1", "save"};
        const QString retrieved = QStringLiteral("Data successfully retrieved for Adams.\r\n\r\nBirds Updated =  0\r\n"
                                                 "Birds Added =  2\r\n\r\n1 reply(ies) could not be read.");
        const QStringList both{"US20  XY000001", "US20  XY000002"};
        QTest::newRow("flyer stored, then his birds") << save << QStringList{"fill", "select Adams"}
                                                      << QStringList{retrieved} << both;
        QTest::newRow("a name already stored") << QStringList{"name Jones", "save"} << QStringList{}
                                               << QStringList{"Jones already exists, please choose another."}
                                               << QStringList{};
        for (const char *givenUp : {"cancel", "close"})
            QTest::addRow("given up: %s", givenUp) << QStringList{givenUp} << QStringList{}
                                                   << QStringList{"The birds read from the clock were not stored."}
                                                   << QStringList{};
    }

    // The receive transfer leaves the module's birds in the shared state and has
    // the flyer window enter the name read from the clock; the user picks the
    // club and saves.
    void receiving()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, birds);
        FlyerRig rig(m_file, Clubs, Flyers);
        rig.shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ", "ZUS20  XY000002H0000000000J"};
        rig.shared.receivedLmdVersion = 3.6;
        rig.shared.receivedNotes = QStringLiteral("\r\n\r\n1 reply(ies) could not be read.");
        rig.logic.enterReceivedFlyer(QStringLiteral("Adams"));
        QVERIFY(rig.shared.receiveMode);
        QCOMPARE(rig.logic.view().fields.name, QStringLiteral("Adams"));
        rig.steps(script);
        QTEST(rig.birdWindow.calls, "calls");
        QTEST(rig.prompter.texts(), "messages");
        const bool stored = !birds.isEmpty();
        QCOMPARE(rig.logic.takeCloseRequest(), stored);
        QCOMPARE(rig.shared.receiveMode, script.constLast() == QLatin1String("save") && !stored);
        QCOMPARE(rig.shared.receivedRecords.isEmpty(), !rig.shared.receiveMode);
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
    void receivingWhileTyping()
    {
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            FlyerRig rig(m_file, Clubs, Flyers);
            rig.shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ"};
            rig.steps({"add", "name Zed"});
            rig.prompter.answerNext(answer);
            rig.logic.enterReceivedFlyer(QStringLiteral("Adams"));
            const bool given = answer == MsgAnswer::Yes;
            QCOMPARE(rig.logic.view().fields.name, given ? QStringLiteral("Adams") : QStringLiteral("Zed"));
            QCOMPARE(rig.shared.receiveMode, given);
            QCOMPARE(rig.shared.receivedRecords.size(), given ? 1 : 0);
            QCOMPARE(rig.prompter.texts().size(), given ? 1 : 2);
            QVERIFY(rig.prompter.texts().constFirst().startsWith(
                QLatin1String("The flyer being entered has not been saved.")));
        }
    }

    void flyerDatabaseFailure_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("storedAfterRetry");
        QTest::addColumn<QStringList>("birdsAfterRetry");
        const QStringList birds{"1:30", "3:2"};
        const QString unavailable = QStringLiteral("The file 'tamreldata.mdb' is not accessable!\r\n\r\nMake sure that");
        const QStringList addAdams = AddAdams + QStringList{"save"};
        QTest::newRow("file deleted, add") << "deleted" << addAdams << unavailable << Flyers + QStringList{"Adams|7"}
                                           << birds;
        QTest::newRow("file locked, delete") << "locked" << QStringList{"click 0", "delete yes"} << " #:3051."
                                             << QStringList{"Smithers|12", "Jones|7"} << QStringList{"3:2"};
    }

    // The failing step says what went wrong, keeps what was typed and leaves
    // the file as it was; once the file is back, the same step stores it.
    void flyerDatabaseFailure()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, script);
        QFETCH(QString, message);
        FlyerRig rig(m_file, Clubs, Flyers, Birds);
        FailThenRetry(rig, m_file.scratch, fault, script, message,
                      [&] { QCOMPARE(rig.birdCounts(), (QStringList{"1:30", "3:2"})); });
        QTEST(rig.stored(), "storedAfterRetry");
        QTEST(rig.birdCounts(), "birdsAfterRetry");
    }

private:
    ClubFlyerFile m_file{QStringLiteral("clubFlyerLogic")};
};

QTEST_GUILESS_MAIN(TestClubFlyerLogic)
#include "test_club_flyer_logic.moc"
