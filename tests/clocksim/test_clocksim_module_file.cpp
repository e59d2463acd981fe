#include "module_file.h"
#include "tam_race_file.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Module)

namespace {

void compareModules(const Module &a, const Module &b)
{
    QCOMPARE(a.identity.model, b.identity.model);
    QCOMPARE(a.identity.lmdVersion, b.identity.lmdVersion);
    QCOMPARE(a.identity.state, b.identity.state);
    QCOMPARE(a.identity.serial, b.identity.serial);
    QCOMPARE(a.identity.hcuVersion, b.identity.hcuVersion);
    QCOMPARE(a.identity.hcuSerial, b.identity.hcuSerial);
    QCOMPARE(a.raceLines, b.raceLines);
    QCOMPARE(a.adminRecords, b.adminRecords);
    QCOMPARE(a.liberationPoints, b.liberationPoints);
}

const QByteArray Identity = "model korve\nlmd-version 1.57\nstate 0\nserial 12AB34CD\n";

} // namespace

class TestClocksimModuleFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void malformed_data();
    void malformed();
    void tamRaceFile_data();
    void tamRaceFile();
};

void TestClocksimModuleFile::roundTrip_data()
{
    QTest::addColumn<Module>("module");

    QTest::newRow("empty module") << Module{};
    Module full;
    full.identity = {ClockModel::Talmi, 350, '8', "deadBEEF", 5, "FFFF"};
    full.raceLines = {"123401020051321006105142406000005142419051205142419050001 05/14 Lakeside00", ""};
    full.adminRecords = {"S1          North Valley Combine  US", "  blanks at both ends  ",
                         "back\\slash and |bars|", QByteArray("high \x81\xe9\x7f and tab\t")};
    full.liberationPoints = {"011405Lakeside1", "\\x41 is no escape here"};
    QTest::newRow("awkward texts") << full;
}

void TestClocksimModuleFile::roundTrip()
{
    QFETCH(Module, module);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.lmd"));
    QString error;
    QVERIFY2(WriteModuleFile(path, module, &error), qPrintable(error));
    const auto back = ReadModuleFile(path, &error);
    QVERIFY2(back, qPrintable(error));
    compareModules(*back, module);

    // Plain printable text, so that it reads in any editor.
    for (char c : ModuleFileText(module))
        QVERIFY2(c == '\n' || (c >= 0x20 && c <= 0x7e), qPrintable(QString::number(uchar(c), 16)));
}

void TestClocksimModuleFile::malformed_data()
{
    QTest::addColumn<QByteArray>("badLine");

    QTest::newRow("unknown key") << QByteArray("colour blue");
    QTest::newRow("unknown model") << QByteArray("model other");
    QTest::newRow("short serial") << QByteArray("serial 12AB34C");
    QTest::newRow("serial not hex") << QByteArray("serial 12AB34CG");
    QTest::newRow("state of two digits") << QByteArray("state 12");
    QTest::newRow("three decimals") << QByteArray("lmd-version 1.575");
    QTest::newRow("hcu version too big for its digits") << QByteArray("hcu-version 10.00");
    QTest::newRow("record without bars") << QByteArray("admin S1");
    QTest::newRow("record with one bar") << QByteArray("admin |S1");
    QTest::newRow("unknown escape") << QByteArray("admin |a\\qb|");
    QTest::newRow("cut escape") << QByteArray("race |ab\\x4|");
    QTest::newRow("frame end in a text") << QByteArray("race |ab\\x03cd|");
}

void TestClocksimModuleFile::malformed()
{
    QFETCH(QByteArray, badLine);
    QString error;
    QVERIFY(!ParseModuleFile(Identity + "# comment\n\n" + badLine + "\n", &error));
    QVERIFY2(error.startsWith(QStringLiteral("line 7:")), qPrintable(error));
}

void TestClocksimModuleFile::tamRaceFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QByteArray>>("lines");   // empty: refused

    const QList<QByteArray> two = {"header", "arrival"};
    QTest::newRow("CR LF") << QByteArray("header\r\narrival\r\n") << two;
    QTest::newRow("LF") << QByteArray("header\narrival\n") << two;
    QTest::newRow("no end on the last line") << QByteArray("header\r\narrival") << two;
    QTest::newRow("empty line inside") << QByteArray("header\r\n\r\narrival\r\n")
                                       << QList<QByteArray>{"header", "", "arrival"};
    QTest::newRow("frame end inside a line") << QByteArray("head\x03" "er\r\n") << QList<QByteArray>();
}

void TestClocksimModuleFile::tamRaceFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QByteArray>, lines);
    QString error;
    const auto read = ParseTamRaceFile(text, &error);
    QCOMPARE(read.has_value(), !lines.isEmpty());
    if (read)
        QCOMPARE(*read, lines);
}

QTEST_GUILESS_MAIN(TestClocksimModuleFile)
#include "test_clocksim_module_file.moc"
