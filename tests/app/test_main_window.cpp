#include "admin_db/db/backups.h"
#include "app/background_layout.h"
#include "app/config_window.h"
#include "app/main_window.h"
#include "app/restore_window.h"
#include "clock/clock_status_bar.h"
#include "fake_clock_peer.h"
#include "recording_prompter.h"
#include "scratch_database.h"
#include "widget_driver.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A main window over a fake clock, its own settings file and its own
// program folder, or one another window uses.
struct WindowRig {
    explicit WindowRig(const QString &sharedFolder = {})
        : folder(sharedFolder.isEmpty() ? dir.path() : sharedFolder)
    {
    }
    QTemporaryDir dir;
    QString folder;
    QSettings settings{dir.filePath(QStringLiteral("Tamrel.conf")), QSettings::IniFormat};
    FakeClock clock;
    FakeSerialPort port{clock};
    RecordingPrompter prompter;
    QStringList opened;
    bool chmViewer = true;
    bool browser = true;
    MainWindow window{ProgramServices{Folders(folder, folder + QStringLiteral("/TAM")), port, clock, prompter,
                                      settings,
                                      [this](const QString &p) {
                                          opened.append(p);
                                          return browser;
                                      },
                                      [this](const QString &) { return chmViewer; }}};

    QAction *action(const char *name) { return window.findChild<QAction *>(QLatin1String(name)); }
    bool installDatabase() { return QFile::copy(DeliveredDatabase(), folder + QStringLiteral("/tamreldata.mdb")); }
};

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        qputenv("TAMREL_COM1", QByteArray("/dev/null"));
    }

    void menuTree_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("items");   // name:caption, "-" a separator
        QTest::newRow("file") << "file" << "&File"
                              << QStringList{"mnuImportDOS:Import DOS Files", "mnuBackUpDatabase:Back Up Database...",
                                             "mnuRestoreDatabase:Restore Database...", "-", "exit:E&xit"};
        QTest::newRow("admin") << "mnuAdmin" << "&Administration"
                               << QStringList{"clubdata:&Club Data", "FlyerData:&Flyer Data", "BirdList:&Bird Inventory",
                                              "liberationdata:&Liberation Data"};
        QTest::newRow("race") << "mnuRaceData" << "&Race Information"
                              << QStringList{"mnuVentaro:Save Race Data for Ventaro", "-",
                                             "mnuRaceReport:Tamrel Race Data Reports",
                                             "mnuDOSRaceData:Save Race Data (\"TAM\" style)"};
        QTest::newRow("options") << "options" << "&Options"
                                 << QStringList{"configsetup:Configuration/&Set-Up", "mnuCompactDatabase:Compact Database",
                                                "mnuRepairDatabase:Repair Database", "-",
                                                "mnuSetClock:Set TAMREL to PC Clock", "mnuUCUP:Firmware Update"};
        QTest::newRow("help") << "help" << "Help" << QStringList{"mnuHelp:&Help", "about:About &Tamrel for Windows"};
        QTest::newRow("blank") << "blank" << "   " << QStringList{};
    }

    void menuTree()
    {
        QFETCH(QString, menu);
        QFETCH(QString, title);
        QFETCH(QStringList, items);
        WindowRig rig;
        auto *m = rig.window.findChild<QMenu *>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), title);
        QStringList actual;
        for (QAction *a : m->actions())
            actual.append(a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char(':') + a->text());
        QCOMPARE(actual, items);
        QVERIFY(rig.window.menuBar()->actions().contains(m->menuAction()));
    }

    void databaseAtStartUp_data()
    {
        QTest::addColumn<bool>("clock");
        QTest::addColumn<bool>("database");
        QTest::addColumn<bool>("menusEnabled");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("panels");   // 1 to 9 and 11
        QTest::addColumn<QString>("told");         // how the one message begins
        const QStringList withClock{"KORVE", "LMD V :", "1.57", " LMD SN :", "313210061", " HCU V:", "1.23", " HCU SN:",
                                    "2587", "No race in LMD "};
        QTest::newRow("clock, database") << true << true << true << true << withClock << QString();
        QTest::newRow("clock, no database") << true << false << false << false << withClock
                                            << "The file 'tamreldata.mdb' is not accessable!";
        // Without a clock the database is left for the data windows to open.
        QTest::newRow("no clock, no database") << false << false << true << false
                                               << QStringList{"", "LMD V :", "0.00", " LMD SN :", "0000", " HCU V:", "0.00",
                                                              " HCU SN:", "0000", "TAMREL NOT CONNECTED"}
                                               << "No Tamrel detected. Please check connection.";
    }

    void databaseAtStartUp()
    {
        QFETCH(bool, clock);
        QFETCH(bool, database);
        QFETCH(bool, menusEnabled);
        QFETCH(bool, opened);
        QFETCH(QString, told);
        WindowRig rig;
        if (clock)
            rig.port.setResponder(FakeClockPeer{});
        if (database)
            QVERIFY(rig.installDatabase());
        rig.window.startUp();
        QCOMPARE(rig.prompter.messages.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY2(rig.prompter.texts().constFirst().startsWith(told), qPrintable(rig.prompter.texts().constFirst()));
        const ClockStatusBar &bar = rig.window.statusPanels();
        QStringList panels;
        for (int panel : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
            panels.append(bar.panelText(panel));
        QTEST(panels, "panels");
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Tamrel     Concourse = 0000 Combine = 00"));
        if (clock)
            QCOMPARE(rig.window.link().addressPrefix(), ClockLink::ClockPrefix);
        QCOMPARE(rig.window.database().isHeld(Table::clubs), opened);
        QCOMPARE(rig.window.findChild<QMenu *>(QStringLiteral("mnuAdmin"))->menuAction()->isEnabled(), menusEnabled);
        QCOMPARE(rig.action("mnuCompactDatabase")->isEnabled(), menusEnabled);
        QCOMPARE(rig.action("mnuRepairDatabase")->isEnabled(), menusEnabled);
        QVERIFY(rig.action("configsetup")->isEnabled());
        if (clock && !database) {
            QCOMPARE(rig.prompter.messages[0].title, QStringLiteral(" TAMREL Database Unavailable"));
            QVERIFY(!QFile::exists(rig.dir.filePath(QStringLiteral("tamreldata.mdb"))));
        }
    }

    void dataWindowsOpenOnce_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("clubs") << "clubdata" << "frmClubData" << "Tamrel - Club Data";
        QTest::newRow("flyers") << "FlyerData" << "frmFlyerList" << "";
        QTest::newRow("birds") << "BirdList" << "frmBirdInventory" << "Tamrel - Bird Inventory";
        QTest::newRow("liberations") << "liberationdata" << "frmLiberations" << "";
    }

    void dataWindowsOpenOnce()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QFETCH(QString, title);
        WindowRig rig;
        rig.port.setResponder(FakeClockPeer{});
        QVERIFY(rig.installDatabase());
        rig.window.startUp();
        rig.action(qPrintable(action))->trigger();
        rig.action(qPrintable(action))->trigger();
        const QList<QWidget *> found = rig.window.findChildren<QWidget *>(window, Qt::FindDirectChildrenOnly);
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0]->isVisible());
        QVERIFY(found[0]->screen()->availableGeometry().contains(found[0]->frameGeometry()));
        if (!title.isEmpty())
            QCOMPARE(found[0]->windowTitle(), title);
        // An open data window keeps Compact off the file, whatever it shares
        // with the main window.
        rig.action("mnuCompactDatabase")->trigger();
        QCOMPARE(rig.prompter.texts(),
                 QStringList{QStringLiteral("Database already open!\r\nPlease close all data entry forms and try again.")});
        // Closing it lets the menu make a new one, and Compact run.
        found[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(rig.window.findChildren<QWidget *>(window, Qt::FindDirectChildrenOnly).isEmpty());
        rig.prompter.messages.clear();
        rig.action("mnuCompactDatabase")->trigger();
        QCOMPARE(rig.prompter.texts(), QStringList{});
        rig.action(qPrintable(action))->trigger();
        QCOMPARE(rig.window.findChildren<QWidget *>(window, Qt::FindDirectChildrenOnly).size(), 1);
    }

    void secondCopyOnTheSameDatabaseIsRefused()
    {
        WindowRig first;
        QVERIFY(first.installDatabase());
        first.window.startUp();
        WindowRig second(first.folder);
        second.window.show();

        second.window.startUp();

        QCOMPARE(second.prompter.messages.size(), 1);
        QCOMPARE(second.prompter.messages[0].title, QStringLiteral(" TAMREL Database Unavailable"));
        QVERIFY2(second.prompter.texts()[0].contains(QStringLiteral("in use by another copy of Tamrel")),
                 qPrintable(second.prompter.texts()[0]));
        QVERIFY(!second.window.isVisible());
    }

    void configWindowOpensOnceAndKeepsItsRules()
    {
        WindowRig rig;
        rig.window.startUp();
        rig.action("configsetup")->trigger();
        rig.action("configsetup")->trigger();
        const QList<ConfigWindow *> windows = rig.window.findChildren<ConfigWindow *>();
        QCOMPARE(windows.size(), 1);
        ConfigWindow *w = windows.first();
        QCOMPARE(w->windowTitle(), QStringLiteral("Configuration/Set-Up"));

        const WindowDriver ui{w};
        auto *org = ui.find<QComboBox>("Combo1");
        QCOMPARE(org->count(), 7);
        QVERIFY(!org->isEditable());
        org->setCurrentText(QStringLiteral("US"));

        QCOMPARE(ui.retype("concrs", QStringLiteral("1- b_9")), QStringLiteral("1b_9"));
        QCOMPARE(ui.retype("combn", QStringLiteral("x y z")), QStringLiteral("xy"));
        QCOMPARE(ui.paste("cmbname", QStringLiteral("Союз Łódź")), QString());
        QCOMPARE(ui.retype("cmbname", QStringLiteral("Big Combine Name Too Long")), QStringLiteral("Big Combine Name Too"));
        QCOMPARE(ui.retype("txtComPort", QStringLiteral("a3b4c5")), QStringLiteral("34"));

        qputenv("TAMREL_COM34", QByteArray("/dev/null"));
        ui.click("save_config");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(rig.window.findChildren<ConfigWindow *>().isEmpty());
        QCOMPARE(rig.settings.value(QStringLiteral("Config/NationalOrg")).toString(), QStringLiteral("US"));
        QCOMPARE(rig.settings.value(QStringLiteral("Config/Concourse")).toString(), QStringLiteral("1B_9"));
        QCOMPARE(rig.settings.value(QStringLiteral("Config/Combine")).toString(), QStringLiteral("XY"));
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Tamrel     Concourse = 1B_9 Combine = XY"));
        QCOMPARE(rig.window.link().portNumber(), 34);
    }

    void configWindowChoosesPortByName()
    {
        WindowRig rig;
        rig.window.startUp();
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-Maker_Radio_A1-if00");
        const QList<SerialPortEntry> present = {{"/dev/rfcomm0", "Radio link", "Maker", byId}};
        auto *w = new ConfigWindow(rig.window.configuration(), &rig.window, [&] { return present; });
        w->show();
        const WindowDriver ui{w};
        auto *ports = ui.find<QComboBox>("cmbComPorts");
        QCOMPARE(ports->count(), 1);
        QCOMPARE(ports->itemText(0), "/dev/rfcomm0 - Radio link (Maker) - " + byId);
        QCOMPARE(ports->currentIndex(), -1);

        // TAMREL_COM1 would win over any name chosen.
        qunsetenv("TAMREL_COM1");
        ports->setCurrentIndex(0);
        Q_EMIT ports->activated(0);
        QCOMPARE(ui.find<QLabel>("lblComDevice")->text(), byId);
        QCOMPARE(ui.field("txtComPort")->text(), QStringLiteral("1"));
        ui.click("save_config");
        QCOMPARE(rig.settings.value(QStringLiteral("Config/ComDevice")).toString(), byId);
        QCOMPARE(rig.window.link().device(), byId);
        ClockStatusBar &bar = rig.window.statusPanels();
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), bar.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&bar, &tip);
        QCOMPARE(bar.toolTip(), "Serial port: " + byId);

        // A number typed is that number's port again.
        w = new ConfigWindow(rig.window.configuration(), &rig.window, [&] { return present; });
        w->show();
        const WindowDriver again{w};
        QCOMPARE(again.find<QLabel>("lblComDevice")->text(), byId);
        again.retype("txtComPort", QStringLiteral("5"));
        QCOMPARE(again.find<QLabel>("lblComDevice")->text(), DeviceForPort(5));
        again.click("save_config");
        qputenv("TAMREL_COM1", QByteArray("/dev/null"));
        QCOMPARE(rig.settings.value(QStringLiteral("Config/ComDevice")).toString(), QString());
        QCOMPARE(rig.window.link().portNumber(), 5);
    }

    void helpFile()
    {
        WindowRig rig;
        rig.window.startUp();
        rig.prompter.reset();
        rig.action("mnuHelp")->trigger();
        QCOMPARE(rig.prompter.messages.size(), 1);
        QVERIFY(rig.prompter.messages[0].text.contains(QStringLiteral("help/index.html")));
        QVERIFY(rig.opened.isEmpty());

        QFile help(rig.dir.filePath(QStringLiteral("Tamrel.chm")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        help.close();
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        QTest::keyClick(&rig.window, Qt::Key_F1);
        QCOMPARE(rig.opened, QStringList{rig.window.helpFile()});
        QVERIFY(rig.window.helpFile().endsWith(QStringLiteral("/Tamrel.chm")));

        // Where nothing opens a .chm, the web pages of the help open instead.
        rig.chmViewer = false;
        rig.opened.clear();
        rig.prompter.reset();
        rig.action("mnuHelp")->trigger();
        QCOMPARE(rig.prompter.texts(), QStringList{QStringLiteral("The help file '%1' cannot be opened: no help viewer is "
                                                                  "installed.")
                                                       .arg(QDir::toNativeSeparators(rig.window.helpFile()))});
        QVERIFY(QDir(rig.dir.path()).mkpath(QStringLiteral("help")));
        QFile pages(rig.dir.filePath(QStringLiteral("help/index.html")));
        QVERIFY(pages.open(QIODevice::WriteOnly));
        pages.close();
        rig.prompter.reset();
        rig.action("mnuHelp")->trigger();
        QCOMPARE(rig.opened, QStringList{pages.fileName()});
        QVERIFY(rig.prompter.messages.isEmpty());

        rig.browser = false;
        rig.action("mnuHelp")->trigger();
        QCOMPARE(rig.prompter.texts(),
            QStringList{QStringLiteral("The help file '%1' cannot be opened: no web browser is set up.")
                            .arg(QDir::toNativeSeparators(pages.fileName()))});
    }

    // Compact keeps a copy first, beside the day's copy made at start-up; a
    // restore offers both and puts the chosen one back.
    void backupsFromTheMenus()
    {
        WindowRig rig;
        rig.port.setResponder(FakeClockPeer{});
        QVERIFY(rig.installDatabase());
        rig.window.startUp();
        Connection &c = rig.window.database().connection();
        c.execute("INSERT INTO clubs (ClubName) VALUES ('Kept')");
        rig.action("mnuCompactDatabase")->trigger();
        QVERIFY2(rig.prompter.messages.isEmpty(), qPrintable(rig.prompter.texts().join(QLatin1Char('|'))));
        c.execute("INSERT INTO clubs (ClubName) VALUES ('Typed after')");

        QStringList offered;
        QTimer::singleShot(0, [&] {
            QWidget *chooser = QApplication::activeModalWidget();
            QVERIFY(chooser);
            auto *list = chooser->findChild<QListWidget *>(QStringLiteral("lstBackups"));
            offered = ListLines(list);
            list->setCurrentRow(int(offered.indexOf(QRegularExpression(QStringLiteral(".*-before-compact.*")))));
            chooser->findChild<QPushButton *>(QStringLiteral("cmdRestore"))->click();
        });
        rig.action("mnuRestoreDatabase")->trigger();
        QCOMPARE(offered.size(), 2);
        const QString lines = offered.join(QLatin1Char('|'));
        QVERIFY2(lines.contains(QLatin1String("-before-compact.mdb  1 clubs, 0 flyers, 0 birds")), qPrintable(lines));
        QVERIFY2(lines.contains(QLatin1String("-daily.mdb  0 clubs, 0 flyers, 0 birds")), qPrintable(lines));
        QVERIFY2(rig.prompter.texts().constLast().endsWith(QLatin1String("(1 clubs, 0 flyers, 0 birds).")),
                 qPrintable(rig.prompter.texts().constLast()));
        Connection &restored = rig.window.database().connection();
        QCOMPARE(Number(restored, "SELECT count(*) FROM clubs"), qint64(1));

        // Back Up Database writes where the user says, and says so.
        const QString byHand = rig.folder + QStringLiteral("/by-hand.mdb");
        rig.prompter.saveNext(byHand);
        rig.action("mnuBackUpDatabase")->trigger();
        QCOMPARE(rig.prompter.messages.constLast().icon, MsgIcon::Information);
        QCOMPARE(rig.prompter.texts().constLast(), "The database was backed up to " + byHand + '.');
        QVERIFY(QFileInfo::exists(byHand));
        // With no copy there is only another file to restore from.
        const RestoreWindow none({}, rig.folder, nullptr);
        QVERIFY(!none.findChild<QPushButton *>(QStringLiteral("cmdRestore"))->isEnabled());

        // Without its copy a compact does not run: a file where the backups
        // folder belongs, and rows deleted that a compact would give back.
        const QString backups = Backups::folder(rig.window.database());
        QVERIFY(QDir(backups).removeRecursively() && WriteFileBytes(backups.chopped(1), "in the way"));
        restored.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                         "INSERT INTO birds (BirdFlyerID, bnumber) SELECT 1, printf('%06d', i) FROM n");
        restored.execute("DELETE FROM birds");
        const qint64 size = QFileInfo(rig.window.database().path()).size();
        rig.prompter.reset();
        rig.action("mnuCompactDatabase")->trigger();
        QCOMPARE(rig.prompter.texts().size(), 1);
        QVERIFY2(rig.prompter.texts()[0].startsWith(QLatin1String("The database could not be backed up: ")),
                 qPrintable(rig.prompter.texts()[0]));
        QCOMPARE(QFileInfo(rig.window.database().path()).size(), size);
    }

    // The background drawn to the window's size.
    void backgroundFonts_data()
    {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("title");
        QTest::addColumn<double>("company");
        QTest::addColumn<int>("thickness");
        QTest::newRow("half width, full height") << QSize(640, 800) << 36.0 << 10.0 << 3;
        QTest::newRow("full screen") << QSize(1280, 800) << 72.0 << 20.0 << 5;
        QTest::newRow("height limits") << QSize(1280, 200) << 18.0 << 5.0 << 1;
        QTest::newRow("tiny") << QSize(64, 40) << 3.6 << 1.0 << 1;
    }

    void backgroundFonts()
    {
        QFETCH(QSize, window);
        QFETCH(double, title);
        QFETCH(double, company);
        QFETCH(int, thickness);
        const BackgroundLayout l = LayOutBackground(window, QSize(1280, 800), 20);
        QCOMPARE(l.titlePointSize, title);
        QCOMPARE(l.companyPointSize, company);
        QCOMPARE(l.line.height(), thickness);
    }

    void backgroundLineAndCentre()
    {
        const BackgroundLayout l = LayOutBackground(QSize(1000, 600), QSize(1280, 800), 20);
        QCOMPARE(l.line.left(), 0);
        QCOMPARE(l.line.width(), 1000);
        QCOMPARE(l.line.top(), 270);   // half the height less one and a half status bars
        QCOMPARE(CentredOrigin(QSize(1000, 600), QSize(1280, 800)), QPoint(140, 100));
        QVERIFY(FillsScreen(QSize(1200, 760), QSize(1280, 800)));
        QVERIFY(!FillsScreen(QSize(1200, 500), QSize(1280, 800)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
