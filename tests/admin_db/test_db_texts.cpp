#include "admin_db/records/bird_colors.h"
#include "admin_db/records/clean_text.h"
#include "admin_db/db/database_error_report.h"
#include "recording_prompter.h"

#include <QTest>

class TestDbTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanText_data();
    void cleanText();
    void colorSlots_data();
    void colorSlots();
    void colorOrder();
    void databaseError_data();
    void databaseError();
};

void TestDbTexts::cleanText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("argumentAfter");
    QTest::addColumn<QString>("result");
    QTest::newRow("plain") << "Ridge Flyers" << "Ridge Flyers" << "Ridge Flyers";
    QTest::newRow("apostrophe") << "O'Brien" << "O Brien" << "O Brien";
    QTest::newRow("quote and bar") << "A\"B|C" << "A B C" << "A B C";
    QTest::newRow("neighbours give two blanks") << "A'|B" << "A  B" << "A  B";
    QTest::newRow("ends trimmed, argument not") << " 'Club' " << "  Club  " << "Club";
    QTest::newRow("only specials") << "'|\"" << "   " << "";
    QTest::newRow("inner blanks kept") << "  Big   Loft " << "  Big   Loft " << "Big   Loft";
}

void TestDbTexts::cleanText()
{
    QFETCH(QString, typed);
    QFETCH(QString, argumentAfter);
    QFETCH(QString, result);
    QCOMPARE(CleanText(typed), result);
    QCOMPARE(typed, argumentAfter);
}

void TestDbTexts::colorSlots_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("name");
    QTest::newRow("0 no colour") << 0 << "1" << "1";
    QTest::newRow("20 no colour") << 20 << "1" << "1";
    QTest::newRow("61 no colour") << 61 << "1" << "1";
    QTest::newRow("32 other") << 32 << "____" << "Other";
    QTest::newRow("63 bronze") << 63 << "BR" << "Bronze";
    QTest::newRow("64 first above 63") << 64 << "BRW" << "Bronze White Flight";
    QTest::newRow("74 blue") << 74 << "BL" << "Blue";
    QTest::newRow("71 empty") << 71 << "" << "";
    QTest::newRow("90 empty") << 90 << "" << "";
    QTest::newRow("93 strawberry") << 93 << "ST" << "Strawberry";
    QTest::newRow("96 empty") << 96 << "" << "";
    QTest::newRow("97 outside") << 97 << "" << "";
    QTest::newRow("-1 outside") << -1 << "" << "";
}

void TestDbTexts::colorSlots()
{
    QFETCH(int, code);
    QFETCH(QString, abbreviation);
    QFETCH(QString, name);
    BirdColors colors;
    colors.BuildColorTable();
    QCOMPARE(colors.slot(code).abbreviation, abbreviation);
    QCOMPARE(colors.slot(code).name, name);
}

void TestDbTexts::colorOrder()
{
    BirdColors colors;
    colors.BuildColorTable();
    QCOMPARE(colors.ColorLast, 57);
    QCOMPARE(colors.ColorOrder[0], 91);
    QCOMPARE(colors.ColorOrder[41], 40);
    QCOMPARE(colors.ColorOrder[57], 32);
    // Each code once in the order, and each with a name of its own.
    QList<int> seen;
    for (int code : colors.ColorOrder) {
        QVERIFY2(!seen.contains(code) && colors.slot(code).name.size() > 1, qPrintable(QString::number(code)));
        seen.append(code);
    }
}

void TestDbTexts::databaseError_data()
{
    const QString head = QStringLiteral("The file 'tamreldata.mdb' is not accessable!\r\n\r\n");
    const QString tail = QStringLiteral("\r\nFunctions that access the DataBase are disabled!!!");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("3024") << 3024
        << head + "Make sure that 'tamreldata.mdb' is in the\r\n'C:\\Program Files\\Tamrel'\r\nfolder \r\n" + tail;
    QTest::newRow("3031") << 3031 << head + "An incorrect version of the database is detected\r\n" + tail;
    QTest::newRow("3051") << 3051 << head + "Make sure the Read Only Property is NOT checked\r\n" + tail;
    QTest::newRow("other") << 3049
        << head + "Reason unknown ! Error #  3049\r\nCall Calmeer Electronics to report this error" + tail;
}

void TestDbTexts::databaseError()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    RecordingPrompter prompter;
    ReportDatabaseError(prompter, number, QStringLiteral("C:\\Program Files\\Tamrel"));
    QCOMPARE(prompter.messages.size(), 1);
    const Message &m = prompter.messages.constFirst();
    QCOMPARE(m.text, text);
    QCOMPARE(m.title, QStringLiteral(" TAMREL Database Unavailable"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(m.buttons, MsgButtons::Ok);
    QVERIFY(m.systemModal);
}

QTEST_GUILESS_MAIN(TestDbTexts)
#include "test_db_texts.moc"
