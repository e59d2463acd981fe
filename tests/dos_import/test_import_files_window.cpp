#include "admin_db/records/admin_shared_state.h"
#include "dos_import/import_files_window.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "widget_driver.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTreeView>

class TestImportFilesWindow : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    void asAUserWould();
};

// Two flyers in an admin file; the second one is chosen and imported into
// the second club, then the window is closed and lets the tables go.
void TestImportFilesWindow::asAUserWould()
{
    QTemporaryDir folder;
    QFile admin(folder.filePath(QStringLiteral("S123401.DAT")));
    QVERIFY(admin.open(QIODevice::WriteOnly));
    admin.write("S3   0102001Adams               04212340883210\r\nS3   0102002Brown               04212340883210\r\n");
    admin.close();
    ScratchDatabase scratch(QStringLiteral("importWindow"));
    scratch.db.connection().execute("INSERT INTO clubs (ClubID, ClubName) VALUES (1, 'North'), (4, 'South')");
    RecordingPrompter prompter;
    AdminSharedState shared;
    QPointer<ImportFilesWindow> w = new ImportFilesWindow(scratch.db, prompter, shared, folder.path());
    QCOMPARE(w->loaded(), DosImport::Load::Ready);
    QVERIFY(showWindow(w));

    QCOMPARE(find<QLabel>("Label8")->text(), QStringLiteral("Clubs = 2"));
    QCOMPARE(lines("lstAdminFiles"), QStringList{"Admin File 1"});
    QCOMPARE(lines("File1"), QStringList{"S123401.DAT"});
    QVERIFY(!enabled("cmdSend"));
    clickLine("lstClubs", 1);
    clickLine("lstAdminFiles", 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Import Files from: Concourse 1234 Combine 01"));
    QCOMPARE(lines("lstImportFlyers"), (QStringList{"[   ]Adams               ", "[   ]Brown               "}));
    QTest::mouseClick(find<QCheckBox>("Check1"), Qt::LeftButton);
    clickLine("lstImportFlyers", 1);
    click("cmdSend");
    QCOMPARE(lines("lstImportFlyers"), (QStringList{"[   ]Adams               ", "[X]Brown               "}));
    QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("Flyer(s) imported."));
    QCOMPARE(Rows(scratch.db.connection(), "SELECT Name || '|' || ClubID FROM flyerlist"), QStringList{"Brown|4"});
    QCOMPARE(prompter.texts(), QStringList{"No pigeon inventory file for Brown"});

    click("cmdCancel");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
    QVERIFY(scratch.db.dataWindows().isEmpty());
}

QTEST_MAIN(TestImportFilesWindow)
#include "test_import_files_window.moc"
