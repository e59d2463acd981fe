#include "admin_db/records/admin_shared_state.h"
#include "dos_import/dos_import.h"
#include "dos_import/import_files_window.h"
#include "recording_progress_view.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "scratch_files.h"
#include "widget_driver.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An admin file's flyer: combine 01, club 02, his number, name, position.
QByteArray s3(const char *number, const QByteArray &name)
{
    return "S3   0102" + QByteArray(number) + name.leftJustified(20, ' ') + "0421234" + "0883210";
}

// A bird of an inventory file: band, sex, ring, type.
QByteArray bird(const char *band, const char *ring = "0000000000")
{
    return QByteArray(band) + 'C' + ring + 'D';
}

// Clubs 1 and 5 (a gap before the second), flyer "Smith" stored, and a
// folder holding the admin file S123401.DAT with five flyers and their
// inventory files; Evans has none.
struct Rig {
    Rig() : scratch(QStringLiteral("dosImport"))
    {
        Connection &c = scratch.db.connection();
        c.execute("INSERT INTO clubs (ClubID, ClubName) VALUES (1, 'North'), (5, 'Lakeside')");
        c.execute("INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (1, 1, 'Smith')");
        c.execute("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, "
                  "type) VALUES (1, 'US', '20', 'ABCD', '000009', 'C', '0000000000', 'J', '0')");
        write("S123401.DAT", s3("001", "SMITH") + "\r\n" + s3("002", "O'Neil") + "\r\n" + s3("003", "Baker")
                                  + "\r\n" + s3("004", "Carter") + "\r\n" + s3("005", "Evans") + "\r\n");
        write("Z0102.002", bird("US20ABCD000001") + "\r\n" + bird("us20abcd000009") + "\r\n");
        write("Z0102.003", bird("US20ABCD000003") + ",\r\n" + bird("US20ABCD000004", "0000A1B2C3") + "\r\n");
        // Named in small letters, as a DOS file copied to Linux may be.
        write("z0102.004", bird("US20ABCD000005") + "\r\n");
        write("s999999.dat", s3("009", "Lower Case"));
        write("X123401.DAT", s3("010", "Not an admin file"));
    }

    void write(const char *name, const QByteArray &bytes)
    {
        if (!WriteFileBytes(folder.filePath(QString::fromLatin1(name)), bytes))
            qFatal("cannot write %s", name);
    }

    QStringList stored(const char *sql) { return Rows(scratch.db.connection(), sql); }

    QTemporaryDir folder;
    ScratchDatabase scratch;
    RecordingPrompter prompter;
    RecordingProgressView progress;
    AdminSharedState shared;
    DosImport logic{scratch.db, prompter, progress, shared};
};

} // namespace

class TestDosImport : public QObject, private WindowDriver {
    Q_OBJECT
private Q_SLOTS:
    // Evans, the last flyer of the first admin file, is chosen and imported
    // into the second club, then the window is closed and lets the tables go.
    void asAUserWould()
    {
        Rig r;
        QPointer<ImportFilesWindow> w = new ImportFilesWindow(r.scratch.db, r.prompter, r.shared, r.folder.path());
        QCOMPARE(w->loaded(), DosImport::Load::Ready);
        QVERIFY(showWindow(w));

        QCOMPARE(find<QLabel>("Label8")->text(), QStringLiteral("Clubs = 2"));
        QCOMPARE(lines("File1"), (QStringList{"S123401.DAT", "s999999.dat"}));
        QVERIFY(!enabled("cmdSend"));
        clickLine("lstClubs", 1);
        clickLine("lstAdminFiles", 0);
        QCOMPARE(w->windowTitle(), QStringLiteral("Import Files from: Concourse 1234 Combine 01"));
        QTest::mouseClick(find<QCheckBox>("Check1"), Qt::LeftButton);
        clickLine("lstImportFlyers", 4);
        click("cmdSend");
        QCOMPARE(lines("lstImportFlyers").constLast(), QStringLiteral("[X]Evans               "));
        QCOMPARE(find<QLabel>("Label1")->text(), QStringLiteral("Flyer(s) imported."));
        QCOMPARE(r.stored("SELECT Name || '|' || ClubID || '|' || Longitude || '|' || Latitude FROM flyerlist "
                          "WHERE FlyerID > 1"),
                 QStringList{"Evans|5|0421234|0883210"});
        QCOMPARE(r.prompter.texts(), QStringList{"No pigeon inventory file for Evans"});

        click("cmdCancel");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
        QVERIFY(r.scratch.db.dataWindows().isEmpty());
    }

