#include "reports/preview_window.h"

#include "common/latin1.h"
#include "reports/report_fonts.h"
#include "ui_frmPreview.h"

#include <QShortcut>

PreviewWindow::PreviewWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmPreview>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->Text1->setFont(ReportFont(12));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &PreviewWindow::printRequested);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showLines(const QList<QByteArray> &lines)
{
    ui->Text1->setPlainText(toText(lines.join('\n')));
    // Maximized, the window manager keeps the title bar and the buttons at
    // the foot on the screen.
    showMaximized();
    raise();
    activateWindow();
}
