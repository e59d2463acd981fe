#include "clocksim_session.h"
#include "common/file_lock.h"
#include "common/folders.h"
#include "race_data/save_ventaro_race_data.h"
#include "scratch_database.h"
#include "scratch_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DemoDir = QStringLiteral(TAMREL_DEMO_DIR);
const QString Golden = QStringLiteral(TAMREL_GOLDEN_DIR "/W0000020.D00");
// Today for every run: the demo race of 11 May is nine days back.
const QDate Today(2026, 5, 20);
const QString WeekFile = QStringLiteral("W0000020.D00");
const QString Copied = QStringLiteral("Race data copied to file OK.");
// The demo database leaves out ring AU24DEMO000118 on purpose.
const QString Missing = QStringLiteral("Bird AU24DEMO000118 is not in the database.\r\n"
                                       "Club #: 002 Flyer #: 005 Jan Smith            - Not found! ");

// The demo's clubs, flyers and birds, statement by statement.
void loadDemoData(Connection &connection)
{
    QString script = QString::fromUtf8(FileBytes(DemoDir + QStringLiteral("/demo_data.sql")));
    QStringList lines = script.split(QLatin1Char('\n'));
    lines.removeIf([](const QString &line) { return line.startsWith(QLatin1String("--")); });
    for (const QString &statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            connection.execute(statement.toUtf8());
    }
}

// The demo race and module on the stand-in as a TALMI 3.60, the demo
// database, a race folder of its own.
struct VentaroRun {
    VentaroRun()
        : session({"--race", DemoDir + "/12340102.005", "--lmd", moduleCopy(), "--model", "talmi",
                   "--lmd-version", "3.60"}),
          scratch(QStringLiteral("ventaro")),
          folders(scratch.folder, raceFolder.path() + QStringLiteral("/TAM/"))
    {
        loadDemoData(scratch.db.connection());
    }

    QString moduleCopy()
    {
        const QString copy = raceFolder.filePath(QStringLiteral("module.lmd"));
        QFile::copy(DemoDir + QStringLiteral("/sample.lmd"), copy);
        return copy;
    }
    QString weekFile() const { return folders.inRaceDir(WeekFile); }

    // Answers the date with date and the dialog with path, then saves.
    void save(const QString &date = QStringLiteral("05/11"), const QString &path = QString())
    {
        session.prompter.inputNext(date);
        session.prompter.saveNext(path.isNull() ? weekFile() : path);
        SaveVentaroRaceData(session.context, scratch.db, folders, Today);
    }

    QTemporaryDir raceFolder;
    ClocksimSession session;
    ScratchDatabase scratch;
    Folders folders;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestSaveVentaroE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newFile();
    void existingFile_data();
    void existingFile();
    void dateAskedUntilInRange();
    void cancelledDialogWritesNothing();
    void anotherWriterKeepsItsLines_data();
    void anotherWriterKeepsItsLines();
};

// Both demo races into a new week file in a race folder not made yet.
void TestSaveVentaroE2e::newFile()
{
    VentaroRun run;
    QVERIFY2(run.session.sim.isReady(), qPrintable(run.session.sim.errorText()));
    // Another copy waits for the week file only while it is written.
    bool lockedWhenTold = true;
    run.session.prompter.whenAsked = [&](const Message &m) {
        if (m.text == Copied)
            lockedWhenTold = QFileInfo::exists(run.weekFile() + QStringLiteral(".lock"));
    };
    run.save();
    QVERIFY(!lockedWhenTold);
    QCOMPARE(run.session.prompter.messages.size(), 2);
    QVERIFY(run.session.prompter.texts().at(0).startsWith(Missing));
    QCOMPARE(run.session.prompter.texts().at(1), Copied);
    QCOMPARE(run.session.prompter.saveRequests.constFirst().fileName, WeekFile);
    // The file is added to, never replaced: the dialog must not ask to.
    QVERIFY(!run.session.prompter.saveRequests.constFirst().confirmOverwrite);
    QCOMPARE(run.session.prompter.inputPrompts, QStringList{"Current year by default"});
    QCOMPARE(FileBytes(run.weekFile()), FileBytes(Golden));
}

void TestSaveVentaroE2e::existingFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("answer");          // to the old race data question, as MsgAnswer
    QTest::addColumn<QStringList>("oldFiles"); // there already: kept as they are
    QTest::addColumn<QString>("keptAs");      // where the old file went; empty: nowhere
    QTest::addColumn<bool>("appended");
    QTest::addColumn<QString>("told");        // the first message, how it begins

    const QByteArray thisSeason = "0040526\r\n1 an earlier race\r\n";
    const QByteArray lastSeason = "0040525\r\n1 last year's race\r\n";
    const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
    QTest::newRow("this season: appended") << thisSeason << yes << QStringList{} << QString() << true << Missing;
    QTest::newRow("no line break at its end") << thisSeason.chopped(2) << yes << QStringList{} << QString() << true
                                              << Missing;
    QTest::newRow("last season kept") << lastSeason << yes << QStringList{} << "W0000020.O25" << false
                                      << "Do you wish to save\r\nthe race data from\r\n05/04/25?";
    QTest::newRow("last season kept beside an older copy")
        << lastSeason << yes << QStringList{"W0000020.O25"} << "W0000020-2.O25" << false
        << "Do you wish to save\r\nthe race data from\r\n05/04/25?";
    QTest::newRow("last season dropped") << lastSeason << no << QStringList{} << QString() << false
                                         << "Do you wish to save";
    QTest::newRow("not a Ventaro file") << QByteArray("hello\r\n") << yes << QStringList{} << QString() << false
                                        << "Error opening file\r\nRace data not saved";
}

