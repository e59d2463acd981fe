#include "app/main_window.h"

#include "app/about_window.h"
#include "app/background_layout.h"
#include "app/config_window.h"
#include "app/restore_window.h"
#include "admin_db/birds/bird_inventory_window.h"
#include "admin_db/clubs/club_window.h"
#include "admin_db/db/backups.h"
#include "admin_db/db/database_error_report.h"
#include "admin_db/flyers/flyer_window.h"
#include "admin_db/liberations/liberation_window.h"
#include "dos_import/import_files_window.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/maintenance.h"
#include "clock/clock_status_bar.h"
#include "common/folders.h"
#include "common/line_breaks.h"
#include "common/prompter.h"
#include "common/unexpected_error.h"
#include "reports/race_reports.h"
#include "transfer/data_trans_window.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>

MainWindow::MainWindow(ProgramServices services, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::frmMain>())
    , m_services(std::move(services))
    , m_statusBar(new ClockStatusBar(this))
    , m_link(m_services.port, m_services.clock, m_services.prompter)
    , m_store(m_services.settings)
    , m_configuration(m_store, m_link, m_services.prompter)
    , m_clockCommands(m_link, m_identity, m_services.prompter, *m_statusBar, m_database, m_adminState,
                      m_configuration,
                      {[this] { ui->clubdata->trigger(); },
                       [this](const QString &name) { enterReceivedFlyer(name); }})
    , m_raceReports(new RaceReports(m_database, m_services.folders, m_services.prompter, this))
{
    ui->setupUi(this);
    // The form's XML loses a title that is only blanks.
    ui->blank->setTitle(QStringLiteral("   "));
    // A spacer, not a menu: a click must not light up an empty box.
    ui->blank->menuAction()->setEnabled(false);
    setStatusBar(m_statusBar);
    ui->background->setAutoFillBackground(true);
    ui->background->installEventFilter(this);
    QPalette palette = ui->background->palette();
    palette.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x5f));
    palette.setColor(QPalette::WindowText, Qt::white);
    ui->background->setPalette(palette);
    ui->Line1->setAutoFillBackground(true);
    QPalette linePalette = ui->Line1->palette();
    linePalette.setColor(QPalette::Window, QColor(0xe8, 0xc5, 0x47));
    ui->Line1->setPalette(linePalette);
    QFont titleFont = ui->lblProgram->font();
    titleFont.setBold(true);
    ui->lblProgram->setFont(titleFont);

    m_configuration.setTitleSink([this](const QString &title) { setWindowTitle(title); });
    connectMenus();
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelp);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectMenus()
{
    connect(ui->exit, &QAction::triggered, this, &QWidget::close);
    connect(ui->configsetup, &QAction::triggered, this, [this] {
        m_windows.show(QStringLiteral("frmConfig"), [this] { return new ConfigWindow(m_configuration, this); });
    });
    connect(ui->clubdata, &QAction::triggered, this, [this] {
        m_windows.show(QStringLiteral("frmClubData"), [this] {
            return new ClubWindow(m_database, m_services.prompter, m_adminState, this);
        });
    });
    connect(ui->FlyerData, &QAction::triggered, this, [this] {
        m_windows.show(QStringLiteral("frmFlyerList"), [this] {
            return new FlyerWindow(m_database, m_services.prompter, m_adminState, [this]() -> BirdWindowAccess * {
                return qobject_cast<BirdInventoryWindow *>(m_windows.find(QStringLiteral("frmBirdInventory")));
            }, this);
        });
    });
    connect(ui->BirdList, &QAction::triggered, this, [this] {
        m_windows.show(QStringLiteral("frmBirdInventory"), [this] {
            return new BirdInventoryWindow(m_database, m_services.prompter, m_adminState, m_identity,
                                           [this] {
                                               m_configuration.loadIfSaved();
                                               return m_configuration.fields().nationalOrg;
                                           },
                                           m_clockCommands, this);
        });
    });
    connect(ui->liberationdata, &QAction::triggered, this, [this] {
        m_windows.show(QStringLiteral("frmLiberations"),
                       [this] {
                           return new LiberationWindow(
                               m_database, m_services.prompter,
                               [this](const QList<LiberationRace> &races) {
                                   m_clockCommands.sendLiberationPoints(races);
                               },
                               this);
                       });
    });
    connect(ui->mnuImportDOS, &QAction::triggered, this, &MainWindow::openImportWindow);
    connect(ui->mnuRaceReport, &QAction::triggered, m_raceReports, &RaceReports::showBrowser);
    connect(ui->mnuVentaro, &QAction::triggered, this,
            [this] { m_clockCommands.saveVentaroRaceData(m_services.folders); });
    connect(ui->mnuDOSRaceData, &QAction::triggered, this,
            [this] { m_clockCommands.saveTamRaceData(m_services.folders); });
    connect(ui->mnuBackUpDatabase, &QAction::triggered, this, &MainWindow::backUpDatabase);
    connect(ui->mnuRestoreDatabase, &QAction::triggered, this, &MainWindow::restoreDatabase);
    connect(ui->mnuCompactDatabase, &QAction::triggered, this,
            [this] { runMaintenance(CompactDatabase, Backups::Before::Compact); });
    connect(ui->mnuRepairDatabase, &QAction::triggered, this,
            [this] { runMaintenance(RepairDatabase, Backups::Before::Repair); });
    connect(ui->mnuHelp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(ui->about, &QAction::triggered, this, [this] {
        AboutWindow about(this);
        about.exec();
    });
}

void MainWindow::openImportWindow()
{
    const QString name = QStringLiteral("frmImportFiles");
    if (!m_windows.find(name)) {
        auto *window = new ImportFilesWindow(m_database, m_services.prompter, m_adminState,
                                             m_services.folders.raceDir(), this);
        if (window->loaded() != DosImport::Load::Ready) {
            // Without a club, the club window comes first, ready for one.
            const bool noClubs = window->loaded() == DosImport::Load::NoClubs;
            window->close();
            if (noClubs)
                ui->clubdata->trigger();
            return;
        }
        // Open flyer and bird windows show what was imported.
        connect(window, &ImportFilesWindow::imported, this, [this] {
            for (const char *name : {"frmFlyerList", "frmBirdInventory"}) {
                if (auto *data = qobject_cast<DataWindow *>(m_windows.find(QLatin1String(name))))
                    data->showDatabaseChanges();
            }
        });
        m_windows.show(name, [window] { return window; });
        return;
    }
    m_windows.show(name, {});
}

void MainWindow::enterReceivedFlyer(const QString &name)
{
    ui->FlyerData->trigger();
    if (auto *flyers = qobject_cast<FlyerWindow *>(m_windows.find(QStringLiteral("frmFlyerList"))))
        flyers->enterReceivedFlyer(name);
}

void MainWindow::startUp()
{
    m_helpFile = m_services.folders.inHelpDir(QStringLiteral("Tamrel.chm"));
    m_controlChars = InitControlChars();
    PrepareDatabase(m_database, m_services.folders);
    if (!m_databaseLock.claim(m_database.path())) {
        m_services.prompter.message(Message{m_databaseLock.refusal(), QStringLiteral(" TAMREL Database Unavailable"),
                                            MsgIcon::Critical, MsgButtons::Ok, 0, true});
        close();
        return;
    }
    makeDailyBackup();
    m_configuration.LoadSettings();
    m_link.setAddressPrefix(ClockLink::ClockPrefix);
    ReadClockInfo(m_link, m_identity);
    ShowClockStatus(m_identity, *m_statusBar);
    if (!m_identity.connected())
        return;
    centreOnScreen();
    openDatabaseAtStartUp();
}

void MainWindow::openDatabaseAtStartUp()
{
    try {
        m_database.use(Table::clubs, MainWindowHolder);
    } catch (const JetError &e) {
        switch (e.number()) {
        case JetCode::FileNotFound:
        case JetCode::WrongPassword:
        case JetCode::FileLocked:
            ReportDatabaseError(m_services.prompter, e.number(), Folders::native(m_services.folders.programDir()));
            for (QAction *a : {ui->mnuAdmin->menuAction(), ui->mnuCompactDatabase, ui->mnuRepairDatabase})
                a->setEnabled(false);
            break;
        default:
            m_services.prompter.inform(UnexpectedErrorText(e.description(), e.number()));
        }
    }
}

void MainWindow::runMaintenance(void (*command)(Database &, ProgressView &, Prompter &), Backups::Before before)
{
    // With a data window open the command refuses by itself: no copy then.
    if (m_database.dataWindows().isEmpty()) {
        const Outcome saved = Backups::beforeOperation(m_database, before, QDateTime::currentDateTime());
        if (!saved.ok) {
            m_services.prompter.message(Message{Backups::failureText(saved) + CRLF
                                                    + QStringLiteral("Nothing was changed; free space on the disk "
                                                                     "and try again."),
                                                {}, MsgIcon::Critical, MsgButtons::Ok, 0, false});
            return;
        }
    }
    DataTransWindow progress(this);
    command(m_database, progress, m_services.prompter);
}

void MainWindow::restoreDatabase()
{
    const auto tell = [this](const QString &text, MsgIcon icon) {
        m_services.prompter.message(Message{text, {}, icon, MsgButtons::Ok, 0, false});
    };
    // Their records would point into the database that is going.
    if (!m_database.dataWindows().isEmpty()) {
        tell(QStringLiteral("Please close all data entry forms before restoring the database."), MsgIcon::Exclamation);
        return;
    }
    // Each copy is opened with the key to tell what it holds: a moment each.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<Backups::Entry> backups = Backups::list(m_database);
    QGuiApplication::restoreOverrideCursor();
    RestoreWindow chooser(backups, Backups::folder(m_database), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    const QString path = chooser.chosenPath();
    const Backups::Restored restored = Backups::restore(m_database, path, QDateTime::currentDateTime());
    if (!restored.outcome.ok) {
        tell(QStringLiteral("The database was not restored: ") + restored.outcome.message + QLatin1Char('.'),
             MsgIcon::Critical);
        return;
    }
    tell(QStringLiteral("The database was restored from ") + Folders::native(path) + QStringLiteral(" (")
             + Backups::describe(restored.contents) + QStringLiteral(")."),
         MsgIcon::Information);
}

void MainWindow::makeDailyBackup()
{
    // A missing file is told where it is opened.
    if (!QFileInfo::exists(m_database.path()))
        return;
    const Outcome saved = Backups::daily(m_database, QDateTime::currentDateTime());
    if (!saved.ok)
        m_services.prompter.message(Message{QStringLiteral("Today's backup of the database could not be made: ")
                                                + saved.message + QLatin1Char('.'),
                                            {}, MsgIcon::Exclamation, MsgButtons::Ok, 0, false});
}

void MainWindow::backUpDatabase()
{
    const QString proposed = Backups::proposedPath(m_database, QDate::currentDate());
    // The dialog opens in the backups folder, even the first time.
    QDir().mkpath(QFileInfo(proposed).absolutePath());
    const QString path = m_services.prompter.saveFileName(
        {QStringLiteral("Back Up Database"), QFileInfo(proposed).absolutePath() + QLatin1Char('/'),
         QFileInfo(proposed).fileName(), QStringLiteral("Tamrel Databases (*.mdb)"), true});
    if (path.isEmpty())
        return;
    const Outcome saved = Backups::backUp(m_database, path);
    m_services.prompter.message(
        saved.ok ? Message{QStringLiteral("The database was backed up to ") + Folders::native(path) + QLatin1Char('.'),
                           {}, MsgIcon::Information, MsgButtons::Ok, 0, false}
                 : Message{Backups::failureText(saved), {}, MsgIcon::Critical, MsgButtons::Ok, 0, false});
}

void MainWindow::logLinkTo(QFile &log)
{
    m_link.setTrace([this, &log](const char *direction, const QByteArray &bytes) {
        log.write(QByteArray(direction) + ' ' + bytes.toHex(' ') + "  " + ReadableBytes(bytes, m_controlChars) + '\n');
        log.flush();
    });
}

QSize MainWindow::screenSize() const
{
    const QScreen *s = screen();
    return s ? s->availableGeometry().size() : QSize(1024, 768);
}

void MainWindow::centreOnScreen()
{
    move(CentredOrigin(frameGeometry().size(), screenSize()));
}

void MainWindow::layOutBackground()
{
    const BackgroundLayout layout = LayOutBackground(size(), screenSize(), m_statusBar->height());
    QFont titleFont = ui->lblProgram->font();
    titleFont.setPointSizeF(qMax(1.0, layout.titlePointSize));
    ui->lblProgram->setFont(titleFont);
    QFont companyFont = ui->lblCoName->font();
    companyFont.setPointSizeF(qMax(1.0, layout.companyPointSize));
    ui->lblCoName->setFont(companyFont);

    // The window's own coordinates, less the menu bar above the background.
    const int top = ui->background->y();
    const QRect line = layout.line.translated(0, -top);
    ui->Line1->setGeometry(line);
    const int width = ui->background->width();
    const int titleHeight = ui->lblProgram->sizeHint().height();
    ui->lblProgram->setGeometry(0, qMax(0, line.top() - titleHeight), width, titleHeight);
    ui->lblCoName->setGeometry(0, line.bottom() + 1, width, ui->lblCoName->sizeHint().height());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOutBackground();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->background && event->type() == QEvent::MouseButtonPress
        && FillsScreen(size(), screenSize())) {
        centreOnScreen();
        layOutBackground();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showHelp()
{
    // Tamrel.chm where something opens it; the same help as web pages in
    // the browser elsewhere (no Linux desktop opens a .chm by itself).
    const bool chm = QFileInfo::exists(m_helpFile);
    if (chm && m_services.hasViewerFor(m_helpFile) && m_services.openDocument(m_helpFile))
        return;
    const QString pages = m_services.folders.inHelpDir(QStringLiteral("help/index.html"));
    if (QFileInfo::exists(pages)) {
        if (!m_services.openDocument(pages))
            m_services.prompter.inform(QStringLiteral("The help file '%1' cannot be opened: no web browser is set up.")
                                           .arg(Folders::native(pages)));
        return;
    }
    if (!chm) {
        m_services.prompter.inform(QStringLiteral("The help file '%1' cannot be found.").arg(Folders::native(pages)));
        return;
    }
    m_services.prompter.inform(QStringLiteral("The help file '%1' cannot be opened: no help viewer is installed.")
                                   .arg(Folders::native(m_helpFile)));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A window whose user keeps a record being typed keeps the program open.
    if (!m_windows.closeAll()) {
        event->ignore();
        return;
    }
    m_raceReports->closeAll();
    m_database.closeAll();
    m_link.closePort();
    QMainWindow::closeEvent(event);
}
