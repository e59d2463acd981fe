#include "admin_db/records/admin_shared_state.h"
#include "admin_db/clubs/club_window.h"
#include "recording_prompter.h"
#include "test_club_flyer_file.h"
#include "widget_driver.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>

class TestClubWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void asAUserWould();
    void openedForAReceive();
    void escape_data();
    void escape();

private:
    QStringList stored()
    {
        return m_file.rows("SELECT ClubID || '|' || ClubName AS row FROM clubs ORDER BY ClubID");
    }
    void open()
    {
        m_window = new ClubWindow(m_file.scratch.db, m_prompter, m_shared);
        QVERIFY(m_ui.showWindow(m_window));
    }
    QString label(const char *name) const { return m_ui.find<QLabel>(name)->text(); }

    ClubFlyerFile m_file{QStringLiteral("clubWindow")};
    RecordingPrompter m_prompter;
    AdminSharedState m_shared;
    QPointer<ClubWindow> m_window;
    WindowDriver m_ui;
};

void TestClubWindow::cleanup()
{
    delete m_window;
    m_prompter.reset();
    m_shared = {};
}

void TestClubWindow::escape_data()
{
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");   // to the question, as MsgAnswer
    QTest::addColumn<bool>("stillEntering");
    QTest::addColumn<int>("asked");
    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
    QTest::newRow("browsing: the window closes") << false << QString() << no << false << 0;
    QTest::newRow("nothing typed: cancelled at once") << true << QString() << no << false << 0;
    QTest::newRow("typed and kept") << true << "Lake" << no << true << 1;
    QTest::newRow("typed and given up") << true << "Lake" << yes << false << 1;
}

void TestClubWindow::escape()
{
    QFETCH(bool, adding);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    m_file.fill({"7|Northside"});
    open();
    if (adding) {
        m_ui.click("cmdClubAddNew");
        QTest::keyClicks(m_ui.field("txtClubName"), typed);
    }
    m_prompter.answerNext(MsgAnswer(answer));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTEST(int(m_prompter.messages.size()), "asked");
    if (!adding) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
        return;
    }
    QTEST(m_ui.enabled("cmdClubSave"), "stillEntering");
    if (m_ui.enabled("cmdClubSave"))
        QCOMPARE(m_ui.field("txtClubName")->text(), typed);
}

void TestClubWindow::asAUserWould()
{
    m_file.fill({"7|Northside", "12|Lakeside"});
    open();
    const WindowDriver &ui = m_ui;
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Club Data"));
    QVERIFY(ui.fixedPitch("lstClubList"));
    QVERIFY(!ui.find<QPushButton>("cmdClubDelete")->isVisible());
    QCOMPARE(ui.lines("lstClubList"), (QStringList{"  7 - Northside", " 12 - Lakeside"}));
    QCOMPARE(label("lblClubList"), QStringLiteral(" 2 Clubs Listed"));
    QVERIFY(!ui.enabled("cmdClubEdit"));

    ui.clickLine("lstClubList", 1);
    QCOMPARE(ui.field("txtClubID")->text(), QStringLiteral("12"));
    QCOMPARE(ui.field("txtClubName")->text(), QStringLiteral("Lakeside"));
    QVERIFY(!ui.enabled("txtClubName"));
    QVERIFY(ui.enabled("cmdClubEdit"));

    // A name with a letter no byte holds: that letter does not go in.
    ui.click("cmdClubAddNew");
    QCOMPARE(QApplication::focusWidget(), ui.field("txtClubName"));
    QVERIFY(!ui.enabled("txtClubSearch"));
    QVERIFY(!ui.enabled("lstClubList"));
    QTest::keyClicks(ui.field("txtClubName"), QStringLiteral("O'Neil "));
    QTest::sendKeyEvent(QTest::Click, ui.field("txtClubName"), Qt::Key_unknown, QStringLiteral("\u0141"), {});
    QTest::keyClicks(ui.field("txtClubName"), QStringLiteral("x"));
    QCOMPARE(ui.field("txtClubName")->text(), QStringLiteral("O'Neil x"));
    ui.click("cmdClubSave");
    QCOMPARE(ui.lines("lstClubList"), (QStringList{"  7 - Northside", " 12 - Lakeside", " 13 - O Neil x"}));
    QCOMPARE(ui.selectedRow("lstClubList"), 0);
    QCOMPARE(QApplication::focusWidget(), ui.find<QWidget>("lstClubList"));

    ui.click("cmdClubAddNew");
    ui.click("cmdClubSave");
    QCOMPARE(m_prompter.texts(), QStringList{"Must enter a name!"});
    QVERIFY(ui.enabled("cmdClubSave"));
    ui.click("cmdClubCancel");
    QCOMPARE(ui.selectedRow("lstClubList"), 0);

    ui.clickLine("lstClubList", 2);
    ui.click("cmdClubEdit");
    QCOMPARE(QApplication::focusWidget(), ui.field("txtClubName"));
    WindowDriver::settle();
    QTest::keyClicks(ui.field("txtClubName"), QStringLiteral("Hill"));
    ui.click("cmdClubSave");
    QCOMPARE(stored(), (QStringList{"7|Northside", "12|Lakeside", "13|Hill"}));

    ui.typeInto("txtClubSearch", QStringLiteral("LAKE"));
    QCOMPARE(ui.lines("lstClubList"), QStringList{" 12 - Lakeside"});
    QCOMPARE(ui.field("txtClubName")->text(), QStringLiteral("Lakeside"));
    QCOMPARE(label("lblClubList"), QStringLiteral(" 1 Clubs Listed"));
    QTest::keyClick(ui.field("txtClubSearch"), Qt::Key_X);
    QCOMPARE(ui.lines("lstClubList"), QStringList{"No clubs to Show"});
    QCOMPARE(label("lblClubList"), QStringLiteral("0 Clubs Listed"));
    QVERIFY(!ui.enabled("lstClubList"));

    ui.click("cmdClubEnd");
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(!m_file.scratch.db.isHeld(Table::clubs));
    QCOMPARE(m_prompter.messages.size(), 1);
}

void TestClubWindow::openedForAReceive()
{
    m_file.fill({});
    m_shared.noClubs = true;
    open();
    QCOMPARE(m_prompter.texts(), QStringList{"There must be at least one club entry."});
    QCOMPARE(QApplication::focusWidget(), m_ui.field("txtClubName"));
    QTest::keyClicks(m_ui.field("txtClubName"), QStringLiteral("First"));
    m_ui.click("cmdClubSave");
    QVERIFY(!m_shared.noClubs);
    QCOMPARE(stored(), QStringList{"1|First"});
    QCOMPARE(m_ui.field("txtClubID")->text(), QStringLiteral("01"));
}

QTEST_MAIN(TestClubWindow)
#include "test_club_window.moc"
