#include "app/about_window.h"

#include "ui_frmAboutTamrel.h"

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmAboutTamrel>())
{
    ui->setupUi(this);
    ui->lblTitle->setText(titleText());
    QFont big = ui->lblTitle->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    ui->lblTitle->setFont(big);
    // Window managers cut a title wider than the window; room for it and
    // for the title bar's buttons.
    const int titleRoom = fontMetrics().horizontalAdvance(windowTitle()) + 8 * fontMetrics().averageCharWidth()
                        + 120;
    setMinimumWidth(qMax(minimumSizeHint().width(), titleRoom));
}

AboutWindow::~AboutWindow() = default;

QString AboutWindow::titleText()
{
    return QStringLiteral("Tamrel: V") + QStringLiteral(TAMREL_VERSION);
}
