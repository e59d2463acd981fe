#include "admin_db/records/admin_shared_state.h"
#include "admin_db/clubs/club_list_line.h"
#include "admin_db/clubs/club_logic.h"
#include "recording_prompter.h"
#include "test_club_flyer_file.h"
#include "test_club_flyer_steps.h"

#include <QTest>

namespace {

// Two clubs of one name, numbered apart.
const QStringList Std{QStringLiteral("7|Northside"), QStringLiteral("12|Lakeside"), QStringLiteral("30|Lakeside")};

// The club window's logic over the test's file holding the given clubs.
struct Rig {
    Rig(ClubFlyerFile &file, const QStringList &clubs) : file(file) { file.fill(clubs); }

    QStringList stored() const
    {
        return file.rows("SELECT ClubID || '|' || ClubName AS row FROM clubs ORDER BY ClubID");
    }

    // One user step: a common one, or "name Hill". Returns where it put the
    // focus.
    ClubFocus step(const QString &step)
    {
        static const StepVerbs<ClubLogic> verbs = ListWindowVerbs<ClubLogic>(
            {{"name", [](ClubLogic &l, const QString &name) { l.nameEdited(name); }}});
        TakeStep(logic, verbs, step);
        return logic.takeFocus();
    }

    ClubFocus steps(const QStringList &script) { return RunSteps(*this, script); }

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
};

} // namespace

Q_DECLARE_METATYPE(ClubFocus)

class TestClubLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void states_data();
    void states();
    void listing_data();
    void listing();
    void storing_data();
    void storing();
    void noClubsFlag();
    void connections();
    void databaseFailure_data();
    void databaseFailure();

private:
    ClubFlyerFile m_file{QStringLiteral("clubLogic")};
};

void TestClubLogic::states_data()
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
    QTest::newRow("adding") << Std << QStringList{"click 1", "add"} << "save cancel | 1 | list off | | on"
                            << F::Name;
    QTest::newRow("clicks and search ignored while adding")
        << Std << QStringList{"add", "name Zed", "click 0", "search north"}
        << "save cancel | -1 | list off | |Zed on" << F::None;
    QTest::newRow("empty name keeps adding") << Std << QStringList{"add", "save"}
                                             << "save cancel | -1 | list off | | on" << F::Name;
    QTest::newRow("added: the first club shown") << Std << QStringList{"add", "name Zed", "save"}
                                                 << "add edit end | 0 | list on | 07|Northside off" << F::List;
    QTest::newRow("add cancelled: the club shown again") << Std << QStringList{"click 2", "add", "cancel"}
                                                         << "add edit end | 2 | list on | 30|Lakeside off"
                                                         << F::List;
    QTest::newRow("editing") << Std << QStringList{"click 2", "edit"} << "save cancel | 2 | list off | 30|Lakeside on"
                             << F::Name;
    QTest::newRow("edited: the first club shown") << Std << QStringList{"click 2", "edit", "name East", "save"}
                                                  << "add edit end | 0 | list on | 07|Northside off" << F::List;
    QTest::newRow("entering the search forgets the club") << Std << QStringList{"click 1", "enter search"}
                                                          << "add end | -1 | list on | | off" << F::None;
    QTest::newRow("search down to one club") << Std << QStringList{"search NORTH"}
                                             << "add edit end | 0 | list on | 07|Northside off" << F::None;
    QTest::newRow("search matching none") << Std << QStringList{"click 1", "search x"}
                                          << "add end | -1 | list off | | off" << F::None;
}

void TestClubLogic::states()
{
    QFETCH(QStringList, clubs);
    QFETCH(QStringList, script);
    Rig rig(m_file, clubs);
    rig.logic.load();
    QTEST(rig.steps(script), "focus");
    QTEST(rig.view(), "view");
}

void TestClubLogic::listing_data()
{
    QTest::addColumn<QStringList>("clubs");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("count");
    QTest::newRow("all, in number order") << Std << QString()
                                          << QStringList{"  7 - Northside", " 12 - Lakeside", " 30 - Lakeside"}
                                          << " 3 Clubs Listed";
    QTest::newRow("prefix in any case") << Std << "LAKE" << QStringList{" 12 - Lakeside", " 30 - Lakeside"}
                                        << " 2 Clubs Listed";
    QTest::newRow("no match") << Std << "Lakes_" << QStringList{"No clubs to Show"} << "0 Clubs Listed";
    QTest::newRow("percent taken literally") << QStringList{"1|100% Club", "2|1000 Club"} << "100%"
                                             << QStringList{"  1 - 100% Club"} << " 1 Clubs Listed";
    QTest::newRow("underscore taken literally") << QStringList{"1|A_B", "2|AxB"} << "A_"
                                                << QStringList{"  1 - A_B"} << " 1 Clubs Listed";
    QTest::newRow("number 999 fits, 1234 keeps its last three")
        << QStringList{"999|Wide", "1234|Wider"} << QString() << QStringList{"999 - Wide", "234 - Wider"}
        << " 2 Clubs Listed";
}

