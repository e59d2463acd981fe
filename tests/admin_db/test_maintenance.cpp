#include "admin_db/database.h"
#include "admin_db/file_rebuild.h"
#include "admin_db/maintenance.h"
#include "admin_db/transaction.h"
#include "common/progress_view.h"
#include "recording_prompter.h"
#include "scratch_database.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString AlreadyOpen =
    QStringLiteral("Database already open!\r\nPlease close all data entry forms and try again.");

struct RecordingProgress : ProgressView {
    void showProgress(const QString &first, const QString &second) override { steps.append(first + '|' + second); }
    void setSecondLine(const QString &text) override { steps.append('|' + text); }
    void closeProgress() override { steps.append(QStringLiteral("close")); }
    QStringList steps;
};

const QStringList CompactSteps{QStringLiteral("Please wait...|Compacting Database"), QStringLiteral("close")};

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

qint64 count(Connection &c, const QByteArray &sql)
{
    Statement q = c.prepare(sql);
    return q.next() ? q.number(0) : -1;
}

// The scratch folder holds nothing but the database and what compacting leaves.
QStringList filesBeside(const ScratchDatabase &s)
{
    return QDir(s.folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

void addClub(ScratchDatabase &s)
{
    s.db.open(Table::clubs, QStringLiteral("frmClubData")).execute("INSERT INTO clubs (ClubName) VALUES ('North')");
    s.db.close(Table::clubs);
}

} // namespace

class TestMaintenance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compactWithAConnectionOpen_data();
    void compactWithAConnectionOpen();
    void compactShrinksKeepsDataAndClearsLeftovers();
    void failedCompactLeavesTheFile_data();
    void failedCompactLeavesTheFile();
    void compactKeepsWritesOfAnotherConnection();
    void repairRebuildsADamagedIndex();
    void repairOfUnreadableDataSaysSo();
};

void TestMaintenance::compactWithAConnectionOpen_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a data window") << "frmClubData" << QStringList{AlreadyOpen};
    QTest::newRow("the main window at start-up") << "frmMain" << QStringList{};
}

void TestMaintenance::compactWithAConnectionOpen()
{
    QFETCH(QString, holder);
    QFETCH(QStringList, messages);
    ScratchDatabase s(QStringLiteral("compactOpen"));
    Connection &clubs = s.db.open(Table::clubs, holder);
    clubs.execute("INSERT INTO clubs (ClubName) VALUES ('North')");
    const QByteArray before = s.fileBytes();
    RecordingProgress progress;
    RecordingPrompter prompter;

    CompactDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.texts(), messages);
    QCOMPARE(progress.steps, CompactSteps);
    QCOMPARE(s.fileBytes() == before, !messages.isEmpty());
    QCOMPARE(s.db.holder(Table::clubs), holder);
    QCOMPARE(count(clubs, "SELECT count(*) FROM clubs"), qint64(1));
    QVERIFY(!s.db.isOpen(Table::birds));
}

void TestMaintenance::compactShrinksKeepsDataAndClearsLeftovers()
{
    ScratchDatabase s(QStringLiteral("compactShrinks"));
    Connection &birds = s.db.open(Table::birds, QStringLiteral("frmBirdInventory"));
    addBirds(birds, 1, 3000);
    birds.execute("DELETE FROM birds WHERE bnumber > '000010'");
    s.db.close(Table::birds);
    const qint64 sizeBefore = QFileInfo(s.path()).size();
    // What a compact that died half-way leaves behind.
    for (const char *name : {"newtamreldata.mdb", "newtamreldata.mdb-journal"}) {
        QFile f(s.besideDatabase(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(3000, 'z')) == 3000);
    }
    RecordingProgress progress;
    RecordingPrompter prompter;

    CompactDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.texts(), QStringList{});
    QVERIFY(QFileInfo(s.path()).size() < sizeBefore / 4);
    QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});
    Connection &again = s.db.open(Table::birds, QStringLiteral("frmBirdInventory"));
    QCOMPARE(count(again, "SELECT count(*) FROM birds"), qint64(10));
    QCOMPARE(count(again, "SELECT count(*) FROM sqlite_master WHERE type = 'index'"), qint64(7));
    QCOMPARE(IntegrityProblems(again), QStringList{});
}

