#include "common/folders.h"
#include "scratch_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestFolders : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programFolder();
};

// An installed program: /usr/bin beside /usr/share/tamrel, the user's folder
// made and filled on the first start and kept after.
void TestFolders::programFolder()
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

QTEST_GUILESS_MAIN(TestFolders)
#include "test_folders.moc"
