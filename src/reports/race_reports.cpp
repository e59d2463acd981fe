#include "reports/race_reports.h"

#include "common/prompter.h"
#include "reports/preview_text.h"
#include "reports/preview_window.h"
#include "reports/race_files_window.h"
#include "reports/race_form_window.h"
#include "reports/report_printing.h"

RaceReports::RaceReports(Database &db, Folders folders, Prompter &prompter, QWidget *mainWindow)
    : QObject(mainWindow), m_db(db), m_folders(std::move(folders)), m_prompter(prompter), m_mainWindow(mainWindow)
{
}

RaceReports::~RaceReports()
{
    closeAll();
}

void RaceReports::showBrowser()
{
    if (!m_browser) {
        m_browser = new RaceFilesWindow(m_folders.raceDir(), m_mainWindow);
        connect(m_browser, &RaceFilesWindow::fileChosen, this, &RaceReports::openReport);
    }
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void RaceReports::closeAll()
{
    for (QWidget *window : {static_cast<QWidget *>(m_preview.data()), static_cast<QWidget *>(m_browser.data())}) {
        if (window)
            window->close();
    }
    closeReport();
}

void RaceReports::openReport(const QString &fileName)
{
    // The report window works on the model; a new file replaces both.
    closeReport();
    m_model = RaceFileModel{};
    m_model.RaceFilePath = m_folders.inRaceDir(fileName);
    switch (LoadRaceFile(m_model)) {
    case RaceFileLoad::NotFound:
        m_browser->showNoFiles();
        return;
    case RaceFileLoad::NoFlight:
        m_prompter.inform(fileName + QStringLiteral(" holds no race or training flight."));
        return;
    case RaceFileLoad::Loaded:
        break;
    }
    m_report = new RaceFormWindow(m_model, m_db, m_prompter, m_mainWindow);
    connect(m_report, &RaceFormWindow::previewRequested, this, &RaceReports::preview);
    connect(m_report, &RaceFormWindow::printRequested, this, &RaceReports::print);
    connect(m_report, &RaceFormWindow::browseRequested, this, &RaceReports::browse);
    connect(m_report, &RaceFormWindow::closed, this, [this] {
        if (m_browser)
            m_browser->close();
    });
    m_report->show();
    const QString note = NotShownNote(m_model);
    if (!note.isEmpty())
        m_prompter.inform(note);
}

void RaceReports::closeReport()
{
    if (!m_report)
        return;
    // Gone without the user closing it: the browser stays.
    m_report->disconnect(this);
    m_report->hide();
    m_report->deleteLater();
    m_report = nullptr;
}

void RaceReports::browse()
{
    closeReport();
    showBrowser();
}

void RaceReports::preview()
{
    if (m_browser)
        m_browser->close();
    if (!m_preview) {
        m_preview = new PreviewWindow(m_mainWindow);
        connect(m_preview, &PreviewWindow::printRequested, this, &RaceReports::print);
    }
    m_preview->showLines(PreviewLines(m_report->onScreen()));
}

void RaceReports::print()
{
    // A report text file beside the race file names the PDF.
    PrintRaceReport(m_report->onScreen(), m_defaultPrinter(), m_model.RaceFilePath + QStringLiteral(".pdf"),
                    m_prompter);
}
