#pragma once

#include "app/clock_commands.h"
#include "app/configuration.h"
#include "app/program_services.h"
#include "app/settings_store.h"
#include "app/single_windows.h"
#include "admin_db/records/admin_shared_state.h"
#include "admin_db/db/backups.h"
#include "admin_db/db/database.h"
#include "admin_db/db/database_lock.h"
#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "clock/control_chars.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmMain;
}
class ClockStatusBar;
class RaceReports;
class ProgressView;
class Prompter;
class QFile;

// frmMain: owns the link, the clock identity, the settings and the database
// for the whole run, carries the menus and opens every other window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(ProgramServices services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence; the window may already be on screen.
    void startUp();
    // Every request and reply of the link, one line each, for diagnosing a
    // clock that misbehaves.
    void logLinkTo(QFile &log);

    ClockLink &link() { return m_link; }
    const ClockIdentity &identity() const { return m_identity; }
    Configuration &configuration() { return m_configuration; }
    Database &database() { return m_database; }
    ClockStatusBar &statusPanels() { return *m_statusBar; }
    const QString &helpFile() const { return m_helpFile; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMenus();
    // "Import DOS Files": the import window, or the club window when there
    // is no club yet.
    void openImportWindow();
    // A receive whose flyer is new hands over to the flyer window.
    void enterReceivedFlyer(const QString &name);
    void openDatabaseAtStartUp();
    // Compact or Repair, after a backup of the database; a failed backup
    // stops it.
    void runMaintenance(void (*command)(Database &, ProgressView &, Prompter &), Backups::Before before);
    // File > Back Up Database: a copy where the user chooses.
    void backUpDatabase();
    // File > Restore Database: a backup in the database's place.
    void restoreDatabase();
    // The first start of a day keeps a copy of the database.
    void makeDailyBackup();
    void layOutBackground();
    void showHelp();
    void centreOnScreen();
    QSize screenSize() const;

    std::unique_ptr<Ui::frmMain> ui;
    ProgramServices m_services;
    ClockStatusBar *m_statusBar;
    ControlChars m_controlChars;
    ClockLink m_link;
    ClockIdentity m_identity;
    SettingsStore m_store;
    Configuration m_configuration;
    Database m_database;
    DatabaseLock m_databaseLock;
    AdminSharedState m_adminState;
    SingleWindows m_windows;
    ClockCommands m_clockCommands;
    RaceReports *m_raceReports;
    QString m_helpFile;
};
