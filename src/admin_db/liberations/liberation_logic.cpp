#include "admin_db/liberations/liberation_logic.h"

#include "admin_db/db/jet_error.h"
#include "admin_db/liberations/liberation_list_line.h"
#include "common/prompter.h"
#include "common/unexpected_error.h"

#include <algorithm>
#include <utility>

LiberationLogic::LiberationLogic(Database &db, Prompter &prompter) : m_store(db), m_prompter(prompter) {}

void LiberationLogic::load()
{
    m_mode = Mode::Browsing;
    fillOrteList();
}

void LiberationLogic::end()
{
    m_store.close();
    m_mode = Mode::Closed;
}

void LiberationLogic::fillOrteList()
{
    m_selectedRow = -1;
    try {
        m_races = m_store.races();
        m_listRead = true;
    } catch (const JetError &e) {
        m_races.clear();
        m_listRead = false;
        m_prompter.inform(e.description());
    }
}

void LiberationLogic::clickRow(int row)
{
    if (m_mode != Mode::Browsing || row < 0 || row >= m_races.size())
        return;
    m_selectedRow = -1;
    m_fields = {};
    try {
        const std::optional<LiberationRace> race = m_store.race(m_races.at(row).key);
        if (!race) {
            // Deleted behind the window's back: show what is stored now.
            fillOrteList();
            return;
        }
        m_fields = FieldsOf(*race);
        m_selectedRow = row;
    } catch (const JetError &e) {
        reportUnexpected(e);
    }
}

void LiberationLogic::addNew()
{
    if (m_mode != Mode::Browsing)
        return;
    m_fields = {};
    m_fields.type = QStringLiteral("1");
    m_mode = Mode::Adding;
    m_saveEnabled = false;
    m_focus = LiberationFocus::RaceNumber;
}

void LiberationLogic::edit()
{
    if (m_mode != Mode::Browsing || m_selectedRow < 0)
        return;
    m_mode = Mode::Editing;
    m_saveEnabled = false;
    m_focus = LiberationFocus::RaceNumber;
}

void LiberationLogic::save()
{
    if (adding())
        OrteAdd();
    else if (editing())
        OrteEdit();
}

void LiberationLogic::OrteAdd()
{
    if (!adding())
        return;
    storeChecked(QStringLiteral("All fields must contain data!"), [this](const LiberationRace &race) {
        if (m_store.count() >= MaxStoredRaces) {
            reportError(QStringLiteral("No more than %1 races can be stored.").arg(MaxStoredRaces));
            return false;
        }
        m_store.add(race);
        return true;
    });
}

void LiberationLogic::OrteEdit()
{
    if (!editing())
        return;
    storeChecked(QStringLiteral("All fields must be filled in!"), [this](const LiberationRace &race) {
        m_store.update(race);
        return true;
    });
}

void LiberationLogic::storeChecked(const QString &emptyMessage,
                                   const std::function<bool(const LiberationRace &)> &write)
{
    const LiberationRace typed = RaceOf(m_fields, 0);
    if (m_fields.number.isEmpty() || m_fields.month.isEmpty() || m_fields.day.isEmpty() || typed.name.isEmpty()
        || m_fields.type.isEmpty()) {
        reportError(emptyMessage);
        m_saveEnabled = false;
        return;
    }
    // A shortcut saves without leaving the field, so its check runs here too.
    if (!checkDatePart(RaceField::Month) || !checkDatePart(RaceField::Day))
        return;
    try {
        if (!write(RaceOf(m_fields, editing() ? m_races.at(m_selectedRow).key : 0)))
            return;
    } catch (const JetError &e) {
        reportUnexpected(e);
        return;
    }
    backToBrowsing();
}

void LiberationLogic::cancel()
{
    if (adding() || editing())
        backToBrowsing();
}

void LiberationLogic::backToBrowsing()
{
    m_mode = Mode::Browsing;
    m_fields = {};
    m_focus = LiberationFocus::AddNew;
    fillOrteList();
}

