#include "admin_db/flyers/flyer_logic.h"

#include "admin_db/birds/received_birds.h"
#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/clean_text.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/clubs/club_list_line.h"
#include "admin_db/db/database.h"
#include "admin_db/db/database_error_report.h"
#include "admin_db/db/jet_error.h"
#include "common/text_helpers.h"
#include "common/folders.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"

#include <QFileInfo>
#include <utility>

FlyerLogic::FlyerLogic(Database &db, Prompter &prompter, AdminSharedState &shared,
                       std::function<BirdWindowAccess *()> birdWindow)
    : RecordEditor(FlyerFocus::Name)
    , m_db(db)
    , m_store(db)
    , m_clubStore(db, FlyerWindowName)
    , m_prompter(prompter)
    , m_shared(shared)
    , m_birdWindow(std::move(birdWindow))
{
}

void FlyerLogic::load()
{
    startBrowsing();
    FillClubCombo();
    // One message is enough when the file cannot be read at all.
    if (m_clubsRead)
        FillFlyerList();
}

void FlyerLogic::end()
{
    m_store.close();
    m_clubStore.close();
    closeEditor();
    // Closed with its close box while the received flyer was being entered:
    // said as when Cancel gives him up.
    dropReceivedBirds();
}

void FlyerLogic::dropReceivedBirds()
{
    if (!m_shared.receiveMode)
        return;
    m_shared.receiveMode = false;
    m_shared.receivedRecords.clear();
    m_prompter.inform(QStringLiteral("The birds read from the clock were not stored."));
}

void FlyerLogic::FillClubCombo()
{
    try {
        m_clubs = m_clubStore.clubs(QString());
        m_clubsRead = true;
    } catch (const JetError &e) {
        m_clubs.clear();
        m_clubsRead = false;
        ShowUnexpectedError(m_prompter, e);
    }
    m_clubIndex = 0;
}

void FlyerLogic::FillFlyerList()
{
    if (readList(m_flyers, m_prompter, [this] { return m_store.flyers(search()); }) && m_flyers.size() == 1)
        clickRow(0);
}

void FlyerLogic::clickRow(int row)
{
    if (!clickable(row, m_flyers.size()))
        return;
    try {
        // By his number: an older file may hold two flyers of one name.
        const std::optional<Flyer> flyer = m_store.flyer(m_flyers.at(row).key);
        if (!flyer) {
            FillFlyerList();
            return;
        }
        FillClubCombo();
        qsizetype index = -1;
        for (qsizetype i = 0; i < m_clubs.size() && index < 0; ++i) {
            if (m_clubs.at(i).key == flyer->clubId)
                index = i;
        }
        if (index < 0) {
            // His club is gone: he joins the first club, which the box shows.
            if (!m_clubs.isEmpty())
                m_store.moveToClub(flyer->key, m_clubs.constFirst().key);
            index = 0;
        }
        m_clubIndex = int(index);
        m_fields = flyer->fields;
        m_flyers[row].name = flyer->fields.name;
        choose(row);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
    }
}

void FlyerLogic::addNew()
{
    if (!startAdding(FlyerFocus::Name))
        return;
    m_fields = {};
    FillClubCombo();
}

void FlyerLogic::enterReceivedFlyer(const QString &name)
{
    if (changing()) {
        // What the user is typing is not thrown away unasked.
        const MsgAnswer discard = m_prompter.message(
            Message{QStringLiteral("The flyer being entered has not been saved.") + CRLF
                        + QStringLiteral("Discard it and enter ") + name + QStringLiteral(", read from the clock?"),
                    {}, MsgIcon::Question, MsgButtons::YesNo, 1, false});
        if (discard != MsgAnswer::Yes) {
            m_shared.receivedRecords.clear();
            m_prompter.inform(QStringLiteral("The birds read from the clock were not stored."));
            return;
        }
        cancel();
    }
    addNew();
    m_shared.receiveMode = true;
    m_fields.name = name;
}

qint64 FlyerLogic::chosenClub() const
{
    if (m_clubs.isEmpty())
        return 0;
    return m_clubs.value(m_clubIndex, m_clubs.constFirst()).key;
}

std::optional<Flyer> FlyerLogic::checkedFlyer(qint64 key)
{
    if (m_clubIndex < 0)
        m_clubIndex = 0;
    // A name of quotes and bars only would be stored empty.
    QString typed = m_fields.name;
    const QString name = CleanText(typed);
    if (name.isEmpty()) {
        ShowEntryError(m_prompter, MustEnterName);
        focus(FlyerFocus::Name);
        return std::nullopt;
    }
    m_fields.name = name;
    // Sending, receiving and the reports find a flyer by his name: it must
    // be his alone, for a renamed flyer too.
    if (m_store.nameTaken(name, key)) {
        m_prompter.inform(name + QStringLiteral(" already exists, please choose another."));
        m_fields.name.clear();
        focus(FlyerFocus::Name);
        return std::nullopt;
    }
    return Flyer{key, chosenClub(), m_fields};
}

void FlyerLogic::add()
{
    if (!adding())
        return;
    std::optional<Flyer> flyer;
    try {
        flyer = checkedFlyer(0);
        if (!flyer)
            return;
        flyer->key = m_store.add(*flyer);
    } catch (const JetError &e) {
        reportAddFailure(e);
        return;
    }
    if (m_shared.receiveMode && storeReceivedBirds(*flyer))
        return;
    showWholeList(flyer->key);
}

