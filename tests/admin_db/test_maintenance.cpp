#include "admin_db/db/database.h"
#include "admin_db/db/database_key.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/maintenance.h"
#include "admin_db/db/transaction.h"
#include "child_process.h"
#include "recording_progress_view.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "small_file_system.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString AlreadyOpen =
    QStringLiteral("Database already open!\r\nPlease close all data entry forms and try again.");

// What the progress window showed, and whether it is still open.
QString progressSeen(const RecordingProgressView &progress)
{
    return progress.firstLine + '|' + progress.secondLines.join('|') + (progress.isOpen ? "|open" : "");
}

const QString CompactSteps = QStringLiteral("Please wait...|Compacting Database");

// What a compact (or another command) on the database told the user.
struct Told {
    explicit Told(Database &db, void (*command)(Database &, ProgressView &, Prompter &) = CompactDatabase)
    {
        command(db, progress, prompter);
    }
    RecordingProgressView progress;
    RecordingPrompter prompter;
};

void addBirds(Connection &birds, int first, int count)
{
    Transaction together(birds);
    Statement add = birds.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, elecnumber) "
                                  "VALUES (1, 'US', '24', 'ABCD', printf('%06d', ?), printf('%010d', ?))");
    for (int n = first; n < first + count; ++n) {
        add.bind(1, n).bind(2, n).run();
        add.reset();
    }
    together.commit();
}

