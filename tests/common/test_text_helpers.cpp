#include "common/text_helpers.h"

#include <QTest>

class TestTextHelpers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixWidth_data();
    void fixWidth();
    void hexToNumber_data();
    void hexToNumber();
    void lenientNumber_data();
    void lenientNumber();
};

void TestTextHelpers::fixWidth_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<char>("pad");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("concourse 7b") << QByteArray("7B") << 4 << '0' << true << QByteArray("7B00");
    QTest::newRow("combine 3") << QByteArray("3") << 2 << '0' << true << QByteArray("30");
    QTest::newRow("trimmed first") << QByteArray("  ab ") << 4 << '.' << true << QByteArray("ab..");
    QTest::newRow("right aligned") << QByteArray("12") << 5 << '0' << false << QByteArray("00012");
    QTest::newRow("cut keeps first") << QByteArray("abcdef") << 3 << ' ' << true << QByteArray("abc");
    QTest::newRow("cut keeps last") << QByteArray("abcdef") << 3 << ' ' << false << QByteArray("def");
    QTest::newRow("exact") << QByteArray("abc") << 3 << ' ' << true << QByteArray("abc");
    QTest::newRow("empty filled") << QByteArray() << 3 << '0' << false << QByteArray("000");
    QTest::newRow("high bytes kept") << QByteArray("\x81\xE9") << 3 << ' ' << true << QByteArray("\x81\xE9 ");
    QTest::newRow("width zero") << QByteArray("abc") << 0 << ' ' << true << QByteArray();
}

void TestTextHelpers::fixWidth()
{
    QFETCH(QByteArray, text);
    QFETCH(int, width);
    QFETCH(char, pad);
    QFETCH(bool, left);
    QFETCH(QByteArray, expected);
    QCOMPARE(FixWidth(text, width, pad, left), expected);
}

void TestTextHelpers::hexToNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("serial") << QByteArray("12AB34CD") << 313210061.0;
    QTest::newRow("lower case") << QByteArray("ff") << 255.0;
    QTest::newRow("largest") << QByteArray("FFFFFFFF") << 4294967295.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("non-hex counts 0") << QByteArray("1G") << 16.0;
    QTest::newRow("blank inside") << QByteArray("0 1") << 1.0;
}

void TestTextHelpers::hexToNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(HexToNumber(text), expected);
}

void TestTextHelpers::lenientNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << QByteArray("0157") << 157.0;
    QTest::newRow("leading blanks") << QByteArray("  42") << 42.0;
    QTest::newRow("stops at letter") << QByteArray("12ab") << 12.0;
    QTest::newRow("no digits") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("decimal") << QByteArray("3.47x") << 3.47;
    QTest::newRow("negative") << QByteArray("-7") << -7.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
}

void TestTextHelpers::lenientNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QCOMPARE(LenientNumber(text), expected);
}

QTEST_APPLESS_MAIN(TestTextHelpers)
#include "test_text_helpers.moc"
