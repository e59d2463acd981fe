#include "admin_db/liberations/liberation_logic.h"
#include "recording_prompter.h"
#include "step_verbs.h"

#include <QTest>

namespace {

// Two races that show the same number and name, and one Ventaro cannot use.
const QStringList Std{"05|0527|Lakeside|1", "05|0603|Lakeside|2", "00|0614|Home|3"};
const QStringList AddDale{"add", "number 7", "month 05", "day 27", "name Dale"};

QStringList numberedRaces(int count)
{
    QStringList races;
    for (int n = 1; n <= count; ++n)
        races.append(QStringLiteral("%1|0501|Race|1").arg(n, 2, 10, QLatin1Char('0')));
    return races;
}

// The logic over a scratch database holding races (number|date|name|type),
// on the connection the logic goes on to use.
struct Rig {
    explicit Rig(const QStringList &races) : scratch(QStringLiteral("liberationLogic"))
    {
        InsertRows(scratch.db.use(Table::orte, LiberationWindowName),
                   "INSERT INTO orte (racenum, racedate, racename, racetype) VALUES (?, ?, ?, ?)", races);
        AddFieldVerbs(verbs, {"number", "month", "day", "name", "type"}, &LiberationLogic::fieldEdited);
        logic.load();
    }

    QStringList stored()
    {
        return Rows(scratch.db.connection(), "SELECT racenum||'|'||racedate||'|'||racename||'|'||racetype FROM orte");
    }

    // One user step: "click 1", "add", "edit", "save", "cancel", "delete yes",
    // "leave month", or a field and what it now holds: "name Lake View".
    void step(const QString &step) { steps({step}); }
    void steps(const QStringList &script) { TakeSteps(logic, verbs, script, focus); }

    // "add end send list | 2 | 00|06|14|Home|3 | [ 3 Race(s) Listed] *": the
    // enabled buttons and list, the selected line, the fields ("on" when
    // enabled), the count line and '*' for the Ventaro warning.
    QString view() const
    {
        const LiberationView v = logic.view();
        const RaceFields &f = v.fields;
        return QStringList{EnabledNames({{v.addNewEnabled, "add"}, {v.editEnabled, "edit"},
                                         {v.deleteEnabled, "delete"}, {v.saveEnabled, "save"},
                                         {v.cancelEnabled, "cancel"}, {v.endEnabled, "end"},
                                         {v.sendEnabled, "send"}, {v.listEnabled, "list"}}),
                           QString::number(v.selectedRow),
                           QStringList{f.number, f.month, f.day, f.name, f.type}.join(QLatin1Char('|'))
                               + (v.fieldsEnabled ? QStringLiteral(" on") : QString()),
                           QLatin1Char('[') + v.countLine + QLatin1Char(']')
                               + (v.ventaroWarning.isEmpty() ? QString() : QStringLiteral(" *"))}
            .join(QStringLiteral(" | "));
    }

    ScratchDatabase scratch;
    RecordingPrompter prompter;
    QList<QList<LiberationRace>> sent;
    LiberationLogic logic{scratch.db, prompter, [this](const QList<LiberationRace> &races) { sent.append(races); }};
    LiberationFocus focus = LiberationFocus::None;
    StepVerbs<LiberationLogic> verbs = RecordVerbs<LiberationLogic>(
        {{"click", [](LiberationLogic &l, const QString &row) { l.clickRow(row.toInt()); }},
         {"delete", Answered(prompter, &LiberationLogic::deleteSelected)},
         {"send", Call(&LiberationLogic::sendOrte)},
         {"leave", [](LiberationLogic &l, const QString &field) {
              field == QLatin1String("month") ? l.leaveMonth() : l.leaveDay();
          }}});
};

} // namespace

Q_DECLARE_METATYPE(LiberationFocus)

class TestLiberationLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void steps_data();
    void steps();
    void databaseFailure_data();
    void databaseFailure();
};

