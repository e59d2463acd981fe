#include "admin_db/records/admin_shared_state.h"
#include "admin_db/flyers/flyer_window.h"
#include "recording_prompter.h"
#include "test_club_flyer_file.h"
#include "widget_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

class TestFlyerWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void asAUserWould();
    void escapeAsksBeforeDroppingReceivedBirds();

private:
    QString label(const char *name) const { return m_ui.find<QLabel>(name)->text(); }
    QComboBox *clubBox() const { return m_ui.find<QComboBox>("cboClubList"); }
    void deleteShown(MsgAnswer answer)
    {
        m_prompter.answerNext(answer);
        m_ui.click("cmdFlyerErase");
    }

    ClubFlyerFile m_file{QStringLiteral("flyerWindow")};
    RecordingPrompter m_prompter;
    AdminSharedState m_shared;
    QPointer<FlyerWindow> m_window;
    WindowDriver m_ui;
};

void TestFlyerWindow::cleanup()
{
    delete m_window;
    m_prompter.reset();
}

// The received flyer's name was filled in, not typed: Escape still asks,
// since his birds would go with him.
void TestFlyerWindow::escapeAsksBeforeDroppingReceivedBirds()
{
    m_file.fill({"7|Northside"}, {"Smith|7"}, {1});
    m_shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ"};
    m_window = new FlyerWindow(m_file.scratch.db, m_prompter, m_shared, [] { return nullptr; });
    QVERIFY(m_ui.showWindow(m_window));
    m_window->enterReceivedFlyer(QStringLiteral("Adams"));
    m_prompter.answerNext(MsgAnswer::No);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(m_prompter.texts(), QStringList{"The record you are entering has not been saved.\r\nLose it?"});
    QVERIFY(m_shared.receiveMode);
    QCOMPARE(m_shared.receivedRecords.size(), 1);
}

void TestFlyerWindow::asAUserWould()
{
    m_file.fill({"7|Northside", "12|Lakeside"}, {"Smith|7", "Jones|12"}, {3, 1});
    m_window = new FlyerWindow(m_file.scratch.db, m_prompter, m_shared, [] { return nullptr; });
    QVERIFY(m_ui.showWindow(m_window));
    const WindowDriver &ui = m_ui;
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Flyer List"));
    QVERIFY(ui.fixedPitch("lstFlyerList"));
    QCOMPARE(ui.lines("lstFlyerList"), (QStringList{"Smith", "Jones"}));
    QCOMPARE(label("lblflyerlistCount"), QStringLiteral(" 2 Flyers Listed"));
    QCOMPARE(label("Label1"), QStringLiteral("Club"));
    QVERIFY(!clubBox()->isEnabled());

    ui.clickLine("lstFlyerList", 1);
    QCOMPARE(clubBox()->currentText(), QStringLiteral("12 Lakeside"));
    QCOMPARE(ui.field("txtFlyerName")->text(), QStringLiteral("Jones"));
    QVERIFY(ui.enabled("cmdFlyerErase"));

    // Letters, points and minus signs do not go into the coordinates.
    ui.click("cmdFlyerAddNew");
    QCOMPARE(label("Label1"), QStringLiteral("Choose Club"));
    QCOMPARE(QApplication::focusWidget(), ui.field("txtFlyerName"));
    QVERIFY(clubBox()->isEnabled());
    QCOMPARE(clubBox()->currentText(), QStringLiteral("7 Northside"));
    QTest::keyClicks(ui.field("txtFlyerName"), QStringLiteral("Adams"));
    ui.typeInto("txtFlyerLatitude", QStringLiteral("40ab.1-5"));
    ui.typeInto("txtFlyerLongitude", QStringLiteral("123456789"));
    QCOMPARE(ui.field("txtFlyerLatitude")->text(), QStringLiteral("4015"));
    QCOMPARE(ui.field("txtFlyerLongitude")->text(), QStringLiteral("1234567"));
    QTest::keyClick(clubBox(), Qt::Key_Down);
    ui.click("cmdFlyerSave");
    QCOMPARE(ui.lines("lstFlyerList"), (QStringList{"Smith", "Jones", "Adams"}));
    QCOMPARE(ui.selectedRow("lstFlyerList"), 2);
    QCOMPARE(QApplication::focusWidget(), ui.find<QWidget>("lstFlyerList"));
    QCOMPARE(m_file.rows("SELECT Name || '|' || ClubID || '|' || Latitude || '|' || Longitude AS row "
                         "FROM flyerlist WHERE FlyerID = 3"),
             QStringList{"Adams|12|4015|1234567"});

    ui.clickLine("lstFlyerList", 0);
    deleteShown(MsgAnswer::No);
    QCOMPARE(ui.lines("lstFlyerList"), (QStringList{"Smith", "Jones", "Adams"}));
    deleteShown(MsgAnswer::Yes);
    QCOMPARE(m_prompter.messages.size(), 2);
    QCOMPARE(m_prompter.messages.constLast().title, QStringLiteral("Delete Record"));
    QCOMPARE(ui.lines("lstFlyerList"), (QStringList{"Jones", "Adams"}));
    QCOMPARE(ui.field("txtFlyerName")->text(), QStringLiteral("Jones"));
    QCOMPARE(m_file.rows("SELECT BirdFlyerID AS row FROM birds"), QStringList{"2"});

    // Jones may not take Adams's name.
    ui.click("cmdFlyerEdit");
    WindowDriver::settle();
    QTest::keyClicks(ui.field("txtFlyerName"), QStringLiteral("adams"));
    ui.click("cmdFlyerSave");
    QCOMPARE(m_prompter.texts().constLast(), QStringLiteral("adams already exists, please choose another."));
    QCOMPARE(ui.field("txtFlyerName")->text(), QString());
    ui.click("cmdFlyerCancel");
    QCOMPARE(ui.field("txtFlyerName")->text(), QStringLiteral("Jones"));

    ui.typeInto("txtSearch", QStringLiteral("AD"));
    QCOMPARE(ui.lines("lstFlyerList"), QStringList{"Adams"});
    QCOMPARE(clubBox()->currentText(), QStringLiteral("12 Lakeside"));
    QTest::keyClick(ui.field("txtSearch"), Qt::Key_Percent);
    QCOMPARE(ui.lines("lstFlyerList"), QStringList{"No flyers to Show"});
    QCOMPARE(label("lblflyerlistCount"), QStringLiteral("0 Flyers Listed"));

    ui.click("cmdFlyerEnd");
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(!m_file.scratch.db.isHeld(Table::flyerlist));
    QVERIFY(!m_file.scratch.db.isHeld(Table::clubs));
    QCOMPARE(m_prompter.messages.size(), 3);
}

QTEST_MAIN(TestFlyerWindow)
#include "test_flyer_window.moc"
