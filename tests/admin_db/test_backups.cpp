#include "admin_db/db/backups.h"
#include "admin_db/db/database.h"
#include "admin_db/db/maintenance.h"
#include "admin_db/db/transaction.h"
#include "child_process.h"
#include "scratch_database.h"
#include "small_file_system.h"

#include <QDir>
#include <QTest>

#include <csignal>
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

QStringList backupFiles(const Database &db, QDir::Filters also = {})
{
    return QDir(Backups::folder(db)).entryList(QDir::Files | also, QDir::Name);
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copyIsWholeAndKeyed();
    void failureLeavesNoBackup_data();
    void failureLeavesNoBackup();
    void automaticBackupsAreKeptForAWhile();
};

void TestBackups::copyIsWholeAndKeyed()
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
    QVERIFY(!Backups::backUp(s.db, Backups::proposedPath(s.db, QDate(2026, 12, 8))).ok);
    QCOMPARE(backupFiles(s.db, QDir::Hidden), QStringList{"tamreldata-2026-12-07.mdb"});
}

void TestBackups::failureLeavesNoBackup_data()
{
    QTest::addColumn<bool>("killed");   // else a full disk
    QTest::newRow("a full disk") << false;
    QTest::newRow("killed while copying") << true;
}

// Whatever breaks off a backup, no file is left that a restore could offer
// as one: only whole, readable copies bear a backup's name.
void TestBackups::failureLeavesNoBackup()
{
    QFETCH(bool, killed);
    ScratchDatabase s(QStringLiteral("backupFault"));
    addBirds(s.db.connection(), 20000);
    QVERIFY(QDir().mkpath(Backups::folder(s.db)));
    std::optional<SmallFileSystem> small;
    if (killed) {
        s.db.closeAll();
        const QString path = s.path();
        const QByteArray key = s.db.key();
        const pid_t copying = StartChild([&] {
            Database own;
            own.setFile(path, key);
            for (int n = 0;; ++n)
                (void)Backups::backUp(own, Backups::folder(own) + QStringLiteral("copy%1.mdb").arg(n));
            return 0;
        });
        QTest::qSleep(700);
        ::kill(copying, SIGKILL);
        QCOMPARE(ExitCodeOf(copying), -1);
        for (const QString &name : backupFiles(s.db)) {
            Connection copy;
            copy.open(Backups::folder(s.db) + name, key);
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

void TestBackups::automaticBackupsAreKeptForAWhile()
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

QTEST_GUILESS_MAIN(TestBackups)
#include "test_backups.moc"
