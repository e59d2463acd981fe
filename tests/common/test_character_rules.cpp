#include "common/character_rules.h"

#include <QTest>

class TestCharacterRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rules_data();
    void rules();
    void fitsField_data();
    void fitsField();
};

void TestCharacterRules::rules_data()
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

void TestCharacterRules::rules()
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

void TestCharacterRules::fitsField_data()
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

void TestCharacterRules::fitsField()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(bool, digits);
    QFETCH(bool, name);
    QCOMPARE(FitsField(text, limit, IsDigit), digits);
    QCOMPARE(FitsField(text, limit, IsNameCharacter), name);
    QCOMPARE(FitsNameField(text, limit), name);
}

QTEST_APPLESS_MAIN(TestCharacterRules)
#include "test_character_rules.moc"