void LiberationLogic::deleteSelected()
{
    if (m_mode != Mode::Browsing || m_selectedRow < 0)
        return;
    const MsgAnswer answer = m_prompter.message(Message{QStringLiteral("Are you sure you wish to DELETE this record?"),
                                                        QStringLiteral("Delete Record"), MsgIcon::None,
                                                        MsgButtons::YesNo, 1, false});
    if (answer != MsgAnswer::Yes)
        return;
    try {
        m_store.remove(m_races.at(m_selectedRow).key);
    } catch (const JetError &e) {
        reportUnexpected(e);
        return;
    }
    m_fields = {};
    fillOrteList();
    if (!m_races.isEmpty()) {
        clickRow(0);
        m_focus = LiberationFocus::List;
    }
}

void LiberationLogic::fieldEdited(RaceField field, const QString &text)
{
    if (!adding() && !editing())
        return;
    fieldText(m_fields, field) = text;
    enableOrteSave();
}

void LiberationLogic::leaveMonth()
{
    if (!adding() && !editing())
        return;
    checkDatePart(RaceField::Month);
    enableOrteSave();
}

void LiberationLogic::leaveDay()
{
    if (!adding() && !editing())
        return;
    checkDatePart(RaceField::Day);
    enableOrteSave();
}

bool LiberationLogic::checkDatePart(RaceField field)
{
    const bool month = field == RaceField::Month;
    QString &text = fieldText(m_fields, field);
    const DatePartCheck check = CheckDatePart(text, month ? 12 : 31);
    text = check.text;
    if (!check.inRange) {
        m_prompter.inform(month ? QStringLiteral("Invalid data for month ") : QStringLiteral("Invalid data for day"));
        m_focus = month ? LiberationFocus::Month : LiberationFocus::Day;
    }
    return check.inRange;
}

void LiberationLogic::enableOrteSave()
{
    m_saveEnabled = !m_fields.number.isEmpty() && !m_fields.month.isEmpty() && !m_fields.day.isEmpty()
                 && !m_fields.name.isEmpty();
}

void LiberationLogic::reportError(const QString &text)
{
    m_prompter.message(Message{text, QStringLiteral("Error"), MsgIcon::Critical, MsgButtons::Ok, 0, false});
}

void LiberationLogic::reportUnexpected(const JetError &error)
{
    m_prompter.inform(UnexpectedErrorText(error.description(), error.number()));
}

LiberationView LiberationLogic::view() const
{
    LiberationView v;
    if (m_listRead) {
        for (const LiberationRace &race : m_races)
            v.lines.append(OrteListLine(race));
        if (v.lines.isEmpty())
            v.lines.append(NoRacesLine);
        v.countLine = OrteCountLine(m_races.size());
    }
    const bool anyNotVentaro = std::any_of(m_races.cbegin(), m_races.cend(), [](const LiberationRace &race) {
        return !IsVentaroRaceNumber(race.number);
    });
    if (anyNotVentaro)
        v.ventaroWarning = NotVentaroWarning;

    const bool browsing = m_mode == Mode::Browsing;
    const bool changing = adding() || editing();
    // The list stays still while a race is typed: a click would replace the fields.
    v.listEnabled = browsing && !m_races.isEmpty();
    v.selectedRow = m_selectedRow;
    v.fields = m_fields;
    v.fieldsEnabled = changing;
    v.addNewEnabled = browsing;
    v.editEnabled = browsing && m_selectedRow >= 0;
    v.deleteEnabled = v.editEnabled;
    v.saveEnabled = changing && m_saveEnabled;
    v.cancelEnabled = changing;
    v.endEnabled = !changing;
    v.sendEnabled = browsing;
    return v;
}

LiberationFocus LiberationLogic::takeFocus()
{
    return std::exchange(m_focus, LiberationFocus::None);
}