    void listing()
    {
        Rig r;
        QCOMPARE(r.logic.load(r.folder.path()), DosImport::Load::Ready);
        r.logic.fileClicked(0);
        DosImportView v = r.logic.view();
        // Stored names are trimmed and cleaned, and compared without regard to
        // case.
        QCOMPARE(v.flyerLines.mid(0, 2), (QStringList{"[X]SMITH               ", "[   ]O'Neil              "}));

        // Only a flyer stored already chosen: nothing is imported, and said so.
        r.logic.setOnlySelected(true);
        r.logic.importFlyers({0});
        QCOMPARE(r.logic.view().status, QStringLiteral("No flyer was imported."));

        r.logic.folderChosen(QDir::tempPath() + QStringLiteral("/no-such-folder-for-dos-files"));
        v = r.logic.view();
        QCOMPARE(v.fileLines, QStringList{"No Flyer Files Found"});
        QCOMPARE(v.status, QStringLiteral("Files = 0"));
        QVERIFY(!v.filesEnabled && !v.importEnabled);

        // Without clubs it sends the user to the club window.
        r.scratch.db.connection().execute("DELETE FROM clubs");
        QCOMPARE(r.logic.load(r.folder.path()), DosImport::Load::NoClubs);
        QCOMPARE(r.prompter.texts(), QStringList{"You must first enter a club"});
        QVERIFY(r.shared.noClubs);
    }

    // All flyers into club 5, the second of the list: its own number, not its
    // position. Smith, stored already, is counted and passed over.
    void importing()
    {
        Rig r;
        QCOMPARE(r.logic.load(r.folder.path()), DosImport::Load::Ready);
        r.logic.clubChosen(1);
        r.logic.fileClicked(0);
        // A message box may wait for hours: no write may be held open meanwhile.
        bool changeOpenWhileAsking = false;
        r.prompter.whenAsked = [&](const Message &) { changeOpenWhileAsking |= r.scratch.db.connection().inTransaction(); };
        r.logic.importFlyers({});
        QVERIFY(!changeOpenWhileAsking);
        QStringList progress{""};
        for (int file = 1; file <= 5; ++file)
            progress.append(QString::number(file) + " Files Transferred");
        QCOMPARE(r.progress.secondLines, progress);
        QCOMPARE(r.progress.title, QStringLiteral("Import Files"));
        QCOMPARE(r.progress.firstLine, QStringLiteral("  Importing Files :"));
        QVERIFY(!r.progress.isOpen);
        QCOMPARE(r.stored("SELECT Name || '|' || ClubID FROM flyerlist WHERE FlyerID > 1 ORDER BY FlyerID"),
                 (QStringList{"O Neil|5", "Baker|5", "Carter|5", "Evans|5"}));
        QCOMPARE(r.stored("SELECT NatOrg||HatchYr||clubletters||bnumber || '|' || (SELECT Name FROM flyerlist WHERE "
                          "FlyerID = BirdFlyerID) || '|' || color || '|' || type FROM birds WHERE BirdFlyerID > 1 "
                          "ORDER BY rowid"),
                 (QStringList{"US20ABCD000001|O Neil|NONE|D", "US20ABCD000003|Baker|NONE|D", "US20ABCD000004|Baker|NONE|D",
                              "US20ABCD000005|Carter|NONE|D"}));
        QCOMPARE(r.prompter.texts(), (QStringList{"Duplicate band number us20abcd000009not allowed for O Neil",
                                                  "No pigeon inventory file for Evans"}));
        QCOMPARE(r.logic.view().status, QStringLiteral("Flyer(s) imported."));
        QCOMPARE(r.logic.view().flyerLines.at(2), QStringLiteral("[X]Baker               "));

        // A second import finds them all there.
        QVERIFY(!r.logic.view().importEnabled);
        r.logic.importFlyers({});
        QCOMPARE(r.logic.view().status, QStringLiteral("Flyers already imported."));
    }

