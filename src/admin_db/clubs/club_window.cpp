#include "admin_db/clubs/club_window.h"

#include "admin_db/editing/list_window_controls.h"
#include "common/widgets/data_window_widgets.h"
#include "common/widgets/field_behaviour.h"
#include "ui_club_window.h"

#include <QFontDatabase>

ClubWindow::ClubWindow(Database &db, Prompter &prompter, AdminSharedState &shared, QWidget *parent)
    : DataWindowOf(parent, prompter, db, prompter, shared), ui(std::make_unique<Ui::frmClubData>())
{
    ui->setupUi(this);
    ui->lstClubList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui->txtClubName->setValidator(new CharacterValidator(IsNameCharacter, this));
    for (QLineEdit *field : {ui->txtClubSearch, ui->txtClubName})
        SelectAllOnFocus(field);
    ui->txtClubSearch->installEventFilter(this);
    connectControls();
    run([this] { m_logic.load(); });
}

ClubWindow::~ClubWindow() = default;

void ClubWindow::connectControls()
{
    connectButtons({{ui->cmdClubAddNew, &ClubLogic::addNew}, {ui->cmdClubEdit, &ClubLogic::edit},
                    {ui->cmdClubSave, &ClubLogic::save}, {ui->cmdClubCancel, &ClubLogic::cancel}},
                   ui->cmdClubEnd);
    connect(ui->lstClubList, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = ChosenRow(ui->lstClubList);
        if (row >= 0)
            run([this, row] { m_logic.clickRow(row); });
    });
    connect(ui->txtClubSearch, &QLineEdit::textEdited, this,
            [this](const QString &text) { run([this, text] { m_logic.searchEdited(text); }); });
    connect(ui->txtClubName, &QLineEdit::textEdited, this,
            [this](const QString &text) { run([this, text] { m_logic.nameEdited(text); }); });
}

bool ClubWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->txtClubSearch && IsFocusEntered(event))
        run([this] { m_logic.searchEntered(); });
    return QWidget::eventFilter(watched, event);
}

void ClubWindow::showState()
{
    const ClubView v = m_logic.view();
    ShowListWindow({ui->lstClubList, ui->lblClubList, ui->txtClubSearch, ui->cmdClubAddNew, ui->cmdClubEdit,
                    ui->cmdClubDelete, ui->cmdClubSave, ui->cmdClubCancel, ui->cmdClubEnd},
                   v);
    ShowFieldText(ui->txtClubID, v.number);
    ShowFieldText(ui->txtClubName, v.name);
    ui->txtClubName->setEnabled(v.nameEnabled);
}

void ClubWindow::showFocus(ClubFocus focus)
{
    switch (focus) {
    case ClubFocus::None: return;
    case ClubFocus::Name: ui->txtClubName->setFocus(); return;
    case ClubFocus::List: ui->lstClubList->setFocus(); return;
    }
}
