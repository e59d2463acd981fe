#include "clocksim_session.h"
#include "common/file_lock.h"
#include "common/folders.h"
#include "race_data/save_ventaro_race_data.h"
#include "scratch_database.h"

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
const QByteArray ThisSeason = "0040526\r\n1 an earlier race\r\n";
const QByteArray Theirs = "1 another computer's race\r\n";

// Someone else at the week file: another copy of Tamrel holding its lock, or
// a program that appends while the user is asked.
enum class Meddler { None, Lock, Append };

// The demo race and module on the stand-in as a TALMI 3.60, the demo
// database, a race folder of its own.
struct VentaroRun {
    VentaroRun()
        : session({"--race", DemoDir + "/12340102.005", "--lmd", moduleCopy(), "--model", "talmi",
                   "--lmd-version", "3.60"}),
          scratch(QStringLiteral("ventaro")),
          folders(scratch.folder, raceFolder.path() + QStringLiteral("/TAM/"))
    {
        QFile::remove(scratch.path());
        QFile::copy(qEnvironmentVariable("TAMREL_BIN_DIR") + QStringLiteral("/demo/tamreldata.mdb"), scratch.path());
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

} // namespace

Q_DECLARE_METATYPE(Meddler)

class TestSaveVentaroE2e : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_run = std::make_unique<VentaroRun>();
        QVERIFY2(m_run->session.sim.isReady(), qPrintable(m_run->session.sim.errorText()));
    }
    void cleanup() { m_run.reset(); }

    // Both demo races into the week file of their liberation date, or nothing
    // lost when that cannot be.
    void weekFile_data()
    {
        QTest::addColumn<QByteArray>("before");    // null: no file, nor its folder
        QTest::addColumn<Meddler>("meddler");
        QTest::addColumn<int>("answer");           // to the old race data question, as MsgAnswer
        QTest::addColumn<QStringList>("oldFiles"); // there already: kept as they are
        QTest::addColumn<QString>("keptAs");       // where the old file went; empty: nowhere
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("told");         // in one of the messages

        const QByteArray fresh = FileBytes(Golden);
        const QByteArray lastSeason = "0040525\r\n1 last year's race\r\n";
        const QString oldQuestion = QStringLiteral("Do you wish to save\r\nthe race data from\r\n05/04/25?");
        const Meddler none = Meddler::None;
        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No);
        QTest::newRow("new file") << QByteArray() << none << yes << QStringList{} << QString() << fresh << Missing;
        QTest::newRow("this season: appended")
            << ThisSeason << none << yes << QStringList{} << QString() << ThisSeason + fresh << Missing;
        QTest::newRow("no line break at its end")
            << ThisSeason.chopped(2) << none << yes << QStringList{} << QString() << ThisSeason + fresh << Missing;
        QTest::newRow("last season kept beside an older copy")
            << lastSeason << none << yes << QStringList{"W0000020.O25"} << "W0000020-2.O25" << fresh << oldQuestion;
        QTest::newRow("last season dropped")
            << lastSeason << none << no << QStringList{} << QString() << fresh << oldQuestion;
        QTest::newRow("not a Ventaro file") << QByteArray("hello\r\n") << none << yes << QStringList{} << QString()
                                            << QByteArray("hello\r\n") << "Error opening file\r\nRace data not saved";
        QTest::newRow("another copy of Tamrel writes the week file")
            << ThisSeason << Meddler::Lock << yes << QStringList{} << QString() << ThisSeason
            << "W0000020.D00.lock.\r\nRace data not saved.";
        QTest::newRow("another program appended meanwhile")
            << ThisSeason << Meddler::Append << yes << QStringList{} << QString() << ThisSeason + Theirs
            << "was changed by another program while the race data was prepared.\r\nRace data not saved. Save it again.";
    }

    void weekFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(Meddler, meddler);
        QFETCH(QStringList, oldFiles);
        QFETCH(QString, keptAs);
        QFETCH(QByteArray, after);
        QFETCH(QString, told);
        QFETCH(int, answer);
        VentaroRun &run = *m_run;
        RecordingPrompter &prompter = run.session.prompter;
        if (!before.isNull())
            QVERIFY(WriteFileBytes(run.weekFile(), before));
        for (const QString &old : oldFiles)
            QVERIFY(WriteFileBytes(run.folders.inRaceDir(old), "an older copy"));
        FileLock anotherCopy;
        if (meddler == Meddler::Lock)
            QCOMPARE(anotherCopy.claim(run.weekFile() + QStringLiteral(".lock")), FileLock::Claim::Held);
        // Another copy waits for the week file only while it is written.
        bool lockedWhenTold = true;
        prompter.whenAsked = [&](const Message &m) {
            if (m.text == Copied)
                lockedWhenTold = QFileInfo::exists(run.weekFile() + QStringLiteral(".lock"));
            if (meddler == Meddler::Append && m.text.startsWith(Missing))
                WriteFileBytes(run.weekFile(), before + Theirs);
        };
        prompter.answerNext(MsgAnswer(answer));
        run.save();

        const QStringList texts = prompter.texts();
        QVERIFY2(texts.join('\n').contains(told), qPrintable(texts.join('\n')));
        const bool written = after.endsWith(FileBytes(Golden));
        QCOMPARE(texts.constLast() == Copied, written);
        QVERIFY(!written || !lockedWhenTold);
        QCOMPARE(prompter.inputPrompts, QStringList{"Current year by default"});
        QCOMPARE(prompter.saveRequests.constFirst().fileName, WeekFile);
        // The file is added to, never replaced: the dialog must not ask to.
        QVERIFY(!prompter.saveRequests.constFirst().confirmOverwrite);
        QCOMPARE(FileBytes(run.weekFile()), after);
        for (const QString &old : oldFiles)
            QCOMPARE(FileBytes(run.folders.inRaceDir(old)), QByteArray("an older copy"));
        if (!keptAs.isEmpty()) {
            QCOMPARE(FileBytes(run.folders.inRaceDir(keptAs)), before);
            QVERIFY(texts.contains(QStringLiteral("Race data from 05/04/25\r\n               saved in\r\n")
                                   + Folders::native(run.folders.inRaceDir(keptAs))));
        }
    }

    // A date in the future, or no date at all, is asked again with the range;
    // a cancelled dialog then writes nothing anywhere.
    void dateAskedUntilInRangeThenCancelled()
    {
        RecordingPrompter &prompter = m_run->session.prompter;
        prompter.inputNext(QStringLiteral("05/21"));
        prompter.inputNext(QStringLiteral("May the 11th"));
        prompter.answerNext(MsgAnswer::Yes);
        m_run->save(QStringLiteral("05/11"), QStringLiteral(""));
        const QString range = QStringLiteral("Liberation Date Must be Between : \r\n\r\n05-20-2025   &   05-20-2026\r\n\r\n"
                                             "Current year by default");
        QCOMPARE(prompter.inputPrompts, (QStringList{"Current year by default", range, range}));
        QCOMPARE(prompter.beeps, 2);
        QCOMPARE(prompter.texts(), (QStringList{"Do you wish to try again ? ", "Race data not saved."}));
        QCOMPARE(prompter.messages.constFirst().title, QStringLiteral("Invalid data type"));
        QCOMPARE(prompter.saveRequests.constFirst().fileName, WeekFile);
        QVERIFY(!QDir(m_run->folders.raceDir()).exists());
    }

private:
    std::unique_ptr<VentaroRun> m_run;
};

QTEST_GUILESS_MAIN(TestSaveVentaroE2e)
#include "test_save_ventaro_e2e.moc"
