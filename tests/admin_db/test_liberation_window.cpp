#include "admin_db/liberations/liberation_window.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "widget_driver.h"

#include <QLabel>
#include <QPointer>

class TestLiberationWindow : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asAUserWould();

private:
    std::unique_ptr<ScratchDatabase> m_scratch;
    RecordingPrompter m_prompter;
    QPointer<LiberationWindow> m_window;
};

void TestLiberationWindow::init()
{
    m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("liberationWindow"));
    m_prompter.reset();
    m_window = new LiberationWindow(m_scratch->db, m_prompter, [](const QList<LiberationRace> &) {});
    QVERIFY(showWindow(m_window));
}

void TestLiberationWindow::cleanup()
{
    delete m_window;
    m_scratch.reset();
}

void TestLiberationWindow::asAUserWould()
{
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
    QTest::keyClicks(field("txtRaceDateMonth"), QStringLiteral("1a3"));
    QCOMPARE(field("txtRaceDateMonth")->text(), QStringLiteral("13"));
    QTest::keyClick(field("txtRaceDateMonth"), Qt::Key_Tab);
    settle();
    QCOMPARE(m_prompter.texts(), QStringList{"Invalid data for month "});
    QCOMPARE(m_window->focusWidget(), field("txtRaceDateMonth"));
    QCOMPARE(field("txtRaceDateMonth")->text(), QStringLiteral("01"));
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

    // Deleted after saying No once.
    clickLine("lstOrteList", 0);
    m_prompter.reset();
    m_prompter.answerNext(MsgAnswer::No);
    click("cmdOrteDelete");
    QCOMPARE(list->count(), 2);
    m_prompter.answerNext(MsgAnswer::Yes);
    click("cmdOrteDelete");
    QCOMPARE(m_prompter.texts(), QStringList(2, QStringLiteral("Are you sure you wish to DELETE this record?")));
    QCOMPARE(ListLines(list), QStringList{"00**06/14  Dale"});
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(m_window->focusWidget(), list);
    QCOMPARE(field("txtRaceName")->text(), QStringLiteral("Dale"));

    click("cmdOrteEnd");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
    QVERIFY(!m_scratch->db.isHeld(Table::orte));
    Connection own;
    m_scratch->openOwn(own);
    Statement stored = own.prepare("SELECT racenum || racedate || racename || racetype FROM orte");
    QVERIFY(stored.next());
    QCOMPARE(stored.text(0), QStringLiteral("000614Dale2"));
    QVERIFY(!stored.next());
}

QTEST_MAIN(TestLiberationWindow)
#include "test_liberation_window.moc"
