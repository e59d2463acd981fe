#include "admin_db/liberations/liberation_logic.h"

#include "admin_db/editing/entry_messages.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/liberations/liberation_list_line.h"
#include "common/prompter.h"

#include <algorithm>

LiberationLogic::LiberationLogic(Database &db, Prompter &prompter, SendToClock sendToClock)
    : RecordEditor(LiberationFocus::RaceNumber), m_store(db), m_prompter(prompter),
      m_sendToClock(std::move(sendToClock))
{
}

void LiberationLogic::load()
{
    startBrowsing();
    fillOrteList();
}

void LiberationLogic::end()
{
    m_store.close();
    closeEditor();
}

void LiberationLogic::fillOrteList()
{
    readList(m_races, [this] { return m_store.races(); },
             [this](const JetError &e) { m_prompter.inform(e.description()); });
}

void LiberationLogic::clickRow(int row)
{
    if (!clickable(row, m_races.size()))
        return;
    forgetChoice();
    m_fields = {};
    try {
        const std::optional<LiberationRace> race = m_store.race(m_races.at(row).key);
        if (!race) {
            // Deleted behind the window's back: show what is stored now.
            fillOrteList();
            return;
        }
        m_fields = FieldsOf(*race);
        choose(row);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
    }
}

void LiberationLogic::addNew()
{
    if (!startAdding(LiberationFocus::RaceNumber))
        return;
    m_fields = {};
    m_fields.type = QStringLiteral("1");
    m_saveEnabled = false;
}

void LiberationLogic::edit()
{
    RecordEditor::edit();
    m_saveEnabled = false;
}

void LiberationLogic::OrteAdd()
{
    if (!adding())
        return;
    storeChecked(QStringLiteral("All fields must contain data!"), [this](const LiberationRace &race) {
        if (m_store.count() >= MaxStoredRaces) {
            ShowEntryError(m_prompter, QStringLiteral("No more than %1 races can be stored.").arg(MaxStoredRaces));
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
        ShowEntryError(m_prompter, emptyMessage);
        m_saveEnabled = false;
        return;
    }
    // A shortcut saves without leaving the field, so its check runs here too.
    if (!checkDatePart(RaceField::Month) || !checkDatePart(RaceField::Day))
        return;
    try {
        if (!write(RaceOf(m_fields, editing() ? m_races.at(selectedRow()).key : 0)))
            return;
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    backToBrowsing();
}

void LiberationLogic::cancel()
{
    if (changing())
        backToBrowsing();
}

void LiberationLogic::sendOrte()
{
    if (!browsing())
        return;
    QList<LiberationRace> races;
    try {
        races = m_store.races();
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_sendToClock(races);
    forgetChoice();
    backToBrowsing();
}

void LiberationLogic::backToBrowsing()
{
    stopChanging();
    m_fields = {};
    focus(LiberationFocus::AddNew);
    fillOrteList();
}

void LiberationLogic::deleteSelected()
{
    if (!browsing() || !chosen()
        || !ConfirmDelete(m_prompter, QStringLiteral("Are you sure you wish to DELETE this record?")))
        return;
    try {
        m_store.remove(m_races.at(selectedRow()).key);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_fields = {};
    fillOrteList();
    if (!m_races.isEmpty()) {
        clickRow(0);
        focus(LiberationFocus::List);
    }
}

void LiberationLogic::fieldEdited(RaceField field, const QString &text)
{
    if (!changing())
        return;
    fieldText(m_fields, field) = text;
    enableOrteSave();
}

void LiberationLogic::leaveMonth()
{
    if (!changing())
        return;
    checkDatePart(RaceField::Month);
    enableOrteSave();
}

void LiberationLogic::leaveDay()
{
    if (!changing())
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
        focus(month ? LiberationFocus::Month : LiberationFocus::Day);
    }
    return check.inRange;
}

void LiberationLogic::enableOrteSave()
{
    m_saveEnabled = !m_fields.number.isEmpty() && !m_fields.month.isEmpty() && !m_fields.day.isEmpty()
                 && !m_fields.name.isEmpty();
}

LiberationView LiberationLogic::view() const
{
    LiberationView v;
    if (listRead()) {
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

    const bool typing = changing();
    // The list stays still while a race is typed: a click would replace the fields.
    v.listEnabled = browsing() && !m_races.isEmpty();
    v.selectedRow = selectedRow();
    v.fields = m_fields;
    v.fieldsEnabled = typing;
    v.addNewEnabled = browsing();
    v.editEnabled = browsing() && chosen();
    v.deleteEnabled = v.editEnabled;
    v.saveEnabled = typing && m_saveEnabled;
    v.cancelEnabled = typing;
    v.endEnabled = !typing;
    v.sendEnabled = browsing();
    return v;
}

