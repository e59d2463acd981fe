#include "admin_db/clubs/club_window.h"
#include "admin_db/flyers/flyer_window.h"
#include "admin_db/records/admin_shared_state.h"
#include "recording_prompter.h"
#include "test_club_flyer_file.h"
#include "widget_driver.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>

class TestClubFlyerWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        delete m_window;
        m_prompter.reset();
        m_shared = {};
    }

    void clubsAsAUserWould()
    {
        m_file.fill({"7|Northside", "12|Lakeside"});
        openClubs();
        const WindowDriver &ui = m_ui;
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Club Data"));
        QVERIFY(ui.fixedPitch("lstClubList"));
        QVERIFY(!ui.find<QPushButton>("cmdClubDelete")->isVisible());
        QCOMPARE(ui.lines("lstClubList"), (QStringList{"  7 - Northside", " 12 - Lakeside"}));
        QCOMPARE(label("lblClubList"), QStringLiteral(" 2 Clubs Listed"));

        ui.clickLine("lstClubList", 1);
        QCOMPARE(ui.field("txtClubID")->text(), QStringLiteral("12"));
        QVERIFY(ui.enabled("cmdClubEdit") && !ui.enabled("txtClubName"));
        ui.click("cmdClubEdit");
        QCOMPARE(QApplication::focusWidget(), ui.field("txtClubName"));
        QVERIFY(!ui.enabled("txtClubSearch") && !ui.enabled("lstClubList") && !ui.enabled("cmdClubEnd"));
        WindowDriver::settle();
        // A letter no byte holds does not go in.
        QTest::keyClicks(ui.field("txtClubName"), QStringLiteral("O'Neil "));
        QTest::sendKeyEvent(QTest::Click, ui.field("txtClubName"), Qt::Key_unknown, QStringLiteral("\u0141"), {});
        QTest::keyClicks(ui.field("txtClubName"), QStringLiteral("x"));
        ui.click("cmdClubSave");
        QCOMPARE(storedClubs(), (QStringList{"7|Northside", "12|O Neil x"}));
        QCOMPARE(QApplication::focusWidget(), ui.find<QWidget>("lstClubList"));

        ui.click("cmdClubAddNew");
        QVERIFY(ui.enabled("cmdClubCancel"));
        ui.click("cmdClubCancel");
        QVERIFY(!ui.enabled("cmdClubCancel"));
        ui.typeInto("txtClubSearch", QStringLiteral("o"));
        QCOMPARE(ui.lines("lstClubList"), QStringList{" 12 - O Neil x"});
        QCOMPARE(ui.field("txtClubName")->text(), QStringLiteral("O Neil x"));

        ui.click("cmdClubEnd");
        QTRY_VERIFY(m_window.isNull());
        QVERIFY(!m_file.scratch.db.isHeld(Table::clubs));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void clubsOpenedForAReceive()
    {
        m_file.fill({});
        m_shared.noClubs = true;
        openClubs();
        QCOMPARE(m_prompter.texts(), QStringList{"There must be at least one club entry."});
        QCOMPARE(QApplication::focusWidget(), m_ui.field("txtClubName"));
        QTest::keyClicks(m_ui.field("txtClubName"), QStringLiteral("First"));
        m_ui.click("cmdClubSave");
        QVERIFY(!m_shared.noClubs);
        QCOMPARE(storedClubs(), QStringList{"1|First"});
        QCOMPARE(m_ui.field("txtClubID")->text(), QStringLiteral("01"));
    }

    void escape_data()
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

    void escape()
    {
        QFETCH(bool, adding);
        QFETCH(QString, typed);
        QFETCH(int, answer);
        m_file.fill({"7|Northside"});
        openClubs();
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

    void flyersAsAUserWould()
    {
        m_file.fill({"7|Northside", "12|Lakeside"}, {"Smith|7", "Jones|12"}, {3, 1});
        openFlyers();
        const WindowDriver &ui = m_ui;
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Flyer List"));
        QVERIFY(ui.fixedPitch("lstFlyerList"));
        QCOMPARE(ui.lines("lstFlyerList"), (QStringList{"Smith", "Jones"}));
        QCOMPARE(label("lblflyerlistCount"), QStringLiteral(" 2 Flyers Listed"));
        QCOMPARE(label("Label1"), QStringLiteral("Club"));
        QVERIFY(!clubBox()->isEnabled());

        ui.clickLine("lstFlyerList", 1);
        QCOMPARE(clubBox()->currentText(), QStringLiteral("12 Lakeside"));
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
        m_prompter.answerNext(MsgAnswer::Yes);
        ui.click("cmdFlyerErase");
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
        ui.click("cmdFlyerCancel");
        QCOMPARE(ui.field("txtFlyerName")->text(), QStringLiteral("Jones"));

        ui.typeInto("txtSearch", QStringLiteral("AD"));
        QCOMPARE(ui.lines("lstFlyerList"), QStringList{"Adams"});
        QCOMPARE(clubBox()->currentText(), QStringLiteral("12 Lakeside"));
        QCOMPARE(label("lblflyerlistCount"), QStringLiteral(" 1 Flyers Listed"));

        ui.click("cmdFlyerEnd");
        QTRY_VERIFY(m_window.isNull());
        QVERIFY(!m_file.scratch.db.isHeld(Table::flyerlist));
        QVERIFY(!m_file.scratch.db.holders(Table::clubs).contains(FlyerWindowName));
        QCOMPARE(m_prompter.messages.size(), 2);
    }

    // The received flyer's name was filled in, not typed: Escape still asks,
    // since his birds would go with him.
    void escapeAsksBeforeDroppingReceivedBirds()
    {
        m_file.fill({"7|Northside"}, {"Smith|7"}, {1});
        m_shared.receivedRecords = {"ZUS20  XY000001C00000A1B2CJ"};
        openFlyers();
        qobject_cast<FlyerWindow *>(m_window)->enterReceivedFlyer(QStringLiteral("Adams"));
        m_prompter.answerNext(MsgAnswer::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(m_prompter.texts(), QStringList{"The record you are entering has not been saved.\r\nLose it?"});
        QVERIFY(m_shared.receiveMode);
        QCOMPARE(m_shared.receivedRecords.size(), 1);
    }

private:
    QStringList storedClubs()
    {
        return m_file.rows("SELECT ClubID || '|' || ClubName AS row FROM clubs ORDER BY ClubID");
    }
    void openClubs()
    {
        m_window = new ClubWindow(m_file.scratch.db, m_prompter, m_shared);
        QVERIFY(m_ui.showWindow(m_window));
    }
    void openFlyers()
    {
        m_window = new FlyerWindow(m_file.scratch.db, m_prompter, m_shared, [] { return nullptr; });
        QVERIFY(m_ui.showWindow(m_window));
    }
    QString label(const char *name) const { return m_ui.find<QLabel>(name)->text(); }
    QComboBox *clubBox() const { return m_ui.find<QComboBox>("cboClubList"); }

    ClubFlyerFile m_file{QStringLiteral("clubFlyerWindows")};
    RecordingPrompter m_prompter;
    AdminSharedState m_shared;
    QPointer<QWidget> m_window;
    WindowDriver m_ui;
};

QTEST_MAIN(TestClubFlyerWindows)
#include "test_club_flyer_windows.moc"
