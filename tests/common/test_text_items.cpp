#include "common/text_items.h"

#include <QTest>

class TestTextItems : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void items_data();
    void items();
};

void TestTextItems::items_data()
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

void TestTextItems::items()
{
    QFETCH(QByteArray, text);
    QTEST(ReadItems(text), "items");
}

QTEST_GUILESS_MAIN(TestTextItems)
#include "test_text_items.moc"
