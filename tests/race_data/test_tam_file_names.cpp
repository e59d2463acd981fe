#include "race_data/tam_file_names.h"
#include "sample_race_lines.h"

#include <QTest>

class TestTamFileNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void names_data();
    void names();
};

void TestTamFileNames::names_data()
{
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QByteArray>("normal");
    QTest::addColumn<QByteArray>("alternative");
    QTest::addColumn<bool>("usable");   // both names

    QTest::newRow("race header") << SampleLines::raceHeader() << QByteArray("12340102.005")
                                 << QByteArray("05102402.005") << true;
    QTest::newRow("asterisks") << QByteArray(55, '*') << QByteArray("********.***") << QByteArray("********.***")
                               << false;
    QTest::newRow("path in the header") << "../../x/" + SampleLines::raceHeader().mid(8)
                                        << QByteArray("../../x/.005") << QByteArray("051024x/.005") << false;
    QTest::newRow("error code first") << QByteArray("E3") << QByteArray("E3.") << QByteArray(".") << false;
    QTest::newRow("blank flyer") << SampleLines::raceHeader().left(8) + "   " + SampleLines::raceHeader().mid(11)
                                 << QByteArray("12340102.   ") << QByteArray("05102402.   ") << false;
    QTest::newRow("byte above ASCII") << "1234\xe9" "102" + SampleLines::raceHeader().mid(8)
                                      << QByteArray("1234\xe9" "102.005") << QByteArray("05102402.005") << false;
}

void TestTamFileNames::names()
{
    QFETCH(QByteArray, firstLine);
    QFETCH(QByteArray, normal);
    QFETCH(QByteArray, alternative);
    QCOMPARE(NormalTamName(firstLine), normal);
    QCOMPARE(AlternativeTamName(firstLine), alternative);
    QTEST(IsUsableTamName(normal) && IsUsableTamName(alternative), "usable");
}

QTEST_APPLESS_MAIN(TestTamFileNames)
#include "test_tam_file_names.moc"
