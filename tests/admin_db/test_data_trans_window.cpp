#include "transfer/data_trans_window.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

class TestDataTransWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsWithoutBlockingAndCloses()
    {
        QWidget owner;
        owner.show();
        auto *window = new DataTransWindow(&owner);
        auto *first = window->findChild<QLabel *>(QStringLiteral("lblDataTrans"));
        auto *second = window->findChild<QLabel *>(QStringLiteral("lblBirdsTransferred"));
        QVERIFY(first && second);
        QCOMPARE(first->text(), QStringLiteral("Transferring Data..."));

        window->showProgress(QStringLiteral("Please wait..."), QStringLiteral("Compacting Database"));
        QVERIFY(window->isVisible() && window->isWindow());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(first->text(), QStringLiteral("Please wait..."));
        QCOMPARE(second->text(), QStringLiteral("Compacting Database"));
        window->setSecondLine(QStringLiteral("12 Birds Transferred"));
        QCOMPARE(second->text(), QStringLiteral("12 Birds Transferred"));

        window->closeProgress();
        window->closeProgress();
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestDataTransWindow)
#include "test_data_trans_window.moc"
