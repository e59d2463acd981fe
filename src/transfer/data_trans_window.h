#pragma once

#include "common/progress_view.h"

#include <QWidget>
#include <memory>

namespace Ui {
class frmDataTrans;
}

// frmDataTrans: the progress window of transfers and database maintenance.
// Shown modeless over its parent; every change is painted at once, since the
// work it reports keeps the event loop busy.
class DataTransWindow : public QWidget, public ProgressView {
    Q_OBJECT
public:
    explicit DataTransWindow(QWidget *parent = nullptr);
    ~DataTransWindow() override;

    void showProgress(const QString &firstLine, const QString &secondLine) override;
    void setSecondLine(const QString &text) override;
    void closeProgress() override;
    void setTitle(const QString &title) override { setWindowTitle(title); }

private:
    void paintNow();

    std::unique_ptr<Ui::frmDataTrans> ui;
};
