#include "common/csv.h"
#include "common/folders.h"
#include "common/line_file.h"
#include "common/prompter.h"
#include "csv_reader.h"
#include "recording_prompter.h"
#include "scratch_files.h"
#include "small_file_system.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>

namespace {

const QList<QStringList> Awkward = {
    {QStringLiteral("Pos"), QStringLiteral("Flyer Name")},
    {QStringLiteral("1"), QStringLiteral("Smith, Jan")},
    {QStringLiteral("2"), QStringLiteral("Ann \"The Hen\" Baker")},
    {QStringLiteral("3"), QStringLiteral("Łukasz Żółć, Müller & Søn")},
    {QStringLiteral("4"), QStringLiteral("two\r\nlines")},
    {QStringLiteral(""), QStringLiteral("  blanks kept  ")},
};

} // namespace

// Files the program writes, and the folders it keeps them in.
class TestFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void replacesWholeFile()
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

    void failureLeavesNoHalfFile_data()
    {
        QTest::addColumn<QString>("blocker");   // made a folder or a file before the write
        QTest::addColumn<bool>("blockerIsFolder");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");   // empty: any reason
        QTest::newRow("folder in the file's place") << "12340102.005" << true << "12340102.005" << QString();
        QTest::newRow("file in the folder's place") << "TAM" << false << "TAM/12340102.005"
                                                    << "the folder cannot be created";
    }

    void failureLeavesNoHalfFile()
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

    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("tmpfs");   // else a file-size limit
        QTest::newRow("full file system") << true;
        QTest::newRow("file size limit") << false;
    }

    void fullDiskKeepsTheOldFile()
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

    void quoting_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringList{"1", "Jan Smith"} << QByteArray("1,Jan Smith\r\n");
        QTest::newRow("comma") << QStringList{"Smith, Jan"} << QByteArray("\"Smith, Jan\"\r\n");
        QTest::newRow("quotes doubled") << QStringList{"a\"b", "c"} << QByteArray("\"a\"\"b\",c\r\n");
        QTest::newRow("line break") << QStringList{"a\nb"} << QByteArray("\"a\nb\"\r\n");
        QTest::newRow("empty fields") << QStringList{"", ""} << QByteArray(",\r\n");
        QTest::newRow("utf-8") << QStringList{"Żółć"} << QByteArray("\xC5\xBB\xC3\xB3\xC5\x82\xC4\x87\r\n");
    }

    void quoting()
    {
        QFETCH(QStringList, row);
        QFETCH(QByteArray, line);
        QCOMPARE(CsvText({row}), QByteArray("\xEF\xBB\xBF") + line);
    }

    void readsBackUnchanged()
    {
        const QByteArray text = CsvText(Awkward);
        QCOMPARE(ReadCsv(text), Awkward);

        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("awkward.csv"));
        QVERIFY(WriteFileBytes(path, text));
        QProcess reader;
        reader.start(python, {QStringLiteral("-c"),
                              QStringLiteral("import csv, json, sys; print(json.dumps(list(csv.reader("
                                             "open(sys.argv[1], encoding='utf-8-sig', newline='')))))"),
                              path});
        QVERIFY(reader.waitForFinished(60000));
        QCOMPARE(reader.exitCode(), 0);
        QList<QStringList> read;
        for (const QJsonValue &row : QJsonDocument::fromJson(reader.readAllStandardOutput()).array())
            read.append(row.toVariant().toStringList());
        QCOMPARE(read, Awkward);
    }

    void exportSaysWhatHappened_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("told");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancelled") << QString() << QString() << false;
        QTest::newRow("folder is a file") << "blocker/out.csv"
                                          << "%1 could not be written: the folder cannot be created." << false;
        QTest::newRow("written") << "sub/out.csv" << "5 line(s) were exported to %1." << true;
    }

    void exportSaysWhatHappened()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, written);
        QTemporaryDir dir;
        QVERIFY(WriteFileBytes(dir.filePath(QStringLiteral("blocker")), "not a folder"));
        const QString path = chosen.isEmpty() ? QString() : dir.filePath(chosen);
        RecordingPrompter prompter;
        prompter.saveNext(path);
        bool onDiskWhenTold = false;
        prompter.whenAsked = [&](const Message &) { onDiskWhenTold = ReadCsv(FileBytes(path)) == Awkward; };

        QCOMPARE(ExportCsv(prompter, SaveFileRequest{QStringLiteral("Export"), dir.path(), QStringLiteral("x.csv"), {}},
                           Awkward, QStringLiteral("Window")),
                 written);
        QCOMPARE(prompter.saveRequests.size(), 1);
        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(onDiskWhenTold, written);
        QFETCH(QString, told);
        QCOMPARE(prompter.texts().join(QLatin1Char('|')), told.isEmpty() ? told : told.arg(path));
    }

    // An installed program: /usr/bin beside /usr/share/tamrel, the user's folder
    // made and filled on the first start and kept after.
    void programFolder()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("usr/bin"));
        const QString user = root.filePath(QStringLiteral("home/.local/share/Tamrel"));
        QDir().mkpath(bin);
        QVERIFY(WriteFileBytes(root.filePath(QStringLiteral("usr/share/tamrel/tamreldata.mdb")), "delivered"));
        QVERIFY(WriteFileBytes(root.filePath(QStringLiteral("usr/share/tamrel/Tamrel.chm")), "help"));
        QVERIFY(WriteFileBytes(root.filePath(QStringLiteral("usr/share/tamrel/help/index.html")), "<html>"));
        const QString delivered = DeliveredFolder(bin);

        QCOMPARE(ProgramFolder(root.filePath(QStringLiteral("mine")), bin, user, delivered),
                 root.filePath(QStringLiteral("mine")));
        QVERIFY(!QFileInfo::exists(user));

        QCOMPARE(ProgramFolder({}, bin, user, delivered), user);
        QCOMPARE(FileBytes(user + QStringLiteral("/tamreldata.mdb")), QByteArray("delivered"));
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QCOMPARE(QFile::permissions(user + QStringLiteral("/tamreldata.mdb")), ownerOnly);
        QCOMPARE(QFile::permissions(user), ownerOnly | QFile::ExeOwner | QFile::ExeUser);
        // The help is read where it was installed, never copied.
        QCOMPARE(QDir(user).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"tamreldata.mdb"});
        QCOMPARE(HelpFolder(bin, delivered), delivered);

        // The user's own database is never replaced by the delivered one.
        QVERIFY(WriteFileBytes(user + QStringLiteral("/tamreldata.mdb"), "the club's data"));
        QCOMPARE(ProgramFolder({}, bin, user, delivered), user);
        QCOMPARE(FileBytes(user + QStringLiteral("/tamreldata.mdb")), QByteArray("the club's data"));

        // A database beside the executable that can be written: a portable
        // install keeps everything in its own folder.
        QVERIFY(WriteFileBytes(bin + QStringLiteral("/tamreldata.mdb"), "portable"));
        QCOMPARE(ProgramFolder({}, bin, user, delivered), bin);
        QVERIFY(WriteFileBytes(bin + QStringLiteral("/help/index.html"), "<html>"));
        QCOMPARE(HelpFolder(bin, delivered), bin);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
