#include "admin_db/liberations/liberation_window.h"

#include "common/widgets/data_window_widgets.h"
#include "common/widgets/field_behaviour.h"
#include "ui_liberation_window.h"

#include <QFontDatabase>
#include <QTimer>

namespace {

constexpr RaceField AllFields[] = {RaceField::Number, RaceField::Month, RaceField::Day, RaceField::Name,
                                   RaceField::Type};

} // namespace

LiberationWindow::LiberationWindow(Database &db, Prompter &prompter, LiberationLogic::SendToClock sendToClock,
                                   QWidget *parent)
    : DataWindowOf(parent, prompter, db, prompter, std::move(sendToClock)), ui(std::make_unique<Ui::frmLiberations>())
{
    ui->setupUi(this);
    ui->lstOrteList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (RaceField f : AllFields) {
        QLineEdit *edit = field(f);
        edit->setValidator(new CharacterValidator(f == RaceField::Name ? IsNameCharacter : IsDigit, this));
        SelectAllOnFocus(edit);
        connect(edit, &QLineEdit::textEdited, this, [this, f](const QString &text) {
            m_logic.fieldEdited(f, text);
            showState();
        });
    }
    ui->txtRaceDateMonth->installEventFilter(this);
    ui->txtRaceDateDay->installEventFilter(this);
    connectControls();
    m_logic.load();
    showState();
}

LiberationWindow::~LiberationWindow() = default;

void LiberationWindow::connectControls()
{
    connectButtons({{ui->cmdOrteAddNew, &LiberationLogic::addNew}, {ui->cmdOrteEdit, &LiberationLogic::edit},
                    {ui->cmdOrteDelete, &LiberationLogic::deleteSelected}, {ui->cmdOrteSave, &LiberationLogic::save},
                    {ui->cmdOrteCancel, &LiberationLogic::cancel}, {ui->cmdSendOrte, &LiberationLogic::sendOrte}},
                   ui->cmdOrteEnd);
    // A list taking the focus makes its first line current without choosing
    // it; only a line the user chose counts as a click.
    connect(ui->lstOrteList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = ui->lstOrteList->selectedItems();
        if (!chosen.isEmpty())
            run([this, row = ui->lstOrteList->row(chosen.constFirst())] { m_logic.clickRow(row); });
    });
}

bool LiberationWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_returningFocus && IsFocusLeft(event)) {
        if (watched == ui->txtRaceDateMonth)
            m_logic.leaveMonth();
        else
            m_logic.leaveDay();
        showState();
        // The focus is still on its way to the next control: send it back
        // afterwards, without that control counting as left.
        const LiberationFocus focus = m_logic.takeFocus();
        QTimer::singleShot(0, this, [this, focus] {
            m_returningFocus = true;
            showFocus(focus);
            m_returningFocus = false;
        });
    }
    return QWidget::eventFilter(watched, event);
}

void LiberationWindow::showState()
{
    const LiberationView v = m_logic.view();
    ShowListLines(ui->lstOrteList, v.lines, v.selectedRow, v.listEnabled);
    ui->lblOrteList->setText(v.countLine);
    ui->lblVentaro->setText(v.ventaroWarning);
    RaceFields shown = v.fields;
    for (RaceField f : AllFields) {
        ShowFieldText(field(f), fieldText(shown, f));
        field(f)->setEnabled(v.fieldsEnabled);
    }
    ui->cmdOrteAddNew->setEnabled(v.addNewEnabled);
    ui->cmdOrteEdit->setEnabled(v.editEnabled);
    ui->cmdOrteDelete->setEnabled(v.deleteEnabled);
    ui->cmdOrteSave->setEnabled(v.saveEnabled);
    ui->cmdOrteCancel->setEnabled(v.cancelEnabled);
    ui->cmdOrteEnd->setEnabled(v.endEnabled);
    ui->cmdSendOrte->setEnabled(v.sendEnabled);
}

void LiberationWindow::showFocus(LiberationFocus focus)
{
    switch (focus) {
    case LiberationFocus::None: return;
    case LiberationFocus::RaceNumber: ui->txtRaceNumber->setFocus(); return;
    case LiberationFocus::Month: ui->txtRaceDateMonth->setFocus(); return;
    case LiberationFocus::Day: ui->txtRaceDateDay->setFocus(); return;
    case LiberationFocus::List: ui->lstOrteList->setFocus(); return;
    case LiberationFocus::AddNew: ui->cmdOrteAddNew->setFocus(); return;
    }
}

QLineEdit *LiberationWindow::field(RaceField which) const
{
    switch (which) {
    case RaceField::Number: return ui->txtRaceNumber;
    case RaceField::Month: return ui->txtRaceDateMonth;
    case RaceField::Day: return ui->txtRaceDateDay;
    case RaceField::Name: return ui->txtRaceName;
    case RaceField::Type: return ui->txtRaceType;
    }
    return ui->txtRaceNumber;
}
