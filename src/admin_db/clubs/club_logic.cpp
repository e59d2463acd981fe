#include "admin_db/clubs/club_logic.h"

#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/clean_text.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/clubs/club_list_line.h"
#include "common/character_rules.h"
#include "admin_db/db/jet_error.h"
#include "common/prompter.h"


ClubLogic::ClubLogic(Database &db, Prompter &prompter, AdminSharedState &shared)
    : RecordEditor(ClubFocus::Name), m_store(db, ClubWindowName), m_prompter(prompter), m_shared(shared)
{
}

void ClubLogic::load()
{
    startBrowsing();
    clublistrecords();
    if (m_shared.noClubs) {
        m_prompter.inform(QStringLiteral("There must be at least one club entry."));
        addNew();
    }
}

void ClubLogic::end()
{
    m_store.close();
    closeEditor();
}

qint64 ClubLogic::ClubCountRecords()
{
    return m_store.count(search());
}

void ClubLogic::clublistrecords()
{
    const bool read = readList(m_clubs, m_prompter, [this] {
        return ClubCountRecords() == 0 ? QList<Club>() : m_store.clubs(search());
    });
    if (read && m_clubs.size() == 1)
        clickRow(0);
}

void ClubLogic::clickRow(int row)
{
    if (!clickable(row, m_clubs.size()))
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
    choose(row);
    m_number = ClubNumberText(club->key);
    m_name = club->name;
}

void ClubLogic::addNew()
{
    if (!startAdding(ClubFocus::Name))
        return;
    m_number.clear();
    m_name.clear();
}

QString ClubLogic::checkedName()
{
    // A name of quotes and bars only would be stored empty.
    QString typed = m_name;
    const QString name = CleanText(typed);
    if (name.isEmpty()) {
        ShowEntryError(m_prompter, MustEnterName);
        focus(ClubFocus::Name);
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
        m_store.rename(m_clubs.at(selectedRow()).key, name);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    clearSearch();
    stored();
}

void ClubLogic::stored()
{
    m_number.clear();
    m_name.clear();
    stopChanging();
    clublistrecords();
    clickRow(0);
    if (chosen())
        focus(ClubFocus::List);
}

void ClubLogic::cancel()
{
    if (!changing())
        return;
    const int remembered = selectedRow();
    m_number.clear();
    m_name.clear();
    stopChanging();
    if (m_clubs.isEmpty())
        return;
    clublistrecords();
    clickRow(remembered);
    focus(ClubFocus::List);
}

void ClubLogic::listSearched()
{
    m_number.clear();
    m_name.clear();
    clublistrecords();
}

void ClubLogic::nameEdited(const QString &text)
{
    if (changing() && FitsNameField(text, ClubNameLimit))
        m_name = text;
}

ClubView ClubLogic::view() const
{
    QStringList lines;
    for (const Club &club : m_clubs)
        lines.append(ClubListLine(club));
    const bool typing = changing();
    ClubView v;
    static_cast<ListWindowView &>(v) =
        ListWindowViewOf(*this, lines, NoClubsLine, QStringLiteral("Clubs Listed"));
    v.deleteEnabled = false;
    v.number = m_number;
    v.name = m_name;
    v.nameEnabled = typing;
    return v;
}

