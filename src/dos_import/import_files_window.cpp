#include "dos_import/import_files_window.h"

#include "common/widgets/data_window_widgets.h"
#include "ui_frmImportFiles.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QFontDatabase>

ImportFilesWindow::ImportFilesWindow(Database &db, Prompter &prompter, AdminSharedState &shared,
                                     const QString &folder, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmImportFiles>()), m_progress(this),
      m_logic(db, prompter, m_progress, shared), m_folders(new QFileSystemModel(this))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // "[X]" and "[   ]" line up only in a fixed font.
    ui->lstImportFlyers->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_loaded = m_logic.load(folder);
    setUpFolders(folder);
    connectControls();
    showState();
}

ImportFilesWindow::~ImportFilesWindow() = default;

void ImportFilesWindow::setUpFolders(const QString &folder)
{
    for (const QFileInfo &drive : QDir::drives())
        ui->Drive1->addItem(QDir::toNativeSeparators(drive.absolutePath()), drive.absolutePath());
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QString());
    ui->Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        ui->Dir1->hideColumn(column);
    const QModelIndex start = m_folders->index(QDir(folder).exists() ? folder : QDir::homePath());
    ui->Dir1->setCurrentIndex(start);
    ui->Dir1->expand(start);
    // The folders load in the background: the start folder comes into view
    // once they are there.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this,
            [this] { ui->Dir1->scrollTo(ui->Dir1->currentIndex(), QAbstractItemView::PositionAtCenter); });
}

void ImportFilesWindow::connectControls()
{
    connect(ui->Drive1, &QComboBox::activated, this, [this](int index) {
        const QModelIndex drive = m_folders->index(ui->Drive1->itemData(index).toString());
        ui->Dir1->setCurrentIndex(drive);
        ui->Dir1->expand(drive);
    });
    connect(ui->Dir1, &QTreeView::activated, this,
            [this](const QModelIndex &index) { chooseFolder(m_folders->filePath(index)); });
    connect(ui->lstClubs, &QListWidget::currentRowChanged, this, [this](int row) { m_logic.clubChosen(row); });
    connect(ui->lstAdminFiles, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_logic.fileClicked(ui->lstAdminFiles->row(item));
        showState();
    });
    connect(ui->Check1, &QCheckBox::toggled, this, [this](bool checked) { m_logic.setOnlySelected(checked); });
    connect(ui->cmdSend, &QPushButton::clicked, this, [this] {
        m_logic.importFlyers(SelectedRows(ui->lstImportFlyers));
        showState();
        Q_EMIT imported();
    });
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

void ImportFilesWindow::chooseFolder(const QString &folder)
{
    m_logic.folderChosen(folder);
    showState();
}

void ImportFilesWindow::showState()
{
    const DosImportView v = m_logic.view();
    setWindowTitle(v.caption);
    ui->Label8->setText(v.clubCount);
    ShowListLines(ui->lstClubs, v.clubLines, v.clubRow, !v.clubLines.isEmpty());
    ShowListLines(ui->lstAdminFiles, v.fileLines, v.fileRow, v.filesEnabled);
    ShowListLines(ui->File1, v.fileNames, true);
    ShowListLines(ui->lstImportFlyers, v.flyerLines, true);
    ui->Label1->setText(v.status);
    ui->Label1->setVisible(!v.status.isEmpty());
    ui->cmdSend->setEnabled(v.importEnabled);
}

void ImportFilesWindow::closeEvent(QCloseEvent *event)
{
    m_logic.end();
    m_progress.close();
    QWidget::closeEvent(event);
}