void TestLiberationLogic::steps_data()
{
    QTest::addColumn<QStringList>("races");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("view");
    QTest::addColumn<LiberationFocus>("focus");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("stored");
    using F = LiberationFocus;
    const QStringList none;
    const QString listed = QStringLiteral(" | [ 3 Race(s) Listed] *");
    const QString browsing = QStringLiteral("add end send list | -1 | ||||") + listed;
    const QString typing = QStringLiteral("cancel | -1 | 7|05|27|Dale|1 on") + listed;
    const QString deleteQuestion = QStringLiteral("Are you sure you wish to DELETE this record?");
    QTest::newRow("empty table") << none << none << "add end send | -1 | |||| | [0 Races Listed]" << F::None << none
                                 << none;
    QTest::newRow("loaded") << Std << none << browsing << F::None << none << Std;
    QTest::newRow("sent from a chosen line") << Std << QStringList{"click 2", "send"} << browsing << F::AddNew << none
                                             << Std;
    QTest::newRow("clicked") << Std << QStringList{"click 2"}
                             << "add edit delete end send list | 2 | 00|06|14|Home|3" + listed << F::None << none
                             << Std;
    QTest::newRow("adding ignores the list") << Std << QStringList{"add", "click 0"}
                                             << "cancel | -1 | ||||1 on" + listed << F::RaceNumber << none << Std;
    QTest::newRow("four fields make save") << Std << AddDale << "save " + typing << F::RaceNumber << none << Std;
    QTest::newRow("save refused, type missing") << Std << AddDale + QStringList{"type", "save"}
                                                << "cancel | -1 | 7|05|27|Dale| on" + listed << F::RaceNumber
                                                << QStringList{"All fields must contain data!"} << Std;
    QTest::newRow("typing the type enables save") << Std << AddDale + QStringList{"type", "save", "type 2"}
                                                  << "save cancel | -1 | 7|05|27|Dale|2 on" + listed << F::RaceNumber
                                                  << QStringList{"All fields must contain data!"} << Std;
    QTest::newRow("added: zero-filled, cleaned")
        << Std << QStringList{"add", "number 7", "month 5", "leave month", "day 27", "name O'Hare|", "save"}
        << "add end send list | -1 | |||| | [ 4 Race(s) Listed] *" << F::AddNew << none
        << Std + QStringList{"07|0527|O Hare|1"};
    QTest::newRow("saved by shortcut from the month field")
        << Std << QStringList{"add", "number 7", "month 5", "day 27", "name Dale", "save"}
        << "add end send list | -1 | |||| | [ 4 Race(s) Listed] *" << F::AddNew << none
        << Std + QStringList{"07|0527|Dale|1"};
    QTest::newRow("month 13 left") << Std << QStringList{"add", "month 13", "leave month"}
                                   << "cancel | -1 | |01|||1 on" + listed << F::Month
                                   << QStringList{"Invalid data for month "} << Std;
    QTest::newRow("month left empty") << Std << QStringList{"add", "leave month"}
                                      << "cancel | -1 | |01|||1 on" + listed << F::Month
                                      << QStringList{"Invalid data for month "} << Std;
    QTest::newRow("day 0 left") << Std << QStringList{"add", "day 0", "leave day"}
                                << "cancel | -1 | ||01||1 on" + listed << F::Day
                                << QStringList{"Invalid data for day"} << Std;
    QTest::newRow("day 32 at save") << Std << QStringList{"add", "number 7", "month 05", "day 32", "name Dale", "save"}
                                    << "save cancel | -1 | 7|05|01|Dale|1 on" + listed << F::Day
                                    << QStringList{"Invalid data for day"} << Std;
    QTest::newRow("name of quotes only") << Std << QStringList{"add", "number 7", "month 05", "day 27", "name '\"|",
                                                               "save"}
                                         << "cancel | -1 | 7|05|27|'\"||1 on" + listed << F::RaceNumber
                                         << QStringList{"All fields must contain data!"} << Std;
    QTest::newRow("51st race") << numberedRaces(50) << AddDale + QStringList{"save"}
                               << "add end send list | -1 | |||| | [ 51 Race(s) Listed]" << F::AddNew << none
                               << numberedRaces(50) + QStringList{"07|0527|Dale|1"};
    QTest::newRow("52nd race refused") << numberedRaces(51) << AddDale + QStringList{"save"}
                                       << "save cancel | -1 | 7|05|27|Dale|1 on | [ 51 Race(s) Listed]" << F::RaceNumber
                                       << QStringList{"No more than 51 races can be stored."} << numberedRaces(51);
    QTest::newRow("edit waits for a change") << Std << QStringList{"click 0", "edit"}
                                             << "cancel | 0 | 05|05|27|Lakeside|1 on" + listed << F::RaceNumber
                                             << none << Std;
    QTest::newRow("edit with a field emptied") << Std << QStringList{"click 1", "edit", "day", "save"}
                                               << "cancel | 1 | 05|06||Lakeside|2 on" + listed << F::RaceNumber
                                               << QStringList{"All fields must be filled in!"} << Std;
    QTest::newRow("the second of two alike edited")
        << Std << QStringList{"click 1", "edit", "type 4", "save"} << browsing << F::AddNew << none
        << QStringList{Std.at(0), "05|0603|Lakeside|4", Std.at(2)};
    QTest::newRow("edit cancelled") << Std << QStringList{"click 1", "edit", "type 4", "cancel"} << browsing
                                    << F::AddNew << none << Std;
    QTest::newRow("delete answered no") << Std << QStringList{"click 1", "delete no"}
                                        << "add edit delete end send list | 1 | 05|06|03|Lakeside|2" + listed
                                        << F::None << QStringList{deleteQuestion} << Std;
    QTest::newRow("the second of two alike deleted")
        << Std << QStringList{"click 1", "delete yes"}
        << "add edit delete end send list | 0 | 05|05|27|Lakeside|1 | [ 2 Race(s) Listed] *" << F::List
        << QStringList{deleteQuestion} << QStringList{Std.at(0), Std.at(2)};
    QTest::newRow("warning goes with its race") << Std << QStringList{"click 2", "delete yes"}
                                                << "add edit delete end send list | 0 | 05|05|27|Lakeside|1 | [ 2 Race(s) "
                                                   "Listed]"
                                                << F::List << QStringList{deleteQuestion} << Std.mid(0, 2);
    QTest::newRow("last race deleted") << Std.mid(2) << QStringList{"click 0", "delete yes"}
                                       << "add end send | -1 | |||| | [0 Races Listed]" << F::None
                                       << QStringList{deleteQuestion} << none;
}

