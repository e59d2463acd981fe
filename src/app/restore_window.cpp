#include "app/restore_window.h"

#include "ui_frmRestore.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>

QString RestoreLine(const Backups::Entry &backup)
{
    return backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QStringLiteral("  ")
         + QFileInfo(backup.path).fileName() + QStringLiteral("  ")
         + (backup.contents ? Backups::describe(*backup.contents) : QStringLiteral("cannot be read"));
}

RestoreWindow::RestoreWindow(const QList<Backups::Entry> &backups, const QString &folder, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmRestore>()), m_backups(backups)
{
    ui->setupUi(this);
    ui->lstBackups->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const Backups::Entry &backup : backups)
        ui->lstBackups->addItem(RestoreLine(backup));
    if (!backups.isEmpty())
        ui->lstBackups->setCurrentRow(0);
    ui->cmdRestore->setEnabled(!backups.isEmpty());
    connect(ui->lstBackups, &QListWidget::itemDoubleClicked, ui->cmdRestore, &QPushButton::click);
    connect(ui->cmdRestore, &QPushButton::clicked, this, [this] {
        const int row = ui->lstBackups->currentRow();
        if (row >= 0)
            choose(m_backups.at(row).path);
    });
    connect(ui->cmdOtherFile, &QPushButton::clicked, this, [this, folder] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Restore Database"), folder,
                                                          QStringLiteral("Tamrel Databases (*.mdb)"));
        if (!path.isEmpty())
            choose(path);
    });
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

RestoreWindow::~RestoreWindow() = default;

void RestoreWindow::choose(const QString &path)
{
    m_chosen = path;
    accept();
}
