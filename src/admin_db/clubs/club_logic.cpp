#include "admin_db/clubs/club_logic.h"

#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/clean_text.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/clubs/club_list_line.h"
#include "admin_db/records/name_rule.h"
#include "admin_db/db/jet_error.h"
#include "common/prompter.h"


ClubLogic::ClubLogic(Database &db, Prompter &prompter, AdminSharedState &shared)
    : m_store(db, ClubWindowName), m_prompter(prompter), m_shared(shared)
{
}

void ClubLogic::load()
{
    m_editor.open();
    clublistrecords();
    if (m_shared.noClubs) {
        m_prompter.inform(QStringLiteral("There must be at least one club entry."));
        addNew();
    }
}

void ClubLogic::end()
{
    m_store.close();
    m_editor.close();
}

qint64 ClubLogic::ClubCountRecords()
{
    return m_store.count(m_search);
}

void ClubLogic::clublistrecords()
{
    const bool read = m_editor.readList(m_clubs, m_prompter, [this] {
        return ClubCountRecords() == 0 ? QList<Club>() : m_store.clubs(m_search);
    });
    if (read && m_clubs.size() == 1)
        clickRow(0);
}

void ClubLogic::clickRow(int row)
{
    if (!m_editor.clickable(row, m_clubs.size()))
        return;
    // By its number: two clubs may show the same name.
    std::optional<Club> club;
    try {
        club = m_store.club(m_clubs.at(row).key);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    if (!club) {
        clublistrecords();
        return;
    }
    m_clubs[row] = *club;
    m_editor.choose(row);
    m_number = ClubNumberText(club->key);
    m_name = club->name;
}

void ClubLogic::addNew()
{
    if (!m_editor.startAdding(ClubFocus::Name))
        return;
    m_number.clear();
    m_name.clear();
}

void ClubLogic::edit()
{
    m_editor.startEditing(ClubFocus::Name);
}

void ClubLogic::save()
{
    if (adding())
        clubadd();
    else if (editing())
        clubedit();
}

QString ClubLogic::checkedName()
{
    // A name of quotes and bars only would be stored empty.
    QString typed = m_name;
    const QString name = CleanText(typed);
    if (name.isEmpty()) {
        ShowEntryError(m_prompter, MustEnterName);
        m_editor.focus(ClubFocus::Name);
        return {};
    }
    m_name = name;
    return name;
}

void ClubLogic::clubadd()
{
    if (!adding())
        return;
    const QString name = checkedName();
    if (name.isEmpty())
        return;
    try {
        m_store.add(name);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_shared.noClubs = false;
    stored();
}

void ClubLogic::clubedit()
{
    if (!editing())
        return;
    const QString name = checkedName();
    if (name.isEmpty())
        return;
    try {
        m_store.rename(m_clubs.at(m_editor.selectedRow()).key, name);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_search.clear();
    stored();
}

void ClubLogic::stored()
{
    m_number.clear();
    m_name.clear();
    m_editor.stopChanging();
    clublistrecords();
    clickRow(0);
    if (m_editor.chosen())
        m_editor.focus(ClubFocus::List);
}

void ClubLogic::cancel()
{
    if (!m_editor.changing())
        return;
    const int remembered = m_editor.selectedRow();
    m_number.clear();
    m_name.clear();
    m_editor.stopChanging();
    if (m_clubs.isEmpty())
        return;
    clublistrecords();
    clickRow(remembered);
    m_editor.focus(ClubFocus::List);
}

void ClubLogic::searchEdited(const QString &text)
{
    if (!m_editor.browsing())
        return;
    m_search = text;
    searchEntered();
}

void ClubLogic::searchEntered()
{
    if (!m_editor.browsing())
        return;
    m_number.clear();
    m_name.clear();
    clublistrecords();
}

void ClubLogic::nameEdited(const QString &text)
{
    if (m_editor.changing() && FitsNameField(text, ClubNameLimit))
        m_name = text;
}

ClubView ClubLogic::view() const
{
    QStringList lines;
    for (const Club &club : m_clubs)
        lines.append(ClubListLine(club));
    const bool changing = m_editor.changing();
    ClubView v;
    static_cast<ListWindowView &>(v) =
        ListWindowViewOf(m_editor, lines, m_search, NoClubsLine, QStringLiteral("Clubs Listed"));
    v.deleteEnabled = false;
    v.number = m_number;
    v.name = m_name;
    v.nameEnabled = changing;
    return v;
}

ClubFocus ClubLogic::takeFocus()
{
    return m_editor.takeFocus();
}
