#include "admin_db/db/database.h"
#include "admin_db/db/database_key.h"
#include "admin_db/db/database_lock.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"
#include "child_process.h"
#include "common/folders.h"
#include "scratch_database.h"
#include "scratch_files.h"
#include "small_file_system.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

class TestDatabaseOpen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mkdbFailureLeavesNoFile()
    {
        ScratchDatabase s(QStringLiteral("mkdbFailure"));
        const QString schema = s.besideDatabase(QStringLiteral("broken.sql"));
        QFile f(schema);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("CREATE TABLE clubs (ClubID INTEGER); CREATE TABLE oops (;");
        f.close();
        const QString out = s.besideDatabase(QStringLiteral("made.mdb"));
        QProcess mkdb;
        mkdb.start(qEnvironmentVariable("TAMREL_BIN_DIR") + QStringLiteral("/tamrel-mkdb"), {schema, out});
        QVERIFY(mkdb.waitForFinished());
        QVERIFY(mkdb.exitCode() != 0);
        QVERIFY(!QFileInfo::exists(out));
        QVERIFY(!QFileInfo::exists(out + QStringLiteral(".tmp")));
    }

    void oneConnectionForEveryHolder()
    {
        ScratchDatabase s(QStringLiteral("holders"));
        Connection &first = s.db.use(Table::clubs, MainWindowHolder);
        first.execute("INSERT INTO clubs (ClubName) VALUES ('North')");
        QCOMPARE(&s.db.use(Table::clubs, QStringLiteral("frmClubData")), &first);
        QCOMPARE(&s.db.use(Table::birds, QStringLiteral("frmBirdInventory")), &first);
        s.db.use(Table::flyerlist, QStringLiteral("frmBirdInventory"));
        QCOMPARE(s.db.holders(Table::clubs), (QStringList{MainWindowHolder, QStringLiteral("frmClubData")}));
        QCOMPARE(s.db.dataWindows(), (QStringList{QStringLiteral("frmClubData"), QStringLiteral("frmBirdInventory")}));

        s.db.release(Table::clubs, QStringLiteral("frmClubData"));
        s.db.release(Table::clubs, QStringLiteral("frmClubData"));
        s.db.release(Table::birds, QStringLiteral("frmBirdInventory"));
        s.db.release(Table::flyerlist, QStringLiteral("frmBirdInventory"));
        QCOMPARE(s.db.holders(Table::clubs), QStringList{MainWindowHolder});
        QCOMPARE(s.db.dataWindows(), QStringList{});
        // Nobody holding a table keeps the key derived: the next window is quick.
        s.db.release(Table::clubs, MainWindowHolder);
        QVERIFY(first.isOpen());

        // A backup renamed into the file's place is what the windows see next,
        // and a deleted file is not written through an old handle.
        const QString backup = s.besideDatabase(QStringLiteral("backup.mdb"));
        QVERIFY(QFile::copy(DeliveredDatabase(), backup));
        QVERIFY(std::rename(QFile::encodeName(backup).constData(), QFile::encodeName(s.path()).constData()) == 0);
        Connection &restored = s.db.use(Table::clubs, QStringLiteral("frmClubData"));
        QCOMPARE(Number(restored, "SELECT count(*) FROM clubs"), qint64(0));
        s.db.release(Table::clubs, QStringLiteral("frmClubData"));
        QVERIFY(QFile::remove(s.path()));
        QCOMPARE(JetNumberOf([&] { s.db.use(Table::clubs, QStringLiteral("frmClubData")); }), JetCode::FileNotFound);
        QVERIFY(!s.db.isHeld(Table::clubs));

        s.db.closeAll();
        QCOMPARE(JetNumberOf([&] { first.prepare("SELECT 1"); }), JetCode::ObjectInvalid);
    }

    // A file an earlier version left in log mode, with the log's index left
    // read-only by a read-only episode, opens and keeps nothing beside it.
    void earlierLogModeIsTurnedBack()
    {
        ScratchDatabase s(QStringLiteral("logMode"));
        {
            Connection own;
            s.openOwn(own);
            own.execute("PRAGMA journal_mode=WAL");
            own.execute("INSERT INTO clubs (ClubName) VALUES ('Kept')");
        }
        QFile index(s.path() + QStringLiteral("-shm"));
        QVERIFY(index.open(QIODevice::WriteOnly) && index.write(QByteArray(32768, '\0')) == 32768);
        index.close();
        QVERIFY(index.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        // As any user: root would write the read-only index anyway.
        if (!UnprivilegedReaches(s.folder))
            QSKIP("an unprivileged user cannot reach the scratch folder");
        QVERIFY(QFile::setPermissions(s.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther
                                                    | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(s.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                    | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
        const QString path = s.path();
        const std::optional<QByteArray> seen = OutputOfUnprivileged([&] {
            Database db;
            db.setFile(path, DatabasePassword);
            try {
                Connection &c = db.use(Table::clubs, QStringLiteral("frmClubData"));
                c.execute("INSERT INTO clubs (ClubName) VALUES ('Added')");
                return (Rows(c, "PRAGMA journal_mode") + Rows(c, "SELECT ClubName FROM clubs")).join(u' ').toUtf8();
            } catch (const JetError &e) {
                return e.description().toUtf8();
            }
        });

        QCOMPARE(seen, std::optional<QByteArray>("delete Kept Added"));
        const QStringList beside = QDir(s.folder).entryList(QDir::Files);
        QVERIFY2(beside == QStringList{QStringLiteral("tamreldata.mdb")}, qPrintable(beside.join(u' ')));
    }

    // The file replaced while a change is under way: nothing of the change is
    // stored anywhere, and the next change goes to the new file.
    void fileReplacedDuringAChange()
    {
        ScratchDatabase s(QStringLiteral("replacedDuringChange"));
        const QString backup = s.besideDatabase(QStringLiteral("backup.mdb"));
        QVERIFY(QFile::copy(s.path(), backup));
        {
            Transaction change(s.db.use(Table::clubs, QStringLiteral("frmClubData")));
            s.db.connection().execute("INSERT INTO clubs (ClubName) VALUES ('Half')");
            QVERIFY(std::rename(QFile::encodeName(backup).constData(), QFile::encodeName(s.path()).constData()) == 0);
            QCOMPARE(JetNumberOf([&] { s.db.use(Table::clubs, QStringLiteral("frmClubData")); }), JetCode::FileLocked);
        }
        Connection &c = s.db.use(Table::clubs, QStringLiteral("frmClubData"));
        QCOMPARE(Number(c, "SELECT count(*) FROM clubs"), qint64(0));
        c.execute("INSERT INTO clubs (ClubName) VALUES ('Whole')");
        QCOMPARE(Rows(c, "SELECT ClubName FROM clubs"), QStringList{"Whole"});
    }

    // One copy of the program per database; one that died leaves its claim
    // behind for the next start to take over.
    void oneProgramPerDatabase()
    {
        ScratchDatabase s(QStringLiteral("lock"));
        const QString link = s.besideDatabase(QStringLiteral("link.mdb"));
        QVERIFY(QFile::link(s.path(), link));
        DatabaseLock first;
        QVERIFY(first.claim(s.path()));
        const QString hardLink = s.besideDatabase(QStringLiteral("hard.mdb"));
        QVERIFY(::link(QFile::encodeName(s.path()).constData(), QFile::encodeName(hardLink).constData()) == 0);
        for (const QString &other : {link, hardLink}) {
            DatabaseLock second;
            QVERIFY(!second.claim(other));
            QVERIFY2(second.refusal().contains(QStringLiteral("in use by another copy of Tamrel")),
                     qPrintable(second.refusal()));
        }

        DatabaseLock died;
        const pid_t gone = StartChild([&] { return died.claim(s.besideDatabase(QStringLiteral("other.mdb"))) ? 0 : 1; });
        QCOMPARE(ExitCodeOf(gone), 0);
        QVERIFY(QFileInfo::exists(s.besideDatabase(QStringLiteral("other.mdb.lock"))));
        DatabaseLock next;
        QVERIFY(next.claim(s.besideDatabase(QStringLiteral("other.mdb"))));
    }

    // Without its lock file a second copy could compact beside the first: no
    // start then.
    void noStartWithoutALockFile()
    {
        QTemporaryDir dir;
        SmallFileSystem small(dir.path(), QStringLiteral("16k"));
        if (!small.mounted())
            QSKIP("mounting a small file system needs root");
        WriteFileBytes(dir.filePath(QStringLiteral("filler")), QByteArray(64 * 1024, 'x'));
        DatabaseLock lock;
        QVERIFY(!lock.claim(dir.filePath(QStringLiteral("tamreldata.mdb"))));
        QVERIFY2(lock.refusal().contains(QStringLiteral("the disk may be full")), qPrintable(lock.refusal()));
        QVERIFY2(lock.refusal().contains(Folders::native(dir.path())), qPrintable(lock.refusal()));
    }

    void fieldsAndTransactions()
    {
        ScratchDatabase s(QStringLiteral("fields"));
        Connection &c = s.db.use(Table::flyerlist, QStringLiteral("frmTest"));
        {
            Transaction abandoned(c);
            c.execute("INSERT INTO flyerlist (ClubID, Name) VALUES (9, 'Gone')");
            // An inner commit is part of the outer transaction.
            Transaction inner(c);
            c.execute("INSERT INTO flyerlist (ClubID, Name) VALUES (9, 'Gone too')");
            inner.commit();
        }
        QCOMPARE(Number(c, "SELECT count(*) FROM flyerlist"), qint64(0));
        Transaction kept(c);
        {
            // An inner one left without commit undoes its own change only.
            Transaction dropped(c);
            c.execute("INSERT INTO flyerlist (ClubID, Name) VALUES (4, 'Dropped')");
        }
        c.execute("INSERT INTO flyerlist (ClubID, Name) VALUES (3, 'Mia')");
        kept.commit();
        QCOMPARE(c.lastInsertId(), qint64(1));

        Statement q = c.prepare("SELECT * FROM flyerlist");
        QCOMPARE(JetNumberOf([&] { q.text(0); }), JetCode::NoCurrentRecord);
        QVERIFY(q.next());
        QCOMPARE(q.number("FlyerId"), qint64(1));
        QCOMPARE(q.number("clubid"), qint64(3));
        QCOMPARE(q.text("NAME"), QStringLiteral("Mia"));
        QCOMPARE(JetNumberOf([&] { q.text("Nickname"); }), JetCode::ItemNotFound);
        QVERIFY(!q.next());
        QCOMPARE(JetNumberOf([&] { q.text("Name"); }), JetCode::NoCurrentRecord);

        // Another program writing: a change fails at its start, before any work.
        Connection other;
        s.openOwn(other);
        other.execute("BEGIN IMMEDIATE");
        QCOMPARE(JetNumberOf([&] { Transaction refused(c); }), JetCode::FileLocked);
        other.execute("ROLLBACK");
    }

    void lookupsUseIndexes_data()
    {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<QString>("index");
        const QByteArray birds = "SELECT * FROM birds WHERE ";
        QTest::newRow("band") << birds + LookupSql::BandIs << "INDEX birds_by_band";
        QTest::newRow("club letters and serial") << birds + LookupSql::ClubBandIs << "INDEX birds_by_club_band";
        QTest::newRow("flyer and band") << birds + "BirdFlyerID = ? AND " + LookupSql::BandIs << "INDEX birds_by_band";
        QTest::newRow("electronic ring") << birds + "elecnumber = ?" << "INDEX birds_by_elecnumber";
        QTest::newRow("birds of a flyer, sorted") << birds + "BirdFlyerID = ? " + LookupSql::BirdOrder
                                                 << "INDEX birds_by_flyer";
        QTest::newRow("flyer by name") << QByteArray("SELECT FlyerId, ClubID FROM flyerlist WHERE Name = ?")
                                       << "INDEX flyers_by_name";
        QTest::newRow("flyer by number") << QByteArray("SELECT Name FROM flyerlist WHERE FlyerID = ?")
                                         << "INTEGER PRIMARY KEY";
        QTest::newRow("club by name") << QByteArray("SELECT * FROM clubs WHERE ClubName = ?") << "INDEX clubs_by_name";
        QTest::newRow("race") << QByteArray("SELECT * FROM orte WHERE racename = ? AND racenum = ?")
                              << "INDEX orte_by_number";
    }

    void lookupsUseIndexes()
    {
        QFETCH(QByteArray, sql);
        QFETCH(QString, index);
        ScratchDatabase s(QStringLiteral("queryPlans"));
        Statement plan = s.db.use(Table::birds, QStringLiteral("frmTest")).prepare("EXPLAIN QUERY PLAN " + sql);
        const QString all = FieldOfEveryRow(plan, "detail").join(QLatin1Char('\n'));
        QVERIFY2(all.contains(QStringLiteral("SEARCH")) && all.contains(index), qPrintable(all));
        QVERIFY2(!all.contains(QStringLiteral("TEMP B-TREE")), qPrintable(all));
    }
};

QTEST_GUILESS_MAIN(TestDatabaseOpen)
#include "test_database_open.moc"