void TestLiberationLogic::steps()
{
    QFETCH(QStringList, races);
    QFETCH(QStringList, script);
    Rig rig(races);
    rig.steps(script);
    QTEST(rig.view(), "view");
    QTEST(rig.focus, "focus");
    QTEST(rig.prompter.texts(), "messages");
    QTEST(rig.stored(), "stored");
    // Sending hands over every race the table holds, in table order.
    if (script.contains(QLatin1String("send"))) {
        QCOMPARE(rig.sent.size(), 1);
        QStringList sent;
        for (const LiberationRace &r : rig.sent.constFirst())
            sent.append(QStringList{r.number, r.date, r.name, r.type}.join(QLatin1Char('|')));
        QCOMPARE(sent, rig.stored());
    }
    for (const Message &m : std::as_const(rig.prompter.messages)) {
        if (m.text == QLatin1String("Are you sure you wish to DELETE this record?")) {
            QCOMPARE(m.title, QStringLiteral("Delete Record"));
            QCOMPARE(m.buttons, MsgButtons::YesNo);
            QCOMPARE(m.defaultButton, 1);
        } else {
            const bool plain = m.text.startsWith(QLatin1String("Invalid data"));
            QCOMPARE(m.icon, plain ? MsgIcon::None : MsgIcon::Critical);
            QCOMPARE(m.title, plain ? QString() : QStringLiteral("Error"));
        }
    }
}

void TestLiberationLogic::databaseFailure_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("storedAfterRetry");
    const QStringList added = Std + QStringList{"07|0527|Dale|1"};
    const QStringList edited{Std.at(0), "05|0603|Dale|2", Std.at(2)};
    const QStringList editScript{"click 1", "edit", "name Dale", "save"};
    QTest::newRow("file deleted, add") << "deleted" << AddDale + QStringList{"save"} << 3024 << added;
    QTest::newRow("file deleted, edit") << "deleted" << editScript << 3024 << edited;
    QTest::newRow("file locked, add") << "locked" << AddDale + QStringList{"save"} << 3051 << added;
    QTest::newRow("file locked, edit") << "locked" << editScript << 3051 << edited;
    QTest::newRow("file locked, delete") << "locked" << QStringList{"click 1", "delete yes"} << 3051
                                         << QStringList{Std.at(0), Std.at(2)};
}

// The failing step says what went wrong and keeps what was typed; once the
// file is back, the same step stores it, once.
void TestLiberationLogic::databaseFailure()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, script);
    QFETCH(int, number);
    Rig rig(Std);
    FailThenRetry(rig, rig.scratch, fault, script, QStringLiteral(" #:%1.\r\nPlease notify").arg(number));
    QTEST(rig.stored(), "storedAfterRetry");
}

QTEST_GUILESS_MAIN(TestLiberationLogic)
#include "test_liberation_logic.moc"