void TestMaintenance::failedCompactLeavesTheFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder in the way") << "folder" << "a folder";
    QTest::newRow("database missing") << "missing" << "Could not find file";
    QTest::newRow("wrong key") << "wrong key" << "password is wrong";
}

void TestMaintenance::failedCompactLeavesTheFile()
{
    QFETCH(QString, obstacle);
    QFETCH(QString, message);
    ScratchDatabase s(QStringLiteral("compactFails"));
    addClub(s);
    QStringList expectedFiles{QStringLiteral("tamreldata.mdb")};
    if (obstacle == QLatin1String("folder")) {
        QVERIFY(QDir(s.folder).mkdir(RebuiltFileName));
        expectedFiles.prepend(RebuiltFileName);
    } else if (obstacle == QLatin1String("missing")) {
        QFile::remove(s.path());
        expectedFiles.clear();
    } else {
        s.db.setFile(s.path(), "NotTheKey1");
    }
    const QByteArray before = s.fileBytes();
    RecordingProgress progress;
    RecordingPrompter prompter;

    CompactDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.texts().constFirst().contains(message), qPrintable(prompter.texts().constFirst()));
    QCOMPARE(progress.steps, CompactSteps);
    QCOMPARE(s.fileBytes(), before);
    QCOMPARE(filesBeside(s), expectedFiles);
}

void TestMaintenance::compactKeepsWritesOfAnotherConnection()
{
    ScratchDatabase s(QStringLiteral("compactOtherWriter"));
    addClub(s);
    // Another program's connection, whose writes still sit in the log.
    Connection other;
    s.openOwn(other);
    other.execute("INSERT INTO clubs (ClubName) VALUES ('Written elsewhere')");
    RecordingProgress progress;
    RecordingPrompter prompter;

    CompactDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.texts(), QStringList{AlreadyOpen});
    // Had the file been replaced, this write would go to the old one, lost.
    other.execute("INSERT INTO clubs (ClubName) VALUES ('Written later')");
    other.close();
    Connection &clubs = s.db.open(Table::clubs, QStringLiteral("frmClubData"));
    QCOMPARE(count(clubs, "SELECT count(*) FROM clubs"), qint64(3));
    QCOMPARE(IntegrityProblems(clubs), QStringList{});
}

void TestMaintenance::repairRebuildsADamagedIndex()
{
    ScratchDatabase s(QStringLiteral("repairIndex"));
    addBirds(s.db.open(Table::birds, QStringLiteral("frmBirdInventory")), 1, 5);
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
    addBirds(s.db.open(Table::birds, QStringLiteral("frmBirdInventory")), 6, 5);
    s.db.close(Table::birds);
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
    RecordingProgress progress;
    RecordingPrompter prompter;

    RepairDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.texts(), QStringList{});
    const QStringList repairSteps{QStringLiteral("Please wait...|Repairing database"), QStringLiteral("close")};
    QCOMPARE(progress.steps, repairSteps + CompactSteps);
    Connection &birds = s.db.open(Table::birds, QStringLiteral("frmBirdInventory"));
    QCOMPARE(IntegrityProblems(birds), QStringList{});
    QCOMPARE(count(birds, "SELECT count(*) FROM birds WHERE elecnumber > '0000000000'"), qint64(10));
}

void TestMaintenance::repairOfUnreadableDataSaysSo()
{
    ScratchDatabase s(QStringLiteral("repairUnreadable"));
    addBirds(s.db.open(Table::birds, QStringLiteral("frmBirdInventory")), 1, 400);
    s.db.close(Table::birds);
    {
        QFile f(s.path());
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(f.size() - 2000));
        f.write(QByteArray(16, '\x55'));
    }
    const QByteArray before = s.fileBytes();
    RecordingProgress progress;
    RecordingPrompter prompter;

    RepairDatabase(s.db, progress, prompter);

    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.texts().constFirst().startsWith(QStringLiteral("The database is damaged: ")),
             qPrintable(prompter.texts().constFirst()));
    QCOMPARE(progress.steps.constLast(), QStringLiteral("close"));
    QCOMPARE(s.fileBytes(), before);
    QCOMPARE(filesBeside(s), QStringList{QStringLiteral("tamreldata.mdb")});
}

QTEST_GUILESS_MAIN(TestMaintenance)
#include "test_maintenance.moc"
