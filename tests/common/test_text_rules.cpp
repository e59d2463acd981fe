#include "common/character_rules.h"
#include "common/text_helpers.h"
#include "common/text_items.h"

#include <QTest>

// The byte-text helpers and character rules the records, fields and reports
// are built on.
class TestTextRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixWidth_data()
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

    void fixWidth()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, width);
        QFETCH(char, pad);
        QFETCH(bool, left);
        QFETCH(QByteArray, expected);
        QCOMPARE(FixWidth(text, width, pad, left), expected);
    }

    void hexToNumber_data()
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

    void hexToNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QCOMPARE(HexToNumber(text), expected);
    }

    void lenientNumber_data()
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

    void lenientNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        QCOMPARE(LenientNumber(text), expected);
    }

    void rules_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<bool>("digit");
        QTest::addColumn<bool>("letter");
        QTest::addColumn<bool>("name");
        QTest::addColumn<bool>("code");
        QTest::newRow("0") << QChar(u'0') << true << false << true << true;
        QTest::newRow("9") << QChar(u'9') << true << false << true << true;
        QTest::newRow("before 0") << QChar(u'/') << false << false << true << false;
        QTest::newRow("after 9") << QChar(u':') << false << false << true << false;
        QTest::newRow("A") << QChar(u'A') << false << true << true << true;
        QTest::newRow("z") << QChar(u'z') << false << true << true << true;
        QTest::newRow("before A") << QChar(u'@') << false << false << true << false;
        QTest::newRow("after Z") << QChar(u'[') << false << false << true << false;
        QTest::newRow("before a") << QChar(u'`') << false << false << true << false;
        QTest::newRow("after z") << QChar(u'{') << false << false << true << false;
        QTest::newRow("underscore") << QChar(u'_') << false << false << true << true;
        QTest::newRow("blank") << QChar(u' ') << false << false << true << false;
        QTest::newRow("tilde") << QChar(u'~') << false << false << true << false;
        QTest::newRow("unit separator") << QChar(0x1f) << false << false << false << false;
        QTest::newRow("delete") << QChar(0x7f) << false << false << false << false;
        QTest::newRow("clock address byte") << QChar(0x81) << false << false << false << false;
        QTest::newRow("last control") << QChar(0x9f) << false << false << false << false;
        QTest::newRow("no-break space") << QChar(0xa0) << false << false << true << false;
        QTest::newRow("u umlaut") << QChar(0xfc) << false << false << true << false;
        QTest::newRow("y diaeresis") << QChar(0xff) << false << false << true << false;
        QTest::newRow("beyond latin-1") << QChar(0x100) << false << false << false << false;
        QTest::newRow("arabic-indic three") << QChar(0x663) << false << false << false << false;
        QTest::newRow("han") << QChar(0x4e2d) << false << false << false << false;
    }

    void rules()
    {
        QFETCH(QChar, c);
        QFETCH(bool, digit);
        QFETCH(bool, letter);
        QFETCH(bool, name);
        QFETCH(bool, code);
        QCOMPARE(IsDigit(c), digit);
        QCOMPARE(IsLatinLetter(c), letter);
        QCOMPARE(IsNameCharacter(c), name);
        QCOMPARE(IsCodeCharacter(c), code);
    }

    void fitsField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("digits");
        QTest::addColumn<bool>("name");
        QTest::newRow("empty") << "" << 0 << true << true;
        QTest::newRow("at the limit") << "1234" << 4 << true << true;
        QTest::newRow("one over the limit") << "12345" << 4 << false << false;
        QTest::newRow("a name") << "Ridge Flyers" << 20 << false << true;
        QTest::newRow("a latin-1 name") << "Z\u00FCrich" << 6 << false << true;
        QTest::newRow("one bad character at the end") << "Ab\u0081" << 20 << false << false;
    }

    void fitsField()
    {
        QFETCH(QString, text);
        QFETCH(int, limit);
        QFETCH(bool, digits);
        QFETCH(bool, name);
        QCOMPARE(FitsField(text, limit, IsDigit), digits);
        QCOMPARE(FitsField(text, limit, IsNameCharacter), name);
        QCOMPARE(FitsNameField(text, limit), name);
    }

    void items_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QList<QByteArray>>("items");
        QTest::newRow("commas and line ends") << QByteArray("a,b\r\nc\nd") << QList<QByteArray>{"a", "b", "c", "d"};
        QTest::newRow("quoted, comma inside") << QByteArray("\"S3 x, y\",z\r\n") << QList<QByteArray>{"S3 x, y", "z"};
        QTest::newRow("quote never closed") << QByteArray("\"abc") << QList<QByteArray>{"abc"};
        QTest::newRow("empty lines give nothing") << QByteArray("\r\n\r\na\r\n\r\n") << QList<QByteArray>{"a"};
        QTest::newRow("blanks kept inside and at the end") << QByteArray("  S3  ab  \r\n")
                                                          << QList<QByteArray>{"S3  ab  "};
        QTest::newRow("nothing") << QByteArray() << QList<QByteArray>{};
    }

    void items()
    {
        QFETCH(QByteArray, text);
        QTEST(ReadItems(text), "items");
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "test_text_rules.moc"
