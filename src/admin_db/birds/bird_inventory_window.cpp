#include "admin_db/birds/bird_inventory_window.h"

#include "common/prompter.h"
#include "common/widgets/data_window_widgets.h"
#include "common/widgets/field_behaviour.h"
#include "ui_bird_inventory_window.h"

#include <QFontDatabase>
#include <algorithm>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

BirdInventoryWindow::BirdInventoryWindow(Database &db, Prompter &prompter, AdminSharedState &shared,
                                         const ClockIdentity &clock, std::function<QString()> nationalOrg,
                                         BirdTransfers &transfers, QWidget *parent)
    : DataWindowOf(parent, prompter, db, prompter, shared, clock, std::move(nationalOrg), transfers),
      ui(std::make_unique<Ui::frmBirdInventory>())
{
    ui->setupUi(this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->lstBIFlyerList, ui->lstPigeonList, ui->lblBirdIdHeading,
                                                       ui->lblElecHeading, ui->lblColorHeading})
        w->setFont(fixed);
    alignHeadings();
    setUpFields();
    connectControls();
    m_logic.load();
    showState();
    showFocus(m_logic.takeFocus());
}

BirdInventoryWindow::~BirdInventoryWindow() = default;

void BirdInventoryWindow::showOutcome()
{
    DataWindowOf::showOutcome();
    // The received flyer is chosen before the counts are told.
    if (const QString closing = m_logic.takeClosingMessage(); !closing.isEmpty())
        prompter().inform(closing);
    if (m_logic.takeCloseRequest())
        close();
}

void BirdInventoryWindow::FillBirdFlyerList()
{
    run([this] { m_logic.FillBirdFlyerList(); });
}

void BirdInventoryWindow::selectFlyer(const QString &name)
{
    run([this, name] { m_logic.selectFlyer(name); });
}

void BirdInventoryWindow::alignHeadings()
{
    // Over the list line's columns: the band from 2, the ring from 18, the
    // colour from 29.
    QListWidget *list = ui->lstPigeonList;
    const auto columns = [list](int n) { return list->fontMetrics().horizontalAdvance(QString(n, QLatin1Char('0'))); };
    const int inset = list->frameWidth() + list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    ui->lblBirdIdHeading->setIndent(inset + columns(1));
    ui->lblBirdIdHeading->setFixedWidth(inset + columns(17));
    ui->lblElecHeading->setFixedWidth(columns(28) - columns(17));
}

void BirdInventoryWindow::FillColorCombo()
{
    ui->cmbColor->clear();
    const QStringList colors = m_logic.colorNames();
    for (int index = 0; index < colors.size(); ++index)
        ui->cmbColor->addItem(colors.at(index), m_logic.colorCodeAt(index));
}

void BirdInventoryWindow::FillOrgCombo()
{
    // Its text comes with the logic's fields.
    ui->cmbOrg->clear();
    ui->cmbOrg->addItems(NatOrgCodes());
}

void BirdInventoryWindow::setUpFields()
{
    FillColorCombo();
    FillOrgCombo();
    ui->cmbOrg->lineEdit()->setMaxLength(2);
    ui->cmbOrg->lineEdit()->setValidator(new CharacterValidator(IsLatinLetter, this));
    ui->txtYear->setValidator(new CharacterValidator(IsDigit, this));
    ui->txtIdNumber->setValidator(new CharacterValidator(IsDigit, this));
    ui->txtClub->setValidator(new CharacterValidator(IsNameCharacter, this));
    for (QLineEdit *field : {ui->txtYear, ui->txtClub, ui->txtIdNumber}) {
        SelectAllOnFocus(field);
        field->installEventFilter(this);
    }
    ui->cmbOrg->installEventFilter(this);
}

void BirdInventoryWindow::connectControls()
{
    connectButtons({{ui->cmdBirdAddNew, &BirdInventory::addNew}, {ui->cmdBirdEdit, &BirdInventory::edit},
                    {ui->cmdBirdSave, &BirdInventory::save}, {ui->cmdBirdCancel, &BirdInventory::cancel},
                    {ui->cmdBirdDelete, &BirdInventory::deleteBirds}, {ui->cmdSendBirds, &BirdInventory::sendBirds},
                    {ui->cmdReceiveBirds, &BirdInventory::receiveBirds}, {ui->cmdExportCsv, &BirdInventory::exportBirds}},
                   ui->cmdBirdEnd);
    connect(ui->chkSendOnlySelectBirds, &QCheckBox::toggled, this,
            [this](bool checked) { m_logic.setOnlySelectedBirds(checked); });

    connect(ui->txtBISearch, &QLineEdit::textChanged, this,
            [this](const QString &text) { run([this, text] { m_logic.searchChanged(text); }); });
    connect(ui->lstBIFlyerList, &QListWidget::currentRowChanged, this,
            [this](int row) { run([this, row] { m_logic.flyerClicked(row); }); });
    connect(ui->lstPigeonList, &QListWidget::itemSelectionChanged, this, &BirdInventoryWindow::birdSelectionChanged);

    const std::pair<QLineEdit *, BandField> fields[] = {
        {ui->cmbOrg->lineEdit(), BandField::Org}, {ui->txtYear, BandField::Year},
        {ui->txtClub, BandField::Club}, {ui->txtIdNumber, BandField::IdNumber}};
    for (const auto &[field, which] : fields)
        connect(field, &QLineEdit::textEdited, this,
                [this, which = which](const QString &text) { run([=, this] { m_logic.fieldEdited(which, text); }); });
    connect(ui->cmbOrg, &QComboBox::textActivated, this,
            [this](const QString &text) { run([this, text] { m_logic.fieldEdited(BandField::Org, text); }); });
    connect(ui->cmbColor, &QComboBox::currentIndexChanged, this,
            [this](int index) { run([this, index] { m_logic.colorChosen(index); }); });
    connect(ui->optCock, &QRadioButton::toggled, this,
            [this](bool cock) { run([this, cock] { m_logic.sexChosen(cock); }); });
    connect(ui->txtClub, &QLineEdit::returnPressed, ui->txtIdNumber, qOverload<>(&QWidget::setFocus));
    connect(ui->txtIdNumber, &QLineEdit::returnPressed, ui->cmbColor, qOverload<>(&QWidget::setFocus));
}

