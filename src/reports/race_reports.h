#pragma once

#include "common/folders.h"
#include "reports/race_file_model.h"

#include <QObject>
#include <QPointer>
#include <QPrinterInfo>
#include <functional>

class Database;
class Prompter;
class PreviewWindow;
class QWidget;
class RaceFilesWindow;
class RaceFormWindow;

// "Tamrel Race Data Reports": the race file browser, the report window of
// the file chosen in it and the preview, with the race file they share.
// The main window makes one and keeps it for the whole run; the windows are
// modeless and exist at most once each.
class RaceReports : public QObject {
    Q_OBJECT
public:
    RaceReports(Database &db, Folders folders, Prompter &prompter, QWidget *mainWindow);
    ~RaceReports() override;

    // mnuRaceReport: the browser, filled afresh when it was not open.
    void showBrowser();
    void closeAll();

    // Where "Print" looks for the default printer; without one it writes a PDF.
    void setDefaultPrinter(std::function<QPrinterInfo()> find) { m_defaultPrinter = std::move(find); }

private:
    void openReport(const QString &fileName);
    void closeReport();
    void browse();
    void preview();
    void print();

    Database &m_db;
    Folders m_folders;
    Prompter &m_prompter;
    QWidget *m_mainWindow;
    std::function<QPrinterInfo()> m_defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
    RaceFileModel m_model;
    QPointer<RaceFilesWindow> m_browser;
    QPointer<RaceFormWindow> m_report;
    QPointer<PreviewWindow> m_preview;
};