void FlyerLogic::reportAddFailure(const JetError &error)
{
    if (error.number() != JetCode::FileNotFound) {
        ShowUnexpectedError(m_prompter, error);
        return;
    }
    const QString folder = QFileInfo(m_db.path()).absolutePath() + QLatin1Char('/');
    ReportDatabaseError(m_prompter, error.number(), Folders::native(folder));
}

bool FlyerLogic::storeReceivedBirds(const Flyer &flyer)
{
    m_shared.receiveMode = false;
    std::optional<MergeCounts> merged;
    try {
        merged = InsertNewData(m_db, m_shared, flyer.key);
    } catch (const JetError &e) {
        m_prompter.inform(QStringLiteral("The birds read from the clock were not stored: ") + e.description());
        return false;
    }
    if (!merged) {
        m_prompter.inform(QStringLiteral("The birds read from the clock were not stored: the flyer is no longer in "
                                         "the database."));
        return false;
    }
    m_shared.receivedRecords.clear();
    TellDuplicateRings(m_prompter, *merged);
    const QString name = flyer.fields.name;
    m_fields = {};
    stopChanging();
    m_closeRequested = true;
    // The bird window shows him before the counts are told.
    if (BirdWindowAccess *birds = m_birdWindow ? m_birdWindow() : nullptr) {
        birds->FillBirdFlyerList();
        birds->selectFlyer(name);
    }
    m_prompter.inform(QStringLiteral("Data successfully retrieved for ") + name + QLatin1Char('.') + CRLF + CRLF
                      + QStringLiteral("Birds Updated = ") + toText(SignedNumberText(merged->updated)) + CRLF
                      + QStringLiteral("Birds Added = ") + toText(SignedNumberText(merged->added))
                      + m_shared.receivedNotes);
    return true;
}

void FlyerLogic::edit_entry()
{
    if (!editing())
        return;
    const qint64 key = m_flyers.at(selectedRow()).key;
    try {
        const std::optional<Flyer> flyer = checkedFlyer(key);
        if (!flyer)
            return;
        m_store.update(*flyer);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    showWholeList(key);
}

void FlyerLogic::showWholeList(std::optional<qint64> key)
{
    m_fields = {};
    clearSearch();
    stopChanging();
    FillFlyerList();
    if (!key)
        return;
    // The flyer's own line: after a search his line number is another one.
    for (qsizetype row = 0; row < m_flyers.size(); ++row) {
        if (m_flyers.at(row).key == *key) {
            clickRow(int(row));
            focus(FlyerFocus::List);
            return;
        }
    }
}

void FlyerLogic::cancel()
{
    if (!changing())
        return;
    // Entering the received flyer was given up: a later add must not take
    // his birds.
    dropReceivedBirds();
    showListAgain();
}

bool FlyerLogic::receiving() const
{
    return m_shared.receiveMode;
}

void FlyerLogic::showDatabaseChanges()
{
    if (!changing())
        showListAgain();
}

void FlyerLogic::showListAgain()
{
    const std::optional<qint64> shown =
        chosen() ? std::optional<qint64>(m_flyers.at(selectedRow()).key) : std::nullopt;
    showWholeList(shown);
}

void FlyerLogic::deleteSelected()
{
    if (!browsing() || !chosen()
        || !ConfirmDelete(m_prompter,
                          QStringLiteral("Are you sure you wish to DELETE this flyer and all of their inventory?")))
        return;
    try {
        m_store.removeWithBirds(m_flyers.at(selectedRow()).key);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_clubIndex = -1;
    showWholeList(std::nullopt);
    if (!m_flyers.isEmpty()) {
        clickRow(0);
        focus(FlyerFocus::List);
    }
}

void FlyerLogic::listSearched()
{
    m_clubIndex = -1;
    m_fields = {};
    FillFlyerList();
}

void FlyerLogic::fieldEdited(FlyerField field, const QString &text)
{
    if (changing() && FitsFlyerField(field, text))
        flyerFieldText(m_fields, field) = text;
}

void FlyerLogic::clubChosen(int index)
{
    if (changing() && index >= 0 && index < m_clubs.size())
        m_clubIndex = index;
}

FlyerView FlyerLogic::view() const
{
    QStringList lines;
    for (const FlyerLine &line : m_flyers)
        lines.append(line.name);
    const bool typing = changing();
    FlyerView v;
    static_cast<ListWindowView &>(v) =
        ListWindowViewOf(*this, lines, QStringLiteral("No flyers to Show"), QStringLiteral("Flyers Listed"));
    v.clubLabel = typing ? QStringLiteral("Choose Club") : QStringLiteral("Club");
    if (m_clubsRead) {
        for (const Club &club : m_clubs)
            v.clubItems.append(ClubComboItem(club));
        if (v.clubItems.isEmpty())
            v.clubItems.append(NoClubsComboItem);
    }
    v.clubIndex = m_clubIndex < v.clubItems.size() ? m_clubIndex : -1;
    v.clubEnabled = typing && !m_clubs.isEmpty();
    v.fields = m_fields;
    v.fieldsEnabled = typing;
    return v;
}


bool FlyerLogic::takeCloseRequest()
{
    return std::exchange(m_closeRequested, false);
}
