#include "admin_db/liberations/liberation_window.h"
#include "recording_prompter.h"
#include "step_verbs.h"
#include "widget_driver.h"

#include <QLabel>
#include <QPointer>

namespace {

// Two races that show the same number and name, and one Ventaro cannot use.
const QStringList Std{"05|0527|Lakeside|1", "05|0603|Lakeside|2", "00|0614|Home|3"};
const QStringList AddDale{"add", "number 7", "month 05", "day 27", "name Dale"};

// Numbered down from 99, the last number Ventaro takes.
QStringList numberedRaces(int count)
{
    QStringList races;
    for (int n = 1; n <= count; ++n)
        races.append(QStringLiteral("%1|0501|Race|1").arg(100 - n, 2, 10, QLatin1Char('0')));
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

class TestLiberations : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        delete m_window;
        m_scratch.reset();
    }

    void steps_data()
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
        const QString deleteQuestion = QStringLiteral("Are you sure you wish to DELETE this record?");
        QTest::newRow("empty table") << none << none << "add end send | -1 | |||| | [0 Races Listed]" << F::None << none
                                     << none;
        QTest::newRow("sent from a chosen line") << Std << QStringList{"click 2", "send"} << browsing << F::AddNew << none
                                                 << Std;
        QTest::newRow("typing the type enables save") << Std << AddDale + QStringList{"type", "save", "type 2"}
                                                      << "save cancel | -1 | 7|05|27|Dale|2 on" + listed << F::RaceNumber
                                                      << QStringList{"All fields must contain data!"} << Std;
        QTest::newRow("saved by shortcut from the month field")
            << Std << QStringList{"add", "number 7", "month 5", "day 31", "name Dale", "save"}
            << "add end send list | -1 | |||| | [ 4 Race(s) Listed] *" << F::AddNew << none
            << Std + QStringList{"07|0531|Dale|1"};
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
        QTest::newRow("52nd race refused") << numberedRaces(51) << AddDale + QStringList{"save"}
                                           << "save cancel | -1 | 7|05|27|Dale|1 on | [ 51 Race(s) Listed]" << F::RaceNumber
                                           << QStringList{"No more than 51 races can be stored."} << numberedRaces(51);
        QTest::newRow("edit with a field emptied") << Std << QStringList{"click 1", "edit", "day", "save"}
                                                   << "cancel | 1 | 05|06||Lakeside|2 on" + listed << F::RaceNumber
                                                   << QStringList{"All fields must be filled in!"} << Std;
        QTest::newRow("the second of two alike edited")
            << Std << QStringList{"click 1", "edit", "type 4", "save"} << browsing << F::AddNew << none
            << QStringList{Std.at(0), "05|0603|Lakeside|4", Std.at(2)};
        QTest::newRow("the second of two alike deleted")
            << Std << QStringList{"click 1", "delete yes"}
            << "add edit delete end send list | 0 | 05|05|27|Lakeside|1 | [ 2 Race(s) Listed] *" << F::List
            << QStringList{deleteQuestion} << QStringList{Std.at(0), Std.at(2)};
        QTest::newRow("last race deleted") << Std.mid(2) << QStringList{"click 0", "delete yes"}
                                           << "add end send | -1 | |||| | [0 Races Listed]" << F::None
                                           << QStringList{deleteQuestion} << none;
    }

    void steps()
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
            if (m.buttons == MsgButtons::Ok)
                QCOMPARE(m.icon, m.text.startsWith(QLatin1String("Invalid data")) ? MsgIcon::None : MsgIcon::Critical);
        }
    }

    void databaseFailure_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("storedAfterRetry");
        const QStringList added = Std + QStringList{"07|0527|Dale|1"};
        const QStringList edited{Std.at(0), "05|0603|Dale|2", Std.at(2)};
        const QStringList editScript{"click 1", "edit", "name Dale", "save"};
        QTest::newRow("file deleted, add") << "deleted" << AddDale + QStringList{"save"} << 3024 << added;
        QTest::newRow("file locked, edit") << "locked" << editScript << 3051 << edited;
        QTest::newRow("file locked, delete") << "locked" << QStringList{"click 1", "delete yes"} << 3051
                                             << QStringList{Std.at(0), Std.at(2)};
    }

    // The failing step says what went wrong and keeps what was typed; once the
    // file is back, the same step stores it, once.
    void databaseFailure()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, script);
        QFETCH(int, number);
        Rig rig(Std);
        FailThenRetry(rig, rig.scratch, fault, script, QStringLiteral(" #:%1.\r\nPlease notify").arg(number));
        QTEST(rig.stored(), "storedAfterRetry");
    }

    void asAUserWould()
    {
        open();
        auto *list = find<QListWidget>("lstOrteList");
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Liberation Points"));
        QCOMPARE(find<QPushButton>("cmdSendOrte")->text(), QStringLiteral("Send to &Tamrel"));
        QVERIFY(fixedPitch("lstOrteList"));
        QCOMPARE(ListLines(list), QStringList{"No Races"});
        QVERIFY(!list->isEnabled() && enabled("cmdSendOrte") && !field("txtRaceNumber")->isEnabled());

        // A first race, with a month typed wrong and a name too long.
        click("cmdOrteAddNew");
        QCOMPARE(m_window->focusWidget(), field("txtRaceNumber"));
        QVERIFY(!enabled("cmdSendOrte") && !enabled("cmdOrteEnd"));
        QTest::keyClicks(field("txtRaceNumber"), QStringLiteral("7"));
        QTest::keyClick(field("txtRaceNumber"), Qt::Key_Tab);
        QTest::keyClicks(field("txtRaceDateMonth"), QStringLiteral("13"));
        QTest::keyClick(field("txtRaceDateMonth"), Qt::Key_Tab);
        settle();
        QCOMPARE(m_prompter.texts(), QStringList{"Invalid data for month "});
        QCOMPARE(m_window->focusWidget(), field("txtRaceDateMonth"));
        QTest::keyClicks(field("txtRaceDateMonth"), QStringLiteral("5"));
        QTest::keyClick(field("txtRaceDateMonth"), Qt::Key_Tab);
        QCOMPARE(field("txtRaceDateMonth")->text(), QStringLiteral("05"));
        QTest::keyClicks(field("txtRaceDateDay"), QStringLiteral("27"));
        QVERIFY(!enabled("cmdOrteSave"));
        typeInto("txtRaceName", QStringLiteral("O'Hare Field"));
        QVERIFY(enabled("cmdOrteSave"));
        click("cmdOrteSave");
        QCOMPARE(ListLines(list), QStringList{"07  05/27  O Hare F"});
        QCOMPARE(find<QLabel>("lblOrteList")->text(), QStringLiteral(" 1 Race(s) Listed"));
        QVERIFY(!field("txtRaceName")->isEnabled() && field("txtRaceName")->text().isEmpty());

        // A race Ventaro cannot use.
        click("cmdOrteAddNew");
        QTest::keyClicks(field("txtRaceNumber"), QStringLiteral("0"));
        typeInto("txtRaceDateMonth", QStringLiteral("06"));
        typeInto("txtRaceDateDay", QStringLiteral("14"));
        typeInto("txtRaceName", QStringLiteral("Home"));
        typeInto("txtRaceType", QStringLiteral("2"));
        click("cmdOrteSave");
        QCOMPARE(ListLines(list), (QStringList{"07  05/27  O Hare F", "00**06/14  Home"}));
        QCOMPARE(find<QLabel>("lblVentaro")->text(), QStringLiteral("** - NOT Ventaro\nCompatible"));

        // Edited from its line.
        clickLine("lstOrteList", 1);
        QCOMPARE(field("txtRaceType")->text(), QStringLiteral("2"));
        click("cmdOrteEdit");
        typeInto("txtRaceName", QStringLiteral("Dale"));
        click("cmdOrteSave");
        QCOMPARE(ListLines(list).constLast(), QStringLiteral("00**06/14  Dale"));

        clickLine("lstOrteList", 0);
        m_prompter.answerNext(MsgAnswer::Yes);
        click("cmdOrteDelete");
        QCOMPARE(m_prompter.texts().constLast(), QStringLiteral("Are you sure you wish to DELETE this record?"));
        QCOMPARE(ListLines(list), QStringList{"00**06/14  Dale"});
        QCOMPARE(m_window->focusWidget(), list);

        click("cmdOrteEnd");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
        QVERIFY(!m_scratch->db.isHeld(Table::orte));
        Connection own;
        m_scratch->openOwn(own);
        QCOMPARE(Rows(own, "SELECT racenum || racedate || racename || racetype FROM orte"), QStringList{"000614Dale2"});
    }

    // A pasted text with a character the field would not let the user type is
    // refused whole; a long one is cut to the field's length.
    void pastedText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters in the race number") << "txtRaceNumber" << "1a" << "";
        QTest::newRow("race number too long") << "txtRaceNumber" << "123" << "12";
        QTest::newRow("name too long") << "txtRaceName" << "Lakeside Far" << "Lakeside";
        QTest::newRow("name with 0x81") << "txtRaceName" << "Ab\u0081" << "";
    }

    void pastedText()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        open();
        click("cmdOrteAddNew");
        QTEST(paste(qPrintable(field), pasted), "shown");
    }

private:
    void open()
    {
        m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("liberationWindow"));
        m_prompter.reset();
        m_window = new LiberationWindow(m_scratch->db, m_prompter, [](const QList<LiberationRace> &) {});
        QVERIFY(showWindow(m_window));
    }

    std::unique_ptr<ScratchDatabase> m_scratch;
    RecordingPrompter m_prompter;
    QPointer<LiberationWindow> m_window;
};

QTEST_MAIN(TestLiberations)
#include "test_liberations.moc"
