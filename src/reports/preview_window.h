#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <memory>

namespace Ui {
class frmPreview;
}

// frmPreview: the report as text over the screen's free area, with Print
// and Close buttons at its foot. Escape closes it too.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget *parent);
    ~PreviewWindow() override;

    void showLines(const QList<QByteArray> &lines);

Q_SIGNALS:
    void printRequested();

private:
    std::unique_ptr<Ui::frmPreview> ui;
};
