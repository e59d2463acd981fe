#include "reports/race_form_window.h"

#include "common/widgets/window_placement.h"
#include "common/csv.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"
#include "common/text_helpers.h"
#include "reports/owner_lookup.h"
#include "reports/race_file_model.h"
#include "reports/flight_choice.h"
#include "reports/report_fonts.h"
#include "reports/report_text_file.h"
#include "ui_frmRaceform.h"

#include <QCloseEvent>
#include <QScreen>
#include <QStyle>

namespace {

const QString FormTitle = QStringLiteral("Tamrel Race Report");

// Heading widths in characters of the list's font, so they stand over the
// columns of its lines: position (3), name (21), band (16), time (9), date.
// "Pos" fills its column: the name heading starts one character late so
// that the two read apart.
constexpr int HeadingWidths[] = {4, 20, 16, 9, 5};

} // namespace

RaceFormWindow::RaceFormWindow(RaceFileModel &model, Database &db, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmRaceform>()), m_model(model), m_db(db),
      m_prompter(prompter)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ReportFont(font().pointSize()));
    const QList<QLabel *> headings = {ui->lblPosHeading, ui->lblNameHeading, ui->lblBandHeading,
                                      ui->lblTimeHeading, ui->lblDateHeading};
    const int charWidth = ui->List1->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int textIndent = ui->List1->frameWidth() + style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    ui->headingsLayout->setContentsMargins(textIndent, 0, 0, 0);
    for (qsizetype i = 0; i < headings.size(); ++i)
        headings.at(i)->setFixedWidth(HeadingWidths[i] * charWidth);
    m_normalBox = ui->txtClockStop->palette();

    for (int flight = 1; flight <= m_model.flightCount(); ++flight)
        ui->Combo1->addItem(QString::number(flight));
    connect(ui->Combo1, &QComboBox::currentIndexChanged, this, &RaceFormWindow::showChosenFlight);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &RaceFormWindow::previewRequested);
    connect(ui->cmdPrinter, &QPushButton::clicked, this, &RaceFormWindow::printRequested);
    connect(ui->Command1, &QPushButton::clicked, this, &RaceFormWindow::browseRequested);
    connect(ui->cmdExportCsv, &QPushButton::clicked, this, &RaceFormWindow::exportCsv);

    PlaceOnParentScreen(*this);
    showChosenFlight();
}

RaceFormWindow::~RaceFormWindow() = default;

void RaceFormWindow::showChosenFlight()
{
    std::optional<ChosenFlight> chosen;
    std::optional<JetError> failure;
    {
        // The lookup ends before any message can wait on the user.
        OwnerLookup owners(m_db);
        chosen = ChooseFlight(m_model, int(LenientNumber(toBytes(ui->Combo1->currentText()))), owners);
        failure = owners.failure();
    }
    showReport(chosen->report);

    if (failure && !m_toldDatabaseFailure) {
        m_toldDatabaseFailure = true;
        m_prompter.message(Message{QStringLiteral("Owner names cannot be looked up: ") + failure->description() + CRLF
                                       + QStringLiteral("The report lists every bird as Unknown flyer."),
                                   FormTitle, MsgIcon::Exclamation, MsgButtons::Ok, 0, false});
    }
    if (!chosen->saved.ok)
        m_prompter.message(Message{QStringLiteral("The report text file could not be written: ") + chosen->saved.message
                                       + QLatin1Char('.'),
                                   FormTitle, MsgIcon::Critical, MsgButtons::Ok, 0, false});
}

void RaceFormWindow::showReport(const FlightReport &report)
{
    const HeaderBoxes &b = report.boxes;
    ui->lblRaceNum->setText(toText(b.raceNum));
    for (const auto &[box, field] : textBoxes()) {
        box->setText(toText(b.*field));
        box->setCursorPosition(0);
    }
    QPalette knockOff = m_normalBox;
    if (b.noKnockOff)
        knockOff.setColor(QPalette::Text, QColor(255, 0, 0));
    ui->txtClockStop->setPalette(knockOff);
    ui->txtKnockOff->setPalette(knockOff);

    m_table = report.table;
    ui->List1->clear();
    for (const QByteArray &line : report.listLines)
        ui->List1->addItem(toText(line));
}

void RaceFormWindow::exportCsv()
{
    const QString name = toText(ReportTextFileName(m_model.currentHeader())) + QStringLiteral(".csv");
    ExportCsv(m_prompter, SaveFileRequest{QStringLiteral("Export to CSV"), m_model.folder + QLatin1Char('/'), name,
                                          QStringLiteral("CSV files (*.csv)")},
              m_table, FormTitle);
}

ReportOnScreen RaceFormWindow::onScreen() const
{
    ReportOnScreen shown;
    shown.flight = toBytes(ui->Combo1->currentText());
    shown.boxes.raceNum = toBytes(ui->lblRaceNum->text());
    for (const auto &[box, field] : textBoxes())
        shown.boxes.*field = toBytes(box->text());
    for (int i = 0; i < ui->List1->count(); ++i)
        shown.listLines.append(toBytes(ui->List1->item(i)->text()));
    return shown;
}

QList<std::pair<QLineEdit *, QByteArray HeaderBoxes::*>> RaceFormWindow::textBoxes() const
{
    return {{ui->txtRaceDate, &HeaderBoxes::raceDate},   {ui->txtLiberationPoint, &HeaderBoxes::liberationPoint},
            {ui->txtConcourse, &HeaderBoxes::concourse}, {ui->txtCombine, &HeaderBoxes::combine},
            {ui->txtClubNo, &HeaderBoxes::clubNo},       {ui->txtFlyerNo, &HeaderBoxes::flyerNo},
            {ui->txtLMDSN, &HeaderBoxes::lmdSerial},     {ui->txtClockStart, &HeaderBoxes::clockStart},
            {ui->txtClockStop, &HeaderBoxes::clockStop}, {ui->txtKnockOff, &HeaderBoxes::knockOff},
            {ui->txtDevAmount, &HeaderBoxes::devAmount}, {ui->txtDevLabel, &HeaderBoxes::devLabel}};
}

void RaceFormWindow::closeEvent(QCloseEvent *event)
{
    Q_EMIT closed();
    QWidget::closeEvent(event);
}
