#include "admin_db/flyers/flyer_window.h"

#include "admin_db/editing/list_window_controls.h"
#include "common/widgets/data_window_widgets.h"
#include "common/widgets/field_behaviour.h"
#include "ui_flyer_window.h"

#include <QFontDatabase>

FlyerWindow::FlyerWindow(Database &db, Prompter &prompter, AdminSharedState &shared,
                         std::function<BirdWindowAccess *()> birdWindow, QWidget *parent)
    : DataWindowOf(parent, prompter, db, prompter, shared, std::move(birdWindow)), ui(std::make_unique<Ui::frmFlyerList>())
{
    ui->setupUi(this);
    ui->lstFlyerList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setUpFields();
    SelectAllOnFocus(ui->txtSearch);
    ui->txtSearch->installEventFilter(this);
    connectControls();
    run([this] { m_logic.load(); });
}

FlyerWindow::~FlyerWindow() = default;

void FlyerWindow::setUpFields()
{
    for (FlyerField f : AllFlyerFields) {
        QLineEdit *edit = field(f);
        edit->setValidator(new CharacterValidator(FlyerFieldRule(f), this));
        edit->setMaxLength(FlyerFieldLimit(f));
        SelectAllOnFocus(edit);
        connect(edit, &QLineEdit::textEdited, this,
                [this, f](const QString &text) { run([this, f, text] { m_logic.fieldEdited(f, text); }); });
    }
}

void FlyerWindow::connectControls()
{
    connectButtons({{ui->cmdFlyerAddNew, &FlyerLogic::addNew}, {ui->cmdFlyerEdit, &FlyerLogic::edit},
                    {ui->cmdFlyerErase, &FlyerLogic::deleteSelected}, {ui->cmdFlyerSave, &FlyerLogic::save},
                    {ui->cmdFlyerCancel, &FlyerLogic::cancel}},
                   ui->cmdFlyerEnd);
    connect(ui->lstFlyerList, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = ChosenRow(ui->lstFlyerList);
        if (row >= 0)
            run([this, row] { m_logic.clickRow(row); });
    });
    connect(ui->txtSearch, &QLineEdit::textEdited, this,
            [this](const QString &text) { run([this, text] { m_logic.searchEdited(text); }); });
    connect(ui->cboClubList, &QComboBox::activated, this,
            [this](int index) { run([this, index] { m_logic.clubChosen(index); }); });
}

void FlyerWindow::enterReceivedFlyer(const QString &name)
{
    run([this, name] { m_logic.enterReceivedFlyer(name); });
}

void FlyerWindow::showOutcome()
{
    DataWindowOf::showOutcome();
    if (m_logic.takeCloseRequest())
        close();
}

bool FlyerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->txtSearch && IsFocusEntered(event))
        run([this] { m_logic.searchEntered(); });
    return QWidget::eventFilter(watched, event);
}

void FlyerWindow::showState()
{
    const FlyerView v = m_logic.view();
    ShowListWindow({ui->lstFlyerList, ui->lblflyerlistCount, ui->txtSearch, ui->cmdFlyerAddNew, ui->cmdFlyerEdit,
                    ui->cmdFlyerErase, ui->cmdFlyerSave, ui->cmdFlyerCancel, ui->cmdFlyerEnd},
                   v);
    ui->Label1->setText(v.clubLabel);
    ShowComboItems(ui->cboClubList, v.clubItems, v.clubIndex, v.clubEnabled);
    FlyerFields shown = v.fields;
    for (FlyerField f : AllFlyerFields) {
        ShowFieldText(field(f), flyerFieldText(shown, f));
        field(f)->setEnabled(v.fieldsEnabled);
    }
}

void FlyerWindow::showFocus(FlyerFocus focus)
{
    switch (focus) {
    case FlyerFocus::None: return;
    case FlyerFocus::Name: ui->txtFlyerName->setFocus(); return;
    case FlyerFocus::List: ui->lstFlyerList->setFocus(); return;
    }
}

QLineEdit *FlyerWindow::field(FlyerField which) const
{
    switch (which) {
    case FlyerField::Name: return ui->txtFlyerName;
    case FlyerField::Address: return ui->txtFlyerAddress;
    case FlyerField::City: return ui->txtFlyerCity;
    case FlyerField::Phone: return ui->txtFlyerPhone;
    case FlyerField::Email: return ui->txtFlyerEmail;
    case FlyerField::Longitude: return ui->txtFlyerLongitude;
    case FlyerField::Latitude: return ui->txtFlyerLatitude;
    }
    return ui->txtFlyerName;
}
