#include "admin_db/records/admin_shared_state.h"
#include "admin_db/birds/bird_inventory_window.h"
#include "admin_db/db/transaction.h"
#include "clock/clock_identity.h"
#include "csv_reader.h"
#include "recording_bird_transfers.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "scratch_files.h"
#include "widget_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

class TestBirdWindow : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("birdWindow"));
        Connection own;
        m_scratch->openOwn(own);
        own.execute("INSERT INTO flyerlist (Name, ClubID) VALUES ('Abel', 1), ('Baker', 1)");
        own.execute("INSERT INTO birds VALUES (1, 'AU', '07', '  AB', '000200', 'H', '0000000000', ' ', '0'), "
                    "(1, 'AU', '07', '  AB', '000123', 'C', '00000A1B2C', 'J', '1')");
        m_prompter.reset();
        m_clock.LmdVersion = 3.40;
        m_window = new BirdInventoryWindow(m_scratch->db, m_prompter, m_shared, m_clock,
                                           [] { return QStringLiteral("US"); }, m_transfers);
        QVERIFY(showWindow(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_scratch.reset();
    }

    void asAUserWould()
    {
        auto *flyers = find<QListWidget>("lstBIFlyerList");
        auto *org = find<QComboBox>("cmbOrg");
        auto *count = find<QLabel>("lblPigeonList");
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tamrel - Bird Inventory"));
        QCOMPARE(find<QPushButton>("cmdSendBirds")->text(), QStringLiteral("Send &Birds"));
        QVERIFY(fixedPitch("lstPigeonList"));
        QCOMPARE(ListLines(flyers), (QStringList{"Abel", "Baker"}));
        QCOMPARE(ListLines(birds()), (QStringList{" AU07  AB000123C 00000A1B2C BL", " AU07  AB000200H 0000000000 ____"}));
        QVERIFY(enabled("cmdSendBirds") && enabled("cmdReceiveBirds") && !enabled("cmdBirdEdit"));
        QVERIFY(!field("txtYear")->isEnabled() && !org->isEnabled());

        // A bird shown, and the next band proposed from it.
        clickLine("lstPigeonList", 0);
        QCOMPARE(find<QComboBox>("cmbColor")->currentText(), QStringLiteral("Blue"));
        QVERIFY(find<QRadioButton>("optCock")->isChecked());
        click("cmdBirdAddNew");
        QCOMPARE(field("txtIdNumber")->text(), QStringLiteral("000124"));
        QCOMPARE(m_window->focusWidget(), find<QPushButton>("cmdBirdSave"));
        QVERIFY(!enabled("cmdBirdEnd") && !enabled("cmdBirdAddNew"));

        // The year and the organisation typed wrong first: leaving says so and
        // keeps the focus.
        typeInto(field("txtYear"), QStringLiteral("79"));
        leaveWithTab(field("txtYear"));
        QCOMPARE(m_prompter.texts(), QStringList{"Valid years are 80--> <--11"});
        QCOMPARE(m_window->focusWidget(), field("txtYear"));
        QTest::keyClicks(field("txtYear"), QStringLiteral("5"));
        leaveWithTab(field("txtYear"));
        QCOMPARE(field("txtYear")->text(), QStringLiteral("05"));
        QTest::mouseClick(org, Qt::LeftButton);
        org->lineEdit()->selectAll();
        QTest::keyClicks(org, QStringLiteral("uk"));
        leaveWithTab(org);
        QCOMPARE(m_prompter.texts().constLast(),
            QStringLiteral("Only AU, CA, CU, IF, MX, NP or US are allowed for Nat Org."));
        QVERIFY(org->hasFocus());
        org->lineEdit()->selectAll();
        QTest::keyClicks(org, QStringLiteral("au"));
        click("cmdBirdSave");
        QCOMPARE(storedBands().constLast(), QStringLiteral("1AU05  AB000124CJ"));

        // Two selected lines deleted together.
        QTest::mouseClick(find<QCheckBox>("chkSendOnlySelectBirds"), Qt::LeftButton);
        clickLine("lstPigeonList", 0);
        clickLine("lstPigeonList", 2, Qt::ControlModifier);
        QCOMPARE(count->text(), QStringLiteral(" 3 Pigeon(s) listed,  2 Pigeon(s) Selected"));
        m_prompter.answerNext(MsgAnswer::Yes);
        click("cmdBirdDelete");
        QCOMPARE(m_prompter.texts().constLast(), QStringLiteral("Are you sure you wish to DELETE all selected records ?"));
        QCOMPARE(ListLines(birds()), QStringList{" AU05  AB000124C 0000000000 BL"});

        // A flyer without birds, found by a search, gets his first band: a full
        // year moves on to the club, Return on to the next field.
        typeInto(field("txtBISearch"), QStringLiteral("bA"));
        QCOMPARE(ListLines(flyers), QStringList{"Baker"});
        QVERIFY(!birds()->isEnabled() && !enabled("cmdSendBirds"));
        click("cmdBirdAddNew");
        QCOMPARE(org->currentText(), QStringLiteral("US"));
        QCOMPARE(m_window->focusWidget(), field("txtYear"));
        QTest::keyClicks(field("txtYear"), QStringLiteral("853"));
        settle();
        QCOMPARE(field("txtYear")->text(), QStringLiteral("85"));
        QCOMPARE(m_window->focusWidget(), field("txtClub"));
        QTest::keyClicks(field("txtClub"), QStringLiteral("xy"));
        QTest::keyClick(field("txtClub"), Qt::Key_Return);
        settle();
        QCOMPARE(field("txtClub")->text(), QStringLiteral("  xy"));
        QTest::keyClick(field("txtIdNumber"), Qt::Key_Return);
        QCOMPARE(m_window->focusWidget(), find<QComboBox>("cmbColor"));
        QTest::mouseClick(find<QRadioButton>("optHen"), Qt::LeftButton);
        click("cmdBirdSave");
        QCOMPARE(ListLines(birds()), QStringList{" US85  XY000001H 0000000000 ____"});

        // What the flyer window asks after storing a flyer read from a module.
        field("txtBISearch")->clear();
        m_window->FillBirdFlyerList();
        m_window->selectFlyer(QStringLiteral("Abel "));
        QCOMPARE(flyers->currentItem()->text(), QStringLiteral("Abel"));

        click("cmdBirdEnd");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
        QVERIFY(m_scratch->db.dataWindows().isEmpty());
    }

    // The buttons hand the chosen birds to the clock commands and follow what
    // they say: a receive that hands over to another window closes this one.
    void transferButtons()
    {
        QTest::mouseClick(find<QCheckBox>("chkSendOnlySelectBirds"), Qt::LeftButton);
        clickLine("lstPigeonList", 1);
        m_transfers.reply = {BirdTransferEnd::Then::RefreshBirds, {}};
        click("cmdSendBirds");
        QCOMPARE(m_transfers.sent.size(), 1);
        const BirdSendRequest &request = m_transfers.sent.constFirst();
        QCOMPARE(request.flyerName, QStringLiteral("Abel"));
        QVERIFY(request.onlySelected);
        // The list shows 000123 before 000200: the second line is the first bird.
        QCOMPARE(request.selectedKeys, QList<qint64>{1});

        // The counts are told with the received flyer already chosen.
        m_transfers.reply = {BirdTransferEnd::Then::ShowFlyer, QStringLiteral("Baker"), QStringLiteral("Counts")};
        QString chosenWhenTold;
        m_prompter.whenAsked = [&](const Message &) {
            chosenWhenTold = find<QListWidget>("lstBIFlyerList")->currentItem()->text().trimmed();
        };
        click("cmdReceiveBirds");
        QCOMPARE(m_prompter.texts(), QStringList{"Counts"});
        QCOMPARE(chosenWhenTold, QStringLiteral("Baker"));

        m_transfers.reply = {BirdTransferEnd::Then::Close, {}};
        click("cmdReceiveBirds");
        QCOMPARE(m_transfers.receives, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
    }

    // A run of bands is entered with Return on the Save button Add New focuses;
    // a band typed but not saved is not lost to a click on the close box.
    void confirmingWithReturn()
    {
        clickLine("lstPigeonList", 0);
        const int before = birds()->count();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            click("cmdBirdAddNew");
            QCOMPARE(m_window->focusWidget(), find<QPushButton>("cmdBirdSave"));
            QTest::keyClick(m_window->focusWidget(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(birds()->count(), before + 2);

        click("cmdBirdAddNew");
        m_prompter.reset();
        m_prompter.answerNext(MsgAnswer::No);
        QVERIFY(!m_window->close());
        QCOMPARE(m_prompter.texts(),
                 QStringList{"The record you are entering has not been saved.\r\nClose the window and lose it?"});
        QVERIFY(enabled("cmdBirdSave"));
        m_prompter.answerNext(MsgAnswer::Yes);
        QVERIFY(m_window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window.isNull());
        QVERIFY(m_scratch->db.dataWindows().isEmpty());
    }

    void exportsTheFlyersBirds()
    {
        const QString awkward = QStringLiteral("Abel, \"Ab\" Øster");
        {
            Connection own;
            m_scratch->openOwn(own);
            InsertRows(own, "UPDATE flyerlist SET Name = ? WHERE FlyerID = 1", {awkward});
        }
        m_window->FillBirdFlyerList();
        const QString path = QDir(qEnvironmentVariable("TAMREL_SCRATCH")).filePath(QStringLiteral("birds.csv"));
        m_prompter.saveNext(path);
        click("cmdExportCsv");

        QCOMPARE(m_prompter.saveRequests.size(), 1);
        QCOMPARE(m_prompter.saveRequests.at(0).fileName, QStringLiteral("Abel_ _Ab_ Øster birds.csv"));
        const QList<QStringList> expected = {
            {"Flyer Name", "Band Number", "Sex", "Electronic Ring", "Colour", "Colour Name"},
            {awkward, "AU07  AB000123", "C", "00000A1B2C", "BL", "Blue"},
            {awkward, "AU07  AB000200", "H", "0000000000", "____", "Other"}};
        QCOMPARE(ReadCsv(FileBytes(path)), expected);
        QCOMPARE(m_prompter.texts(), QStringList{QStringLiteral("2 line(s) were exported to %1.").arg(path)});

        // Nothing to export for a flyer without birds.
        clickLine("lstBIFlyerList", 1);
        QVERIFY(!enabled("cmdExportCsv"));
    }

    // A pasted text with a character the field would not let the user type is
    // refused whole; a long one is cut to the field's length.
    void pastedText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters in the year") << "txtYear" << "1a" << "";
        QTest::newRow("ID number too long") << "txtIdNumber" << "1234567" << "123456";
        QTest::newRow("club letters with 0x81") << "txtClub" << "A\u0081" << "";
        QTest::newRow("club letters with latin-1 letter") << "txtClub" << "Z\u00FC" << "Z\u00FC";
        QTest::newRow("organisation too long") << "cmbOrg" << "usa" << "us";
    }

    void pastedText()
    {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        click("cmdBirdAddNew");
        QTEST(paste(qPrintable(field), pasted), "shown");
    }

private:
    QListWidget *birds() const { return find<QListWidget>("lstPigeonList"); }
    QStringList storedBands();

    std::unique_ptr<ScratchDatabase> m_scratch;
    RecordingPrompter m_prompter;
    AdminSharedState m_shared;
    ClockIdentity m_clock;
    RecordingBirdTransfers m_transfers;
    QPointer<BirdInventoryWindow> m_window;
};

QStringList TestBirdWindow::storedBands()
{
    Connection own;
    m_scratch->openOwn(own);
    return Rows(own, "SELECT BirdFlyerID||NatOrg||HatchYr||clubletters||bnumber||sex||color FROM birds ORDER BY rowid");
}

QTEST_MAIN(TestBirdWindow)
#include "test_bird_window.moc"