// The scratch folder holds nothing but the database and what compacting leaves.
QStringList filesBeside(const ScratchDatabase &s)
{
    return QDir(s.folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

void addClub(ScratchDatabase &s)
{
    s.db.connection().execute("INSERT INTO clubs (ClubName) VALUES ('North')");
}

qint64 birdCount(ScratchDatabase &s)
{
    return Number(s.db.connection(), "SELECT count(*) FROM birds");
}

// What an unprivileged child's prompter was told.
std::optional<QStringList> messagesOfUnprivileged(const std::function<void(RecordingPrompter &)> &body)
{
    const std::optional<QByteArray> told = OutputOfUnprivileged([&] {
        RecordingPrompter prompter;
        body(prompter);
        return prompter.texts().join(QLatin1Char('\n')).toUtf8();
    });
    if (!told)
        return std::nullopt;
    return told->isEmpty() ? QStringList{} : QString::fromUtf8(*told).split(QLatin1Char('\n'));
}

void compactAsUnprivileged(const QString &path, RecordingPrompter &prompter)
{
    Database db;
    db.setFile(path, DatabasePassword);
    RecordingProgressView progress;
    CompactDatabase(db, progress, prompter);
}

} // namespace

class TestMaintenance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compactWithAConnectionOpen_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a data window") << "frmClubData" << QStringList{AlreadyOpen};
        QTest::newRow("the main window at start-up") << "frmMain" << QStringList{};
    }

    void compactWithAConnectionOpen()
    {
        QFETCH(QString, holder);
        QFETCH(QStringList, messages);
        ScratchDatabase s(QStringLiteral("compactOpen"));
        // Rows to gain: a compact that ran shows in the file.
        Connection &birds = s.db.connection();
        addBirds(birds, 1, 300);
        birds.execute("DELETE FROM birds");
        Connection &clubs = s.db.use(Table::clubs, holder);
        clubs.execute("INSERT INTO clubs (ClubName) VALUES ('North')");
        const QByteArray before = s.fileBytes();
        const Told told(s.db);

        QCOMPARE(told.prompter.texts(), messages);
        QCOMPARE(progressSeen(told.progress), CompactSteps);
        QCOMPARE(s.fileBytes() == before, !messages.isEmpty());
        QCOMPARE(s.db.holders(Table::clubs), QStringList{holder});
        QCOMPARE(Number(clubs, "SELECT count(*) FROM clubs"), qint64(1));
    }

    // Another connection stays open throughout: had the file been replaced, its
    // later write would go to the old one, lost. The database is a link to a
    // file in another folder, whose journal belongs beside it, and whose mode
    // stays.
    void compactShrinksKeepsDataAndClearsLeftovers()
    {
        ScratchDatabase s(QStringLiteral("compactShrinks"));
        Connection &birds = s.db.connection();
        addBirds(birds, 1, 3000);
        birds.execute("DELETE FROM birds WHERE bnumber > '000010'");
        s.db.closeAll();
        QVERIFY(QDir(s.folder).mkdir(QStringLiteral("real")));
        const QString real = s.besideDatabase(QStringLiteral("real/real.mdb"));
        QVERIFY(QFile::rename(s.path(), real) && QFile::link(real, s.path()));
        QVERIFY(chmod(QFile::encodeName(real).constData(), 0640) == 0);
        Connection other;
        s.openOwn(other);
        other.execute("INSERT INTO clubs (ClubName) VALUES ('Written elsewhere')");
        const qint64 sizeBefore = QFileInfo(real).size();
        const Told told(s.db);

        QCOMPARE(told.prompter.texts(), QStringList{});
        QVERIFY(QFileInfo(real).size() < sizeBefore / 4);
        other.execute("INSERT INTO clubs (ClubName) VALUES ('Written later')");
        other.close();
        QVERIFY(QFileInfo(s.path()).isSymLink());
        struct stat after {};
        QCOMPARE(stat(QFile::encodeName(real).constData(), &after), 0);
        QCOMPARE(after.st_mode & 0777, mode_t(0640));
        QCOMPARE(filesBeside(s), (QStringList{QStringLiteral("real"), QStringLiteral("tamreldata.mdb")}));
        QCOMPARE(QDir(s.besideDatabase(QStringLiteral("real"))).entryList(QDir::Files), QStringList{"real.mdb"});
        Connection &again = s.db.connection();
        QCOMPARE(Number(again, "SELECT count(*) FROM birds"), qint64(10));
        QCOMPARE(Number(again, "SELECT count(*) FROM clubs"), qint64(2));
        QCOMPARE(Number(again, "SELECT count(*) FROM sqlite_master WHERE type = 'index'"), qint64(7));
        QCOMPARE(IntegrityProblems(again), QStringList{});
    }

    void unusableFileIsLeftAsItIs_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("jetNumber");   // of a window opening the file
        QTest::addColumn<QString>("message");   // of a compact
        QTest::newRow("database missing") << "missing" << 3024 << "Could not find file";
        QTest::newRow("not a database") << "garbage" << 3031 << "not a database of this program";
        QTest::newRow("empty file") << "empty" << 3031 << "not a database of this program";
        QTest::newRow("wrong key") << "other key" << 3031 << "password is wrong";
        QTest::newRow("right key, other tables") << "foreign" << 3031 << "not a database of this program";
        QTest::newRow("locked by another program") << "locked" << 3051 << "locked by another program";
        // Writes past a small file-size limit fail as they do on a full disk.
        QTest::newRow("disk full") << "full" << 0 << "the disk may be full";
    }

    // Neither a window nor a compact changes or leaves anything beside a file
    // they cannot use.
    void unusableFileIsLeftAsItIs()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, message);
        ScratchDatabase s(QStringLiteral("unusableFile"));
        addClub(s);
        s.db.closeAll();
        Connection locker;
        if (obstacle == QLatin1String("locked")) {
            s.openOwn(locker);
            locker.execute("PRAGMA locking_mode=EXCLUSIVE");
            locker.execute("BEGIN EXCLUSIVE");
        } else if (obstacle != QLatin1String("full")) {
            QFile::remove(s.path());
            if (obstacle == QLatin1String("garbage") || obstacle == QLatin1String("empty"))
                QVERIFY(WriteFileBytes(s.path(), QByteArray(obstacle == QLatin1String("empty") ? 0 : 4096, 'x')));
            else if (obstacle != QLatin1String("missing"))
                MakeKeyedFile(s.path(), obstacle == QLatin1String("other key") ? QByteArray("NotTheKey1") : s.db.key());
        }
        const QStringList filesBefore = filesBeside(s);
        const QByteArray before = s.fileBytes();
        QTEST(JetNumberOf([&] {
                  s.db.use(Table::clubs, QStringLiteral("frmClubData"));
                  s.db.release(Table::clubs, QStringLiteral("frmClubData"));
              }),
              "jetNumber");
        QVERIFY(!s.db.isHeld(Table::clubs));
        std::optional<FileSizeLimit> limit;
        if (obstacle == QLatin1String("full"))
            limit.emplace(16 * 1024);
        const Told told(s.db);
        limit.reset();

        QCOMPARE(told.prompter.messages.size(), 1);
        QVERIFY2(told.prompter.texts().constFirst().contains(message), qPrintable(told.prompter.texts().constFirst()));
        QCOMPARE(progressSeen(told.progress), CompactSteps);
        QCOMPARE(s.fileBytes(), before);
        QCOMPARE(filesBeside(s), filesBefore);
    }

    // Another program opens, writes a bird and closes, again and again, while the
    // file is compacted: every bird it stored is there, and the file is sound.
    void writerBesideCompactLosesNothing()
    {
        ScratchDatabase s(QStringLiteral("compactBesideWriter"));
        addBirds(s.db.connection(), 1, 2000);
        s.db.connection().execute("DELETE FROM birds WHERE bnumber > '000100'");
        s.db.closeAll();
        s.db.setBusyTimeout(Connection::DefaultBusyTimeoutMs);
        const QString path = s.path();
        const pid_t writer = StartChild([&] {
            int stored = 0;
            while (stored < 40) {
                try {
                    Connection c;
                    c.open(path, DatabasePassword);
                    addBirds(c, 5000 + stored, 1);
                    ++stored;
                } catch (const JetError &) {
                    // On a busy machine a compact may hold the file past the busy
                    // time: a refused write is told and lost nothing; try again.
                }
            }
            return stored;
        });
        RecordingProgressView progress;
        RecordingPrompter prompter;
        int compacts = 0;
        QElapsedTimer running;
        running.start();
        // Compacting for as long as the other program writes.
        std::optional<int> ended;
        while (!(ended = ExitCodeIfEnded(writer)) && running.elapsed() < 60000) {
            CompactDatabase(s.db, progress, prompter);
            ++compacts;
            QTest::qSleep(20);
        }
        const int stored = ended.value_or(ExitCodeOf(writer));

        QCOMPARE(stored, 40);
        QVERIFY(compacts > 1);
        QCOMPARE(prompter.texts(), QStringList{});
        QCOMPARE(birdCount(s), qint64(100 + stored));
        QCOMPARE(IntegrityProblems(s.db.connection()), QStringList{});
    }

    void killedCompactLosesNothing_data()
    {
        QTest::addColumn<int>("journal");
        for (int n : {1, 2, 5})
            QTest::addRow("while storing compact %d", n) << n;
    }

    // The program dies while a compact writes the file back (its journal is
    // there): the next start finds every bird and a sound file, and its first
    // change leaves no journal behind.
    void killedCompactLosesNothing()
    {
        QFETCH(int, journal);
        ScratchDatabase s(QStringLiteral("compactKilled"));
        addBirds(s.db.connection(), 1, 20000);
        s.db.connection().execute("DELETE FROM birds WHERE rowid % 2 = 0");
        s.db.closeAll();
        const QString path = s.path();
        const QString journalPath = path + QStringLiteral("-journal");
        const pid_t compacting = StartChild([&] {
            Database db;
            db.setFile(path, DatabasePassword);
            RecordingProgressView progress;
            RecordingPrompter prompter;
            for (;;)
                CompactDatabase(db, progress, prompter);
            return 0;
        });
        int seen = 0;
        bool there = false;
        QElapsedTimer waiting;
        waiting.start();
        // Polled with pauses: on a busy machine a spinning parent would starve
        // the compact it waits for.
        while (seen < journal && waiting.elapsed() < 120000) {
            const bool now = QFileInfo::exists(journalPath);
            seen += now && !there;
            there = now;
            if (!now)
                QTest::qSleep(1);
        }
        kill(compacting, SIGKILL);
        QCOMPARE(ExitCodeOf(compacting), -1);

        QCOMPARE(seen, journal);
        QCOMPARE(birdCount(s), qint64(10000));
        QCOMPARE(IntegrityProblems(s.db.connection()), QStringList{});
        addClub(s);
        QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});
    }

    void readOnlyEpisodeLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::newRow("file") << "file" << "is read-only";
        QTest::newRow("folder") << "folder" << "cannot be written";
    }

    // A file or folder marked read-only for a while: Compact says so and touches
    // nothing, and once the mark is cleared every window and Compact work again,
    // with nothing left beside the file.
    void readOnlyEpisodeLeavesNothingBehind()
    {
        QFETCH(QString, readOnly);
        QFETCH(QString, message);
        ScratchDatabase s(QStringLiteral("readOnlyEpisode"));
        if (!UnprivilegedReaches(s.folder))
            QSKIP("an unprivileged user cannot reach the scratch folder");
        addClub(s);
        s.db.closeAll();
        const QString path = s.path();
        const QByteArray before = s.fileBytes();
        const bool file = readOnly == QLatin1String("file");
        QVERIFY(chmod(QFile::encodeName(path).constData(), file ? 0444 : 0666) == 0);
        QVERIFY(chmod(QFile::encodeName(s.folder).constData(), file ? 0777 : 0555) == 0);

        const std::optional<QStringList> refused =
            messagesOfUnprivileged([&](RecordingPrompter &p) { compactAsUnprivileged(path, p); });

        QVERIFY(refused && refused->size() == 1);
        QVERIFY2(refused->constFirst().contains(message), qPrintable(refused->constFirst()));
        QCOMPARE(s.fileBytes(), before);
        QVERIFY(chmod(QFile::encodeName(path).constData(), 0666) == 0);
        QVERIFY(chmod(QFile::encodeName(s.folder).constData(), 0777) == 0);
        QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});

        const std::optional<QStringList> afterwards = messagesOfUnprivileged([&](RecordingPrompter &p) {
            Database db;
            db.setFile(path, DatabasePassword);
            db.use(Table::clubs, QStringLiteral("frmClubData")).execute("INSERT INTO clubs (ClubName) VALUES ('South')");
            db.release(Table::clubs, QStringLiteral("frmClubData"));
            RecordingProgressView progress;
            CompactDatabase(db, progress, p);
        });

        QCOMPARE(afterwards, std::optional<QStringList>(QStringList{}));
        QCOMPARE(Number(s.db.connection(), "SELECT count(*) FROM clubs"), qint64(2));
        QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});
    }

    void repairRebuildsADamagedIndex()
    {
        ScratchDatabase s(QStringLiteral("repairIndex"));
        addBirds(s.db.connection(), 1, 5);
        s.db.closeAll();
        // Birds added while the index is hidden from the schema are missing from it.
        QByteArray rootPage;
        QByteArray indexSql;
        {
            Connection c;
            s.openOwn(c);
            c.execute("PRAGMA writable_schema=ON");
            Statement q = c.prepare("SELECT rootpage, sql FROM sqlite_master WHERE name = 'birds_by_elecnumber'");
            QVERIFY(q.next());
            rootPage = q.bytes(0);
            indexSql = q.bytes(1);
            q.reset();
            c.execute("DELETE FROM sqlite_master WHERE name = 'birds_by_elecnumber'");
        }
        {
            Connection c;
            s.openOwn(c);
            addBirds(c, 6, 5);
        }
        {
            Connection c;
            s.openOwn(c);
            c.execute("PRAGMA writable_schema=ON");
            c.prepare("INSERT INTO sqlite_master VALUES ('index', 'birds_by_elecnumber', 'birds', ?, ?)")
                .bind(1, rootPage.toLongLong()).bind(2, indexSql).run();
        }
        Connection check;
        s.openOwn(check);
        QVERIFY(!IntegrityProblems(check).isEmpty());
        check.close();
        const Told told(s.db, RepairDatabase);

        QVERIFY2(told.prompter.texts().isEmpty(), qPrintable(told.prompter.texts().join(QLatin1Char('|'))));
        QCOMPARE(progressSeen(told.progress), QStringLiteral("Please wait...|Repairing database|Compacting Database"));
        QCOMPARE(told.progress.timesShown, 2);
        Connection &birds = s.db.connection();
        QCOMPARE(IntegrityProblems(birds), QStringList{});
        QCOMPARE(Number(birds, "SELECT count(*) FROM birds WHERE elecnumber > '0000000000'"), qint64(10));
    }

    void repairRefused_data()
    {
        QTest::addColumn<bool>("locked");   // else unreadable
        QTest::addColumn<QString>("told");
        // Another program holding the file is said as such, not as damage.
        QTest::newRow("locked") << true << "locked by another program";
        QTest::newRow("unreadable") << false << "The database is damaged: ";
    }

    void repairRefused()
    {
        QFETCH(bool, locked);
        QFETCH(QString, told);
        ScratchDatabase s(QStringLiteral("repairRefused"));
        addBirds(s.db.connection(), 1, 400);
        s.db.closeAll();
        // Held for writing its change: nobody else may even read meanwhile.
        Connection other;
        if (locked) {
            s.openOwn(other);
            other.execute("BEGIN EXCLUSIVE");
        } else {
            QFile f(s.path());
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 2000));
            f.write(QByteArray(16, '\x55'));
        }
        const QByteArray before = s.fileBytes();
        const Told repair(s.db, RepairDatabase);

        QCOMPARE(repair.prompter.messages.size(), 1);
        const QString text = repair.prompter.texts().constFirst();
        QVERIFY2(text.contains(told) && text.contains(QLatin1String("damaged")) != locked, qPrintable(text));
        QVERIFY(!repair.progress.isOpen);
        QCOMPARE(s.fileBytes(), before);
        QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});
    }
};

QTEST_GUILESS_MAIN(TestMaintenance)
#include "test_maintenance.moc"