void BirdInventoryWindow::birdSelectionChanged()
{
    const int row = ui->lstPigeonList->currentRow();
    const QList<int> selected = SelectedRows(ui->lstPigeonList);
    run([this, row, selected] { m_logic.birdClicked(row, selected); });
}

bool BirdInventoryWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == ui->txtYear) {
        // A full year field hands further digits over to the club field.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool digit = key->text().size() == 1 && IsDigit(key->text().at(0));
        if (digit && ui->txtYear->text().size() == 2 && ui->txtYear->selectedText().size() < 2) {
            ui->txtClub->setFocus();
            return true;
        }
    }
    if (IsFocusLeft(event))
        leave(watched);
    return QWidget::eventFilter(watched, event);
}

void BirdInventoryWindow::leave(QObject *field)
{
    if (field == ui->cmbOrg)
        m_logic.leaveOrg();
    else if (field == ui->txtYear)
        m_logic.leaveYear();
    else if (field == ui->txtClub)
        m_logic.leaveClub();
    else
        m_logic.leaveIdNumber();
    showState();
    // The focus is still on its way to the next control: send it back afterwards.
    const BirdFocus focus = m_logic.takeFocus();
    QTimer::singleShot(0, this, [this, focus] { showFocus(focus); });
}

void BirdInventoryWindow::showState()
{
    const BirdInventoryView v = m_logic.view();
    ShowListLines(ui->lstBIFlyerList, v.flyerLines, v.flyerRow, v.flyerListEnabled);
    ui->lblBIFlyerListCount->setText(v.flyerCountLine);
    showBirdList(v);
    showFields(v.fields, v.fieldsEnabled);
    ui->cmdBirdAddNew->setEnabled(v.addNewEnabled);
    ui->cmdBirdEdit->setEnabled(v.editEnabled);
    ui->cmdBirdSave->setEnabled(v.saveEnabled);
    ui->cmdBirdCancel->setEnabled(v.cancelEnabled);
    ui->cmdBirdDelete->setEnabled(v.deleteEnabled);
    ui->cmdBirdEnd->setEnabled(v.endEnabled);
    ui->cmdSendBirds->setEnabled(v.sendBirdsEnabled);
    ui->cmdReceiveBirds->setEnabled(v.receiveBirdsEnabled);
    ui->cmdExportCsv->setEnabled(v.exportEnabled);
}

void BirdInventoryWindow::showBirdList(const BirdInventoryView &v)
{
    QListWidget *list = ui->lstPigeonList;
    const QSignalBlocker quiet(list);
    ShowListLines(list, v.birdLines, v.birdListEnabled);
    // std::equal, not QList's ==: Qt 6.4 compares two empty lists with a
    // memcmp of null pointers, which the sanitizers report.
    const QList<int> shown = SelectedRows(list);
    if (shown.size() != v.selectedBirdRows.size()
        || !std::equal(shown.cbegin(), shown.cend(), v.selectedBirdRows.cbegin())) {
        list->clearSelection();
        for (int row : v.selectedBirdRows)
            list->item(row)->setSelected(true);
    }
    if (list->currentRow() != v.birdRow)
        list->setCurrentRow(v.birdRow, QItemSelectionModel::NoUpdate);
    ui->lblPigeonList->setText(v.birdCountLine);
}

void BirdInventoryWindow::showFields(const BirdFields &fields, bool enabled)
{
    const QSignalBlocker quietOrg(ui->cmbOrg);
    const QSignalBlocker quietColor(ui->cmbColor);
    const QSignalBlocker quietCock(ui->optCock);
    if (ui->cmbOrg->currentText() != fields.band.org)
        ui->cmbOrg->setEditText(fields.band.org);
    ShowFieldText(ui->txtYear, fields.band.year);
    ShowFieldText(ui->txtClub, fields.band.club);
    ShowFieldText(ui->txtIdNumber, fields.band.idNumber);
    ui->cmbColor->setCurrentIndex(fields.colorIndex);
    (fields.cock ? ui->optCock : ui->optHen)->setChecked(true);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->cmbOrg, ui->txtYear, ui->txtClub, ui->txtIdNumber,
                                                       ui->cmbColor, ui->optCock, ui->optHen})
        w->setEnabled(enabled);
}

void BirdInventoryWindow::showFocus(BirdFocus focus)
{
    switch (focus) {
    case BirdFocus::None: return;
    case BirdFocus::Org: ui->cmbOrg->setFocus(); return;
    case BirdFocus::Year: ui->txtYear->setFocus(); return;
    case BirdFocus::Club: ui->txtClub->setFocus(); return;
    case BirdFocus::Save: ui->cmdBirdSave->setFocus(); return;
    case BirdFocus::BirdList: ui->lstPigeonList->setFocus(); return;
    }
}
