#include "reports/race_files_window.h"

#include "common/widgets/window_placement.h"
#include "reports/race_file_listing.h"
#include "reports/report_fonts.h"
#include "ui_frmRacefiles.h"

#include <QKeyEvent>
#include <QScreen>

namespace {

// The window's standard size, in twips.
constexpr int WidthTwips = 3660;
constexpr int HeightTwips = 3500;
constexpr int TwipsPerInch = 1440;

} // namespace

RaceFilesWindow::RaceFilesWindow(const QString &raceFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmRacefiles>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->List1->setFont(ReportFont(font().pointSize()));
    connect(ui->List1, &QListWidget::itemClicked, this, &RaceFilesWindow::open);
    // Return opens the current file as a click does; a double-click has
    // opened it with its first click already.
    ui->List1->installEventFilter(this);
    takeStandardPlace();
    fillList(raceFolder);
}

RaceFilesWindow::~RaceFilesWindow() = default;

void RaceFilesWindow::fillList(const QString &raceFolder)
{
    const QList<RaceFileEntry> entries = ListRaceFiles(raceFolder);
    for (const RaceFileEntry &entry : entries) {
        // The name goes with the entry: one that is not twelve characters
        // long still opens its own file.
        auto *item = new QListWidgetItem(entry.text(), ui->List1);
        item->setData(Qt::UserRole, entry.fileName);
    }
    ui->Label3->setText(ListedCountText(entries.size()));
    if (entries.isEmpty())
        showPlaceholder(QStringLiteral("No files"));
}

void RaceFilesWindow::open(QListWidgetItem *item)
{
    if (item && ui->List1->isEnabled())
        Q_EMIT fileChosen(item->data(Qt::UserRole).toString());
}

bool RaceFilesWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            open(ui->List1->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RaceFilesWindow::showNoFiles()
{
    showPlaceholder(QStringLiteral("No Files"));
}

void RaceFilesWindow::showPlaceholder(const QString &text)
{
    ui->List1->clear();
    ui->List1->addItem(text);
    ui->List1->setEnabled(false);
}

void RaceFilesWindow::mousePressEvent(QMouseEvent *event)
{
    takeStandardPlace();
    QWidget::mousePressEvent(event);
}

void RaceFilesWindow::takeStandardPlace()
{
    resize(WidthTwips * logicalDpiX() / TwipsPerInch, HeightTwips * logicalDpiY() / TwipsPerInch);
    PlaceOnParentScreen(*this);
}
