#include "common/line_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLineFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesWholeFile();
    void failureLeavesNoHalfFile_data();
    void failureLeavesNoHalfFile();
};

void TestLineFile::replacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new/LMD12345.005"));
    QVERIFY(WriteLineFile(path, {"a much longer first line", "second"}).ok);
    const Outcome written = WriteLineFile(path, {"one", "", "three"});
    QVERIFY2(written.ok, qPrintable(written.message));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("one\r\n\r\nthree\r\n"));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("new"))).entryList(QDir::Files), QStringList{"LMD12345.005"});
}

void TestLineFile::failureLeavesNoHalfFile_data()
{
    QTest::addColumn<QString>("blocker");   // made a folder or a file before the write
    QTest::addColumn<bool>("blockerIsFolder");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("message");   // empty: any reason
    QTest::newRow("folder in the file's place") << "12340102.005" << true << "12340102.005" << QString();
    QTest::newRow("file in the folder's place") << "TAM" << false << "TAM/12340102.005"
                                                << "the folder cannot be created";
}

void TestLineFile::failureLeavesNoHalfFile()
{
    QFETCH(QString, blocker);
    QFETCH(bool, blockerIsFolder);
    QFETCH(QString, target);
    QFETCH(QString, message);

    QTemporaryDir dir;
    if (blockerIsFolder) {
        QVERIFY(QDir(dir.path()).mkdir(blocker));
    } else {
        QFile file(dir.filePath(blocker));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Outcome written = WriteLineFile(dir.filePath(target), {"header", "arrival"});
    QVERIFY(!written.ok);
    QVERIFY(!written.message.isEmpty());
    if (!message.isEmpty())
        QCOMPARE(written.message, message);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{blocker});
}

QTEST_APPLESS_MAIN(TestLineFile)
#include "test_line_file.moc"
