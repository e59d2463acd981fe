#include "transfer/data_trans_window.h"

#include "ui_frmDataTrans.h"

#include <QCoreApplication>

DataTransWindow::DataTransWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmDataTrans>())
{
    ui->setupUi(this);
    setWindowModality(Qt::NonModal);
}

DataTransWindow::~DataTransWindow() = default;

void DataTransWindow::showProgress(const QString &firstLine, const QString &secondLine)
{
    ui->lblDataTrans->setText(firstLine);
    ui->lblBirdsTransferred->setText(secondLine);
    show();
    raise();
    paintNow();
}

void DataTransWindow::setSecondLine(const QString &text)
{
    ui->lblBirdsTransferred->setText(text);
    paintNow();
}

void DataTransWindow::closeProgress()
{
    close();
}

void DataTransWindow::paintNow()
{
    // A window shown just now is only mapped once its events are served;
    // user input waits until the work is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}