void TestSaveVentaroE2e::existingFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, oldFiles);
    QFETCH(QString, keptAs);
    QFETCH(bool, appended);
    QFETCH(QString, told);
    QFETCH(int, answer);
    VentaroRun run;
    QVERIFY2(run.session.sim.isReady(), qPrintable(run.session.sim.errorText()));
    writeFile(run.weekFile(), before);
    for (const QString &old : oldFiles)
        writeFile(run.folders.inRaceDir(old), "an older copy");
    run.session.prompter.answerNext(MsgAnswer(answer));
    run.save();

    const QStringList texts = run.session.prompter.texts();
    QVERIFY2(texts.constFirst().startsWith(told), qPrintable(texts.constFirst()));
    const bool written = !told.startsWith(QLatin1String("Error"));
    QCOMPARE(texts.constLast() == Copied, written);
    const QByteArray fresh = FileBytes(Golden);
    const QByteArray expected = !written ? before
                              : appended ? before + (before.endsWith('\n') ? "" : "\r\n") + fresh
                                         : fresh;
    QCOMPARE(FileBytes(run.weekFile()), expected);
    for (const QString &old : oldFiles)
        QCOMPARE(FileBytes(run.folders.inRaceDir(old)), QByteArray("an older copy"));
    if (!keptAs.isEmpty()) {
        QCOMPARE(FileBytes(run.folders.inRaceDir(keptAs)), before);
        QVERIFY(texts.contains(QStringLiteral("Race data from 05/04/25\r\n               saved in\r\n")
                               + Folders::native(run.folders.inRaceDir(keptAs))));
    }
}

// A date in the future, or no date at all, is asked again with the range.
void TestSaveVentaroE2e::dateAskedUntilInRange()
{
    VentaroRun run;
    QVERIFY2(run.session.sim.isReady(), qPrintable(run.session.sim.errorText()));
    RecordingPrompter &prompter = run.session.prompter;
    prompter.inputNext(QStringLiteral("05/21"));
    prompter.inputNext(QStringLiteral("May the 11th"));
    prompter.answerNext(MsgAnswer::Yes);
    run.save();
    const QString range = QStringLiteral("Liberation Date Must be Between : \r\n\r\n05-20-2025   &   05-20-2026\r\n\r\n"
                                         "Current year by default");
    QCOMPARE(prompter.inputPrompts, (QStringList{"Current year by default", range, range}));
    QCOMPARE(prompter.beeps, 2);
    QCOMPARE(prompter.texts().constFirst(), QStringLiteral("Do you wish to try again ? "));
    QCOMPARE(prompter.messages.constFirst().title, QStringLiteral("Invalid data type"));
    QCOMPARE(FileBytes(run.weekFile()), FileBytes(Golden));
}

void TestSaveVentaroE2e::cancelledDialogWritesNothing()
{
    VentaroRun run;
    QVERIFY2(run.session.sim.isReady(), qPrintable(run.session.sim.errorText()));
    run.save(QStringLiteral("05/11"), QStringLiteral(""));
    QCOMPARE(run.session.prompter.texts(), QStringList{"Race data not saved."});
    QVERIFY(!QDir(run.folders.raceDir()).exists());
    QVERIFY(!QFile::exists(WeekFile));
}

void TestSaveVentaroE2e::anotherWriterKeepsItsLines_data()
{
    QTest::addColumn<bool>("lockedByAnotherCopy");   // else a program appends while the user is asked
    QTest::addColumn<QString>("told");                // how the last message ends
    QTest::newRow("another copy of Tamrel writes the week file")
        << true << "W0000020.D00.lock.\r\nRace data not saved.";
    QTest::newRow("another program appended meanwhile")
        << false << "was changed by another program while the race data was prepared.\r\nRace data not saved. "
                    "Save it again.";
}

void TestSaveVentaroE2e::anotherWriterKeepsItsLines()
{
    QFETCH(bool, lockedByAnotherCopy);
    QFETCH(QString, told);
    VentaroRun run;
    QVERIFY2(run.session.sim.isReady(), qPrintable(run.session.sim.errorText()));
    const QByteArray before = "0040526\r\n1 an earlier race\r\n";
    const QByteArray theirs = "1 another computer's race\r\n";
    writeFile(run.weekFile(), before);
    FileLock anotherCopy;
    if (lockedByAnotherCopy)
        QCOMPARE(anotherCopy.claim(run.weekFile() + QStringLiteral(".lock")), FileLock::Claim::Held);
    else
        run.session.prompter.whenAsked = [&](const Message &m) {
            if (m.text.startsWith(Missing))
                writeFile(run.weekFile(), before + theirs);
        };
    run.save();

    const QString last = run.session.prompter.texts().constLast();
    QVERIFY2(last.endsWith(told), qPrintable(last));
    QCOMPARE(FileBytes(run.weekFile()), lockedByAnotherCopy ? before : before + theirs);
}

QTEST_GUILESS_MAIN(TestSaveVentaroE2e)
#include "test_save_ventaro_e2e.moc"
