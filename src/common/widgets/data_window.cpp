#include "common/widgets/data_window.h"

#include <QCloseEvent>

DataWindow::DataWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void DataWindow::run(const std::function<void()> &action)
{
    action();
    showOutcome();
}

void DataWindow::closeEvent(QCloseEvent *event)
{
    endLogic();
    QWidget::closeEvent(event);
}
