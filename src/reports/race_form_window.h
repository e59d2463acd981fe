#pragma once

#include "reports/report_on_screen.h"

#include <QPalette>
#include <QWidget>
#include <memory>

namespace Ui {
class frmRaceform;
}
class Database;
class QLineEdit;
class Prompter;
struct FlightReport;
struct RaceFileModel;

// frmRaceform: one flight of a loaded race file with its header boxes and
// arrival list; every flight chosen writes its report text file. Preview,
// print and browse are handed to whoever opened it.
class RaceFormWindow : public QWidget {
    Q_OBJECT
public:
    RaceFormWindow(RaceFileModel &model, Database &db, Prompter &prompter, QWidget *parent);
    ~RaceFormWindow() override;

    // The boxes and the list as they stand, for preview and print.
    ReportOnScreen onScreen() const;

Q_SIGNALS:
    void previewRequested();
    void printRequested();
    void browseRequested();
    // Closed by the user, not by browsing.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showChosenFlight();
    void showReport(const FlightReport &report);
    void exportCsv();
    // The text boxes and the header field each shows.
    QList<std::pair<QLineEdit *, QByteArray HeaderBoxes::*>> textBoxes() const;

    std::unique_ptr<Ui::frmRaceform> ui;
    RaceFileModel &m_model;
    Database &m_db;
    Prompter &m_prompter;
    QPalette m_normalBox;
    // The flight shown, for the spreadsheet export.
    QList<QStringList> m_table;
    bool m_toldDatabaseFailure = false;
};
