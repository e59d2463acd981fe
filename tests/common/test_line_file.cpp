#include "common/line_file.h"

#include "scratch_files.h"
#include "small_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

class TestLineFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesWholeFile();
    void failureLeavesNoHalfFile_data();
    void failureLeavesNoHalfFile();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
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

    // Through a link the file it names is replaced, and keeps its mode.
    const QString real = dir.filePath(QStringLiteral("new/real"));
    QVERIFY(QFile::rename(path, real) && QFile::link(real, path));
    QCOMPARE(chmod(QFile::encodeName(real).constData(), 0640), 0);
    QVERIFY(WriteLineFile(path, {"four"}).ok);
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(FileBytes(real), QByteArray("four\r\n"));
    struct stat after {};
    QCOMPARE(stat(QFile::encodeName(real).constData(), &after), 0);
    QCOMPARE(after.st_mode & 0777, mode_t(0640));
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

void TestLineFile::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("tmpfs");   // else a file-size limit
    QTest::newRow("full file system") << true;
    QTest::newRow("file size limit") << false;
}

void TestLineFile::fullDiskKeepsTheOldFile()
{
    QFETCH(bool, tmpfs);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("W0000020.D00"));
    const QList<QByteArray> oldLines(100, QByteArray(38, '1'));
    const QByteArray oldContent = QByteArray(38, '1').append("\r\n").repeated(100);
    const QList<QByteArray> newLines(5000, QByteArray(78, '2'));

    std::optional<SmallFileSystem> small;
    if (tmpfs) {
        small.emplace(dir.path(), QStringLiteral("64k"));
        if (!small->mounted())
            QSKIP("mounting a small file system needs root");
    }
    QVERIFY(WriteLineFile(path, oldLines).ok);
    Outcome written;
    {
        std::optional<FileSizeLimit> limit;
        if (!tmpfs)
            limit.emplace(100000);
        written = WriteLineFile(path, newLines, oldContent);
    }
    QVERIFY(!written.ok);
    QVERIFY2(written.message.startsWith("the disk may be full ("), qPrintable(written.message));
    QCOMPARE(FileBytes(path), oldContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"W0000020.D00"});
}

QTEST_APPLESS_MAIN(TestLineFile)
#include "test_line_file.moc"
