#include "admin_db/db/database_error_report.h"
#include "admin_db/records/bird_colors.h"
#include "admin_db/records/bird_hatch_years.h"
#include "admin_db/records/bird_record.h"
#include "recording_prompter.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<double>)

class TestDbTexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void colorSlots_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<QString>("name");
        QTest::newRow("61 no colour") << 61 << "1" << "1";
        QTest::newRow("32 other") << 32 << "____" << "Other";
        QTest::newRow("63 bronze") << 63 << "BR" << "Bronze";
        QTest::newRow("64 first above 63") << 64 << "BRW" << "Bronze White Flight";
        QTest::newRow("74 blue") << 74 << "BL" << "Blue";
        QTest::newRow("93 strawberry") << 93 << "ST" << "Strawberry";
        QTest::newRow("96 empty") << 96 << "" << "";
        QTest::newRow("97 outside") << 97 << "" << "";
    }

    void colorSlots()
    {
        QFETCH(int, code);
        QFETCH(QString, abbreviation);
        QFETCH(QString, name);
        BirdColors colors;
        colors.BuildColorTable();
        QCOMPARE(colors.slot(code).abbreviation, abbreviation);
        QCOMPARE(colors.slot(code).name, name);
    }

    void databaseError_data()
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

    void databaseError()
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

    void listLine_data()
    {
        QTest::addColumn<QByteArray>("band");    // org|year|club|serial as stored
        QTest::addColumn<QByteArray>("color");
        QTest::addColumn<QString>("line");
        QTest::newRow("blue cock, short club letters") << QByteArray("AU|07|  AB|000123") << QByteArray("J")
                                                       << " AU07  AB000123C 0000000000 BL";
        QTest::newRow("no colour known") << QByteArray("US|99|ABCD|000001") << QByteArray("NONE")
                                         << " US99ABCD000001C 0000000000 ";
        QTest::newRow("short parts keep their columns") << QByteArray("US|5|AB|12") << QByteArray("J")
                                                        << " US5 AB  12    C 0000000000 BL";
    }

    void listLine()
    {
        QFETCH(QByteArray, band);
        QFETCH(QByteArray, color);
        QFETCH(QString, line);
        const QList<QByteArray> parts = band.split('|');
        BirdRecord b;
        b.natOrg = parts.at(0);
        b.hatchYr = parts.at(1);
        b.clubletters = parts.at(2);
        b.bnumber = parts.at(3);
        b.sex = "C";
        b.elecnumber = NoElectronicRing;
        b.color = color;
        BirdColors colors;
        colors.BuildColorTable();
        QCOMPARE(BirdListLine(b, colors), line);
    }

    void hatchYears_data()
    {
        QTest::addColumn<QList<double>>("versions");   // read one after the other
        QTest::addColumn<QList<int>>("accepted");
        QTest::addColumn<QList<int>>("refused");
        QTest::addColumn<QString>("message");
        const QString from0 = QStringLiteral("Valid years are 0--> <--31");
        const QString from80 = QStringLiteral("Valid years are 80--> <--11");
        QTest::newRow("none read") << QList<double>{0} << QList<int>{0, 5, 31} << QList<int>{32, 80, 99} << from0;
        QTest::newRow("3.40") << QList<double>{3.40} << QList<int>{80, 85, 99, 0, 5, 11} << QList<int>{12, 31, 79}
                              << from80;
        QTest::newRow("3.45") << QList<double>{3.45} << QList<int>{85} << QList<int>{12} << from80;
        QTest::newRow("3.47 first") << QList<double>{3.47} << QList<int>{5, 31} << QList<int>{85} << from0;
        QTest::newRow("3.47 after 3.40") << QList<double>{3.40, 3.47} << QList<int>{85, 5} << QList<int>{31} << from80;
        QTest::newRow("3.5") << QList<double>{3.40, 3.5} << QList<int>{0, 12, 31} << QList<int>{32, 85} << from0;
        QTest::newRow("none read after 3.40") << QList<double>{3.40, 0} << QList<int>{31} << QList<int>{85} << from0;
    }

    void hatchYears()
    {
        QFETCH(QList<double>, versions);
        QFETCH(QList<int>, accepted);
        QFETCH(QList<int>, refused);
        QFETCH(QString, message);
        HatchYearWindow window;
        for (double v : versions)
            window.follow(v);
        for (int year : accepted)
            QVERIFY2(window.accepts(year), qPrintable(QString::number(year)));
        for (int year : refused)
            QVERIFY2(!window.accepts(year), qPrintable(QString::number(year)));
        QCOMPARE(window.message(), message);
    }
};

QTEST_GUILESS_MAIN(TestDbTexts)
#include "test_db_texts.moc"