    // A flyer whose second bird cannot be stored is not stored at all; the
    // import stops and says why.
    void flyerWithHisBirdsOrNothing()
    {
        Rig r;
        r.scratch.db.connection().execute("CREATE TEMP TRIGGER refuse BEFORE INSERT ON birds WHEN NEW.bnumber = '000004' "
                                          "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QCOMPARE(r.logic.load(r.folder.path()), DosImport::Load::Ready);
        r.logic.fileClicked(0);
        r.logic.importFlyers({});
        QCOMPARE(r.stored("SELECT Name FROM flyerlist ORDER BY FlyerID"), (QStringList{"Smith", "O Neil"}));
        QCOMPARE(r.stored("SELECT count(*) FROM birds WHERE bnumber = '000003'"), QStringList{"0"});
        QCOMPARE(r.prompter.texts().size(), 2);
        QVERIFY2(r.prompter.texts().constLast().contains("disk full"), qPrintable(r.prompter.texts().constLast()));
        QVERIFY(!r.progress.isOpen);
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("adminFile");
        QTest::addColumn<QByteArray>("inventory");
        QTest::addColumn<QStringList>("flyers");      // listed
        QTest::addColumn<QStringList>("stored");      // birds of the imported flyer
        QTest::addColumn<QStringList>("messages");
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char(i * 37);
        const QByteArray good = s3("001", "Dunn");
        QTest::newRow("binary bytes") << binary << binary << QStringList{} << QStringList{} << QStringList{};
        QTest::newRow("a line of 100,000 characters")
            << good + QByteArray(100000, 'x') << bird("US20ABCD000001") + QByteArray(100000, '7')
            << QStringList{"[   ]Dunn                "} << QStringList{"US20ABCD000001C0000000000D"} << QStringList{};
        QTest::newRow("short items") << good + "\r\nS3   0102\r\n" << bird("US20ABCD000001") + "\r\nUS20AB\r\n"
                                     << QStringList{"[   ]Dunn                "}
                                     << QStringList{"US20ABCD000001C0000000000D"}
                                     << QStringList{"1 line(s) of S123401.DAT could not be read and were left out.",
                                                    "1 line(s) of Z0102.001 could not be read and were left out."};
        QTest::newRow("fields not as the layout says")
            << good << bird("US20ABCD000001") + "\r\n" + bird("U520ABCD000002") + "\r\n" + bird("US20ABCD00000X") + "\r\n"
                           + bird("US20ABCD000003", "          ")
            << QStringList{"[   ]Dunn                "} << QStringList{"US20ABCD000001C0000000000D"}
            << QStringList{"3 line(s) of Z0102.001 could not be read and were left out."};
        QTest::newRow("ended by Ctrl-Z") << good + "\r\n\x1a\x1a" << bird("US20ABCD000001") + "\x1a"
                                         << QStringList{"[   ]Dunn                "}
                                         << QStringList{"US20ABCD000001C0000000000D"} << QStringList{};
        QTest::newRow("bytes above 0x7F") << s3("001", "M\xfcller") << bird("US20ABCD000001")
                                          << QStringList{QStringLiteral("[   ]M\u00fcller              ")}
                                          << QStringList{"US20ABCD000001C0000000000D"} << QStringList{};
    }

    void badFiles()
    {
        QFETCH(QByteArray, adminFile);
        QFETCH(QByteArray, inventory);
        Rig r;
        r.write("S123401.DAT", adminFile);
        r.write("Z0102.001", inventory);
        QCOMPARE(r.logic.load(r.folder.path()), DosImport::Load::Ready);
        r.logic.fileClicked(0);
        QTEST(r.logic.view().flyerLines, "flyers");
        r.logic.importFlyers({});
        QTEST(r.stored("SELECT NatOrg||HatchYr||clubletters||bnumber||sex||elecnumber||type FROM birds "
                       "WHERE BirdFlyerID > 1"),
              "stored");
        QTEST(r.prompter.texts(), "messages");
    }
};

QTEST_MAIN(TestDosImport)
#include "test_dos_import.moc"
