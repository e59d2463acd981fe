#include "common/csv.h"
#include "common/prompter.h"
#include "csv_reader.h"
#include "recording_prompter.h"
#include "scratch_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

class TestCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void quoting_data();
    void quoting();
    void readsBackUnchanged();
    void exportSaysWhatHappened_data();
    void exportSaysWhatHappened();
};

void TestCsv::quoting_data()
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

void TestCsv::quoting()
{
    QFETCH(QStringList, row);
    QFETCH(QByteArray, line);
    QCOMPARE(CsvText({row}), QByteArray("\xEF\xBB\xBF") + line);
}

void TestCsv::readsBackUnchanged()
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

void TestCsv::exportSaysWhatHappened_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("written");
    QTest::newRow("cancelled") << QString() << QString() << false;
    QTest::newRow("folder is a file") << "blocker/out.csv"
                                      << "%1 could not be written: the folder cannot be created." << false;
    QTest::newRow("written") << "sub/out.csv" << "5 line(s) were exported to %1." << true;
}

void TestCsv::exportSaysWhatHappened()
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

QTEST_GUILESS_MAIN(TestCsv)
#include "test_csv.moc"
