#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <memory>

namespace Ui {
class frmPreview;
}

// frmPreview: the report as text over the whole screen. Escape closes it.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget *parent);
    ~PreviewWindow() override;

    void showLines(const QList<QByteArray> &lines);

private:
    std::unique_ptr<Ui::frmPreview> ui;
};
