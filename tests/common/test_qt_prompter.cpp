#include "common/widgets/qt_prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

// The real boxes, as the user sees them: a short text must not clip a long
// title.
class TestQtPrompter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wholeTitle_data()
    {
        QTest::addColumn<bool>("input");
        QTest::newRow("message box") << false;
        QTest::newRow("input box") << true;
    }

    void wholeTitle()
    {
        QFETCH(bool, input);
        const QString title = QStringLiteral("Enter liberation date for the race of the season");
        int shownWidth = 0;
        int titleWidth = 0;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            QVERIFY(box);
            shownWidth = box->width();
            titleWidth = box->fontMetrics().horizontalAdvance(title);
            qobject_cast<QDialog *>(box)->reject();
        });
        QtPrompter prompter(nullptr);
        if (input)
            QVERIFY(!prompter.input(QStringLiteral("Date"), title, {}));
        else
            prompter.message(Message{QStringLiteral("OK"), title, MsgIcon::None, MsgButtons::Ok, 0, false});
        QVERIFY2(shownWidth > titleWidth, qPrintable(QStringLiteral("%1 <= %2").arg(shownWidth).arg(titleWidth)));
    }
};

QTEST_MAIN(TestQtPrompter)
#include "test_qt_prompter.moc"