void TestClubLogic::listing()
{
    QFETCH(QStringList, clubs);
    QFETCH(QString, search);
    QFETCH(QStringList, lines);
    Rig rig(m_file, clubs);
    rig.logic.load();
    rig.step(QStringLiteral("search ") + search);
    QCOMPARE(rig.logic.view().lines, lines);
    QTEST(rig.logic.view().countLine, "count");
    QCOMPARE(rig.logic.ClubCountRecords(), lines.constFirst().contains(QLatin1String(" - ")) ? lines.size() : 0);
    QVERIFY(rig.prompter.messages.isEmpty());
}

void TestClubLogic::storing_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("stored");
    const QStringList mustName{QStringLiteral("Must enter a name!")};
    QTest::newRow("added, cleaned") << QStringList{"add", "name  O'Neil|\"s ", "save"} << QStringList{}
                                    << Std + QStringList{"31|O Neil  s"};
    QTest::newRow("empty name") << QStringList{"add", "save"} << mustName << Std;
    QTest::newRow("name of quotes and bars only") << QStringList{"add", "name '|\"", "save"} << mustName << Std;
    QTest::newRow("the second of two alike renamed") << QStringList{"click 2", "edit", "name Eastside", "save"}
                                                     << QStringList{}
                                                     << QStringList{Std.at(0), Std.at(1), "30|Eastside"};
    QTest::newRow("add cancelled") << QStringList{"add", "name Zed", "cancel"} << QStringList{} << Std;
    // What the name field refuses leaves it as it was.
    QTest::newRow("twenty-one pasted") << QStringList{"add", "name Zed", "name " + QString(21, 'x'), "save"}
                                       << QStringList{} << Std + QStringList{"31|Zed"};
    QTest::newRow("Latin-1 letters") << QStringList{"add", "name Zoë Müller", "save"} << QStringList{}
                                     << Std + QStringList{"31|Zoë Müller"};
    QTest::newRow("a letter without a byte") << QStringList{"add", "name Lodz", "name Łódź", "save"}
                                             << QStringList{} << Std + QStringList{"31|Lodz"};
    QTest::newRow("the clock's address byte") << QStringList{"add", "name A", "name A" + QString(QChar(0x81)), "save"}
                                              << QStringList{} << Std + QStringList{"31|A"};
}

void TestClubLogic::storing()
{
    QFETCH(QStringList, script);
    Rig rig(m_file, Std);
    rig.logic.load();
    rig.steps(script);
    QTEST(rig.prompter.texts(), "messages");
    for (const Message &m : std::as_const(rig.prompter.messages)) {
        QCOMPARE(m.icon, MsgIcon::Critical);
        QCOMPARE(m.title, QStringLiteral("Error"));
    }
    QTEST(rig.stored(), "stored");
}

void TestClubLogic::noClubsFlag()
{
    Rig rig(m_file, QStringList{});
    rig.shared.noClubs = true;
    rig.logic.load();
    QCOMPARE(rig.prompter.texts(), QStringList{"There must be at least one club entry."});
    QCOMPARE(rig.prompter.messages.constFirst().icon, MsgIcon::None);
    QCOMPARE(rig.logic.takeFocus(), ClubFocus::Name);
    QVERIFY(rig.logic.adding());
    QCOMPARE(rig.logic.view().lines, QStringList{"No clubs to Show"});
    QCOMPARE(rig.logic.view().countLine, QStringLiteral("0 Clubs Listed"));

    rig.steps({"save"});
    QVERIFY(rig.shared.noClubs);
    rig.steps({"name First", "save"});
    QVERIFY(!rig.shared.noClubs);
    QCOMPARE(rig.stored(), QStringList{"1|First"});
}

// The window releases what it holds, and not the main window's hold.
void TestClubLogic::connections()
{
    Database &db = m_file.scratch.db;
    db.use(Table::clubs, MainWindowHolder);
    Rig rig(m_file, Std);
    rig.logic.load();
    QVERIFY(db.holders(Table::clubs).contains(ClubWindowName));
    rig.logic.end();
    QCOMPARE(db.holders(Table::clubs), QStringList{MainWindowHolder});
    db.release(Table::clubs, MainWindowHolder);
}

void TestClubLogic::databaseFailure_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("storedAfterRetry");
    const QStringList addZed{"add", "name Zed", "save"};
    const QStringList renameLast{"click 2", "edit", "name East", "save"};
    const QStringList renamed{Std.at(0), Std.at(1), "30|East"};
    QTest::newRow("file deleted, add") << "deleted" << addZed << 3024 << Std + QStringList{"31|Zed"};
    QTest::newRow("file locked, rename") << "locked" << renameLast << 3051 << renamed;
}

// The failing save says what went wrong and keeps what was typed; once the
// file is back, the same save stores it, once.
void TestClubLogic::databaseFailure()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, script);
    QFETCH(int, number);
    Rig rig(m_file, Std);
    rig.logic.load();
    FailThenRetry(rig, m_file.scratch, fault, script, QStringLiteral(" #:%1.").arg(number));
    QCOMPARE(rig.prompter.messages.size(), 1);
    const QString text = rig.prompter.messages.constFirst().text;
    QVERIFY2(text.endsWith(QStringLiteral(" #:%1.\r\nPlease notify Calmeer Electronics USA of this ERROR").arg(number)),
             qPrintable(text));
    QTEST(rig.stored(), "storedAfterRetry");
}

QTEST_GUILESS_MAIN(TestClubLogic)
#include "test_club_logic.moc"
