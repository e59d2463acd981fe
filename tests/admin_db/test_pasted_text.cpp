#include "admin_db/birds/bird_inventory_window.h"
#include "admin_db/liberations/liberation_window.h"
#include "admin_db/records/admin_shared_state.h"
#include "clock/clock_identity.h"
#include "recording_bird_transfers.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "widget_driver.h"

#include <QPointer>

// A pasted text with a character the field would not let the user type is
// refused whole; a long one is cut to the field's length.
class TestPastedText : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pastedText_data();
    void pastedText();

private:
    // The window, and the button that opens its fields.
    QWidget *open(const QString &which);
    static const char *addButton(const QString &which);

    std::unique_ptr<ScratchDatabase> m_scratch;
    RecordingPrompter m_prompter;
    AdminSharedState m_shared;
    ClockIdentity m_clock;
    RecordingBirdTransfers m_transfers;
    QPointer<QWidget> m_window;
};

void TestPastedText::init()
{
    m_scratch = std::make_unique<ScratchDatabase>(QStringLiteral("pastedText"));
    Connection own;
    m_scratch->openOwn(own);
    own.execute("INSERT INTO flyerlist (Name, ClubID) VALUES ('Abel', 1)");
}

void TestPastedText::cleanup()
{
    delete m_window;
    m_scratch.reset();
}

QWidget *TestPastedText::open(const QString &which)
{
    if (which == QLatin1String("birds"))
        return m_window = new BirdInventoryWindow(m_scratch->db, m_prompter, m_shared, m_clock,
                                                  [] { return QStringLiteral("US"); }, m_transfers);
    return m_window = new LiberationWindow(m_scratch->db, m_prompter, [](const QList<LiberationRace> &) {});
}

const char *TestPastedText::addButton(const QString &which)
{
    return which == QLatin1String("birds") ? "cmdBirdAddNew" : "cmdOrteAddNew";
}

void TestPastedText::pastedText_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    const QString birds = QStringLiteral("birds");
    const QString races = QStringLiteral("liberations");
    QTest::newRow("letters in the year") << birds << "txtYear" << "1a" << "";
    QTest::newRow("ID number too long") << birds << "txtIdNumber" << "1234567" << "123456";
    QTest::newRow("club letters with 0x81") << birds << "txtClub" << "A\u0081" << "";
    QTest::newRow("club letters beyond latin-1") << birds << "txtClub" << "A\u4e2d" << "";
    QTest::newRow("club letters with latin-1 letter") << birds << "txtClub" << "Z\u00FC" << "Z\u00FC";
    QTest::newRow("organisation too long") << birds << "cmbOrg" << "usa" << "us";
    QTest::newRow("letters in the race number") << races << "txtRaceNumber" << "1a" << "";
    QTest::newRow("race number too long") << races << "txtRaceNumber" << "123" << "12";
    QTest::newRow("letters in the day") << races << "txtRaceDateDay" << "3x" << "";
    QTest::newRow("race type too long") << races << "txtRaceType" << "12" << "1";
    QTest::newRow("name too long") << races << "txtRaceName" << "Lakeside Far" << "Lakeside";
    QTest::newRow("name with 0x81") << races << "txtRaceName" << "Ab\u0081" << "";
    QTest::newRow("name with latin-1 letters") << races << "txtRaceName" << "Z\u00FCrich" << "Z\u00FCrich";
}

void TestPastedText::pastedText()
{
    QFETCH(QString, form);
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QVERIFY(showWindow(open(form)));
    click(addButton(form));
    QCOMPARE(paste(qPrintable(field), pasted), shown);
}

QTEST_MAIN(TestPastedText)
#include "test_pasted_text.moc"
