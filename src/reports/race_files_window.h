#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmRacefiles;
}
class QListWidgetItem;

// frmRacefiles: lists the race files of the race folder; a click on one
// asks for its report. The list is filled when the window is made.
class RaceFilesWindow : public QWidget {
    Q_OBJECT
public:
    RaceFilesWindow(const QString &raceFolder, QWidget *parent);
    ~RaceFilesWindow() override;

    // The chosen file could not be opened: the list is emptied and says so.
    void showNoFiles();

Q_SIGNALS:
    void fileChosen(const QString &fileName);

protected:
    // A click on the background brings the window back to its place.
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList(const QString &raceFolder);
    void open(QListWidgetItem *item);
    void showPlaceholder(const QString &text);
    void takeStandardPlace();

    std::unique_ptr<Ui::frmRacefiles> ui;
};
