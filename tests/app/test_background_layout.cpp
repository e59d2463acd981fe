#include "app/background_layout.h"

#include <QTest>

class TestBackgroundLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fonts_data();
    void fonts();
    void lineAndCentre();
};

void TestBackgroundLayout::fonts_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("title");
    QTest::addColumn<double>("company");
    QTest::addColumn<int>("thickness");
    QTest::newRow("half width, full height") << QSize(640, 800) << 36.0 << 10.0 << 3;
    QTest::newRow("full screen") << QSize(1280, 800) << 72.0 << 20.0 << 5;
    QTest::newRow("height limits") << QSize(1280, 200) << 18.0 << 5.0 << 1;
    QTest::newRow("tiny") << QSize(64, 40) << 3.6 << 1.0 << 1;
}

void TestBackgroundLayout::fonts()
{
    QFETCH(QSize, window);
    QFETCH(double, title);
    QFETCH(double, company);
    QFETCH(int, thickness);
    const BackgroundLayout l = LayOutBackground(window, QSize(1280, 800), 20);
    QCOMPARE(l.titlePointSize, title);
    QCOMPARE(l.companyPointSize, company);
    QCOMPARE(l.line.height(), thickness);
}

void TestBackgroundLayout::lineAndCentre()
{
    const BackgroundLayout l = LayOutBackground(QSize(1000, 600), QSize(1280, 800), 20);
    QCOMPARE(l.line.left(), 0);
    QCOMPARE(l.line.width(), 1000);
    QCOMPARE(l.line.top(), 270);   // half the height less one and a half status bars
    QCOMPARE(CentredOrigin(QSize(1000, 600), QSize(1280, 800)), QPoint(140, 100));
    QVERIFY(FillsScreen(QSize(1200, 760), QSize(1280, 800)));
    QVERIFY(!FillsScreen(QSize(1200, 500), QSize(1280, 800)));
}

QTEST_APPLESS_MAIN(TestBackgroundLayout)
#include "test_background_layout.moc"
