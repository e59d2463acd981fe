#include "admin_db/db/backups.h"
#include "admin_db/db/database.h"
#include "admin_db/db/maintenance.h"
#include "admin_db/db/transaction.h"
#include "child_process.h"
#include "scratch_database.h"
#include "small_file_system.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <functional>
#include <optional>

namespace {

void addBirds(Connection &c, int count)
{
    InsertRows(c, "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber) VALUES (1, 'US', '24', 'AB', ?)",
               [count] {
                   QStringList serials;
                   for (int n = 0; n < count; ++n)
                       serials.append(QString::number(n).rightJustified(6, QLatin1Char('0')));
                   return serials;
               }());
}

// Runs step 0, 1, 2, ... on a database of its own in another process over
// the scratch file until begun() holds, and kills that process ms later, at
// whatever it is doing.
void killWhileRepeating(ScratchDatabase &s, const std::function<bool()> &begun, int ms,
                        const std::function<void(Database &, int)> &step)
{
    s.db.closeAll();
    const QString path = s.path();
    const QByteArray key = s.db.key();
    const pid_t child = StartChild([&] {
        Database own;
        own.setFile(path, key);
        for (int n = 0;; ++n)
            step(own, n);
        return 0;
    });
    QElapsedTimer waiting;
    waiting.start();
    while (!begun() && waiting.elapsed() < 60000)
        QTest::qSleep(10);
    QTest::qSleep(ms);
    ::kill(child, SIGKILL);
    QCOMPARE(ExitCodeOf(child), -1);
}

QStringList backupFiles(const Database &db, QDir::Filters also = {})
{
    return QDir(Backups::folder(db)).entryList(QDir::Files | also, QDir::Name);
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copyIsWholeAndKeyed()
    {
        ScratchDatabase s(QStringLiteral("backupCopy"));
        Connection &c = s.db.connection();
        c.execute("INSERT INTO clubs (ClubName) VALUES ('North'), ('Lakeside')");
        const QString target = Backups::proposedPath(s.db, QDate(2026, 12, 7));
        const Outcome made = Backups::backUp(s.db, target);
        QVERIFY2(made.ok, qPrintable(made.message));
        QCOMPARE(backupFiles(s.db, QDir::Hidden), QStringList{"tamreldata-2026-12-07.mdb"});
        Connection copy;
        copy.open(target, s.db.key());
        QCOMPARE(Rows(copy, "SELECT ClubName FROM clubs ORDER BY ClubID"), (QStringList{"North", "Lakeside"}));
        QCOMPARE(IntegrityProblems(copy), QStringList{});

        // Never half a change.
        Transaction underWay(c);
        c.execute("INSERT INTO clubs (ClubName) VALUES ('Half')");
        QCOMPARE(Backups::backUp(s.db, Backups::proposedPath(s.db, QDate(2026, 12, 8))).message,
                 QStringLiteral("a change is being stored"));
        QCOMPARE(backupFiles(s.db, QDir::Hidden), QStringList{"tamreldata-2026-12-07.mdb"});
    }

    void failureLeavesNoBackup_data()
    {
        QTest::addColumn<bool>("killed");   // else a full disk
        QTest::newRow("a full disk") << false;
        QTest::newRow("killed while copying") << true;
    }

    // Whatever breaks off a backup, no file is left that a restore could offer
    // as one: only whole, readable copies bear a backup's name.
    void failureLeavesNoBackup()
    {
        QFETCH(bool, killed);
        ScratchDatabase s(QStringLiteral("backupFault"));
        addBirds(s.db.connection(), 20000);
        QVERIFY(QDir().mkpath(Backups::folder(s.db)));
        std::optional<SmallFileSystem> small;
        if (killed) {
            const auto copied = [&] { return !backupFiles(s.db).isEmpty(); };
            killWhileRepeating(s, copied, 300, [](Database &own, int n) {
                (void)Backups::backUp(own, Backups::folder(own) + QStringLiteral("copy%1.mdb").arg(n));
            });
            QVERIFY(copied());
            for (const QString &name : backupFiles(s.db)) {
                Connection copy;
                copy.open(Backups::folder(s.db) + name, s.db.key());
                QCOMPARE(IntegrityProblems(copy), QStringList{});
            }
        } else {
            small.emplace(Backups::folder(s.db), QStringLiteral("64k"));
            if (!small->mounted())
                QSKIP("mounting a small file system needs root");
            const Outcome made = Backups::backUp(s.db, Backups::proposedPath(s.db, QDate(2026, 12, 7)));
            QVERIFY(!made.ok);
            QVERIFY2(made.message.contains(QLatin1String("disk may be full")), qPrintable(made.message));
            QCOMPARE(backupFiles(s.db, QDir::Hidden), QStringList{});
            return;
        }
        // The next backup clears what a killed one left.
        QVERIFY(Backups::beforeOperation(s.db, Backups::Before::Compact, QDateTime::currentDateTime()).ok);
        QCOMPARE(backupFiles(s.db, QDir::Hidden), backupFiles(s.db));
    }

    // As a user who may not write in the backups folder (root would anyway).
    void readOnlyFolderRefusesTheBackup()
    {
        ScratchDatabase s(QStringLiteral("backupReadOnly"));
        if (!UnprivilegedReaches(s.folder))
            QSKIP("an unprivileged user cannot reach the scratch folder");
        const QString backups = Backups::folder(s.db);
        QVERIFY(QDir().mkpath(backups));
        const auto everyone = [](QFile::Permissions p) { return p | QFile::ReadOther | QFile::ExeOther; };
        QVERIFY(QFile::setPermissions(s.path(), everyone(QFile::ReadOwner | QFile::WriteOwner) | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(s.folder, everyone(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
                                                    | QFile::WriteOther));
        QVERIFY(QFile::setPermissions(backups, everyone(QFile::ReadOwner | QFile::ExeOwner)));
        const QString path = s.path();
        const QByteArray key = s.db.key();
        const std::optional<QByteArray> told = OutputOfUnprivileged([&] {
            Database own;
            own.setFile(path, key);
            const Outcome made = Backups::backUp(own, Backups::proposedPath(own, QDate(2026, 12, 7)));
            return made.ok ? QByteArray("made") : made.message.toUtf8();
        });
        QVERIFY(told);
        QVERIFY2(told->contains("read-only"), told->constData());
        QCOMPARE(backupFiles(s.db, QDir::Hidden), QStringList{});
    }

    void automaticBackupsAreKeptForAWhile()
    {
        ScratchDatabase s(QStringLiteral("backupKept"));
        const QDateTime start(QDate(2026, 12, 1), QTime(9, 0));
        for (int n = 0; n < 12; ++n)
            QVERIFY(Backups::beforeOperation(s.db, Backups::Before::Import, start.addSecs(n)).ok);
        for (int day = 0; day < 17; ++day) {
            QVERIFY(Backups::daily(s.db, start.addDays(day)).ok);
            QVERIFY(Backups::daily(s.db, start.addDays(day).addSecs(3600)).ok);
        }
        const QStringList files = backupFiles(s.db);
        QCOMPARE(files.filter(QStringLiteral("-before-import")).size(), 10);
        QVERIFY(files.constFirst().startsWith(QLatin1String("tamreldata-2026-12-01-090002-before-import")));
        const QStringList daily = files.filter(QStringLiteral("-daily"));
        QCOMPARE(daily.size(), 15);
        QCOMPARE(daily.constFirst(), QStringLiteral("tamreldata-2026-12-03-daily.mdb"));
    }

    void restoreReplacesTheDatabase_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("after a mistake") << true;
        // What a restore is for: the database no longer opens. Its bytes are kept.
        QTest::newRow("over an unreadable database") << false;
    }

    void restoreReplacesTheDatabase()
    {
        QFETCH(bool, readable);
        ScratchDatabase s(QStringLiteral("restore"));
        Connection &c = s.db.connection();
        c.execute("INSERT INTO clubs (ClubName) VALUES ('North')");
        const QString copy = Backups::proposedPath(s.db, QDate(2026, 12, 7));
        QVERIFY(Backups::backUp(s.db, copy).ok);
        c.execute("INSERT INTO clubs (ClubName) VALUES ('Typed after')");
        if (!readable) {
            s.db.closeAll();
            QVERIFY(WriteFileBytes(s.path(), QByteArray(4096, 'j')));
        }
        // An older copy whose name sorts first: the newest is offered first.
        const QString older = Backups::folder(s.db) + QStringLiteral("a-older.mdb");
        QFile olderFile(older);
        QVERIFY(QFile::copy(copy, older) && olderFile.open(QIODevice::ReadWrite));
        QVERIFY(olderFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        const QList<Backups::Entry> offered = Backups::list(s.db);
        QCOMPARE(offered.size(), 2);
        QCOMPARE(offered.constFirst().path, copy);
        QVERIFY(offered.constFirst().contents);
        QCOMPARE(Backups::describe(*offered.constFirst().contents), QStringLiteral("1 clubs, 0 flyers, 0 birds"));

        const Backups::Restored restored = Backups::restore(s.db, copy, QDateTime(QDate(2026, 12, 8), QTime(8, 0)));
        QVERIFY2(restored.outcome.ok, qPrintable(restored.outcome.message));
        QCOMPARE(restored.contents.clubs, 1);
        QCOMPARE(Rows(s.db.connection(), "SELECT ClubName FROM clubs"), QStringList{"North"});
        // The database as it was is kept too.
        const QString kept = Backups::folder(s.db) + QStringLiteral("tamreldata-2026-12-08-080000-before-restore");
        if (readable) {
            Connection before;
            before.open(kept + QStringLiteral(".mdb"), s.db.key());
            QCOMPARE(Rows(before, "SELECT ClubName FROM clubs ORDER BY ClubID"), (QStringList{"North", "Typed after"}));
        } else {
            QCOMPARE(FileBytes(kept + QStringLiteral("-unreadable.mdb")), QByteArray(4096, 'j'));
        }
        QCOMPARE(QDir(s.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"tamreldata.mdb"});
    }

    void restoreRefuses_data()
    {
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("why");   // what the reason says
        QTest::newRow("a data window open") << "window" << "close every data window first";
        QTest::newRow("an empty file") << "empty" << "it is not a database of this program";
        QTest::newRow("a truncated copy") << "truncated" << "database disk image is malformed";
        QTest::newRow("a damaged page") << "damaged" << " is damaged (";
        QTest::newRow("another program's database") << "foreign" << "has no table clubs";
        QTest::newRow("another key") << "otherKey" << "or its password is wrong";
    }

    void restoreRefuses()
    {
        QFETCH(QString, offered);
        ScratchDatabase s(QStringLiteral("restoreRefused"));
        addBirds(s.db.connection(), 3000);
        const QString copy = Backups::proposedPath(s.db, QDate(2026, 12, 7));
        QVERIFY(Backups::backUp(s.db, copy).ok);
        if (offered == QLatin1String("window"))
            s.db.use(Table::birds, QStringLiteral("frmBirdInventory"));
        else if (offered == QLatin1String("empty"))
            QVERIFY(WriteFileBytes(copy, {}));
        else if (offered == QLatin1String("truncated"))
            QVERIFY(WriteFileBytes(copy, FileBytes(copy).left(int(QFileInfo(copy).size() / 2))));
        else if (offered == QLatin1String("damaged"))   // the third page's header
            QVERIFY(WriteFileBytes(copy, FileBytes(copy).replace(2 * 4096, 16, QByteArray(16, '\x55'))));
        else if (QFile::remove(copy))
            MakeKeyedFile(copy, offered == QLatin1String("foreign") ? s.db.key() : QByteArray("another"));
        const QByteArray before = s.fileBytes();

        const Backups::Restored restored = Backups::restore(s.db, copy, QDateTime::currentDateTime());
        QVERIFY(!restored.outcome.ok);
        QFETCH(QString, why);
        const QString told = restored.outcome.message;
        QVERIFY2(told.contains(why) && !told.contains(QLatin1String(".partial-")), qPrintable(told));
        // The reason names the file the user chose.
        QVERIFY2(told.contains(copy) != (offered == QLatin1String("window")), qPrintable(told));
        QCOMPARE(s.fileBytes(), before);
        QCOMPARE(QDir(s.folder).entryList(QDir::Files | QDir::Hidden), QStringList{"tamreldata.mdb"});
    }

    // Killed at any moment of a restore, the database is the old one or the
    // restored one, whole.
    void killedRestoreLeavesADatabase()
    {
        ScratchDatabase s(QStringLiteral("restoreKilled"));
        addBirds(s.db.connection(), 20000);
        const QString many = Backups::folder(s.db) + QStringLiteral("many.mdb");
        QVERIFY(Backups::backUp(s.db, many).ok);
        s.db.connection().execute("DELETE FROM birds WHERE rowid > 10");
        const QString few = Backups::folder(s.db) + QStringLiteral("few.mdb");
        QVERIFY(Backups::backUp(s.db, few).ok);
        const auto restoring = [&] { return !backupFiles(s.db).filter(QStringLiteral("-before-restore")).isEmpty(); };
        killWhileRepeating(s, restoring, 500, [&](Database &own, int n) {
            (void)Backups::restore(own, n % 2 ? few : many, QDateTime::currentDateTime().addSecs(n));
        });
        QVERIFY(restoring());
        Connection &c = s.db.connection();
        QCOMPARE(IntegrityProblems(c), QStringList{});
        QVERIFY(QList<qint64>({10, 20000}).contains(Number(c, "SELECT count(*) FROM birds")));
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
