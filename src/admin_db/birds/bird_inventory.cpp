#include "admin_db/birds/bird_inventory.h"

#include "admin_db/records/clean_text.h"
#include "admin_db/db/jet_error.h"
#include "clock/clock_identity.h"
#include "common/csv.h"
#include "common/text_helpers.h"
#include "common/latin1.h"
#include "common/prompter.h"
#include "admin_db/editing/entry_messages.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <utility>

namespace {

constexpr int OtherColorCode = 32;

QString counted(qsizetype count, const char *what)
{
    return toText(SignedNumberText(count)) + QLatin1String(what);
}

} // namespace

BirdInventory::BirdInventory(Database &db, Prompter &prompter, AdminSharedState &shared, const ClockIdentity &clock,
                             std::function<QString()> nationalOrg, BirdTransfers &transfers)
    : RecordEditor(BirdFocus::Org), m_db(db), m_store(db), m_prompter(prompter), m_shared(shared), m_clock(clock),
      m_nationalOrg(std::move(nationalOrg)), m_transfers(transfers)
{
    startBrowsing();
}

void BirdInventory::load()
{
    m_fields = BirdFields{};
    m_fields.band.org = m_nationalOrg();
    try {
        m_store.open();
    } catch (const JetError &e) {
        // The lists stay empty; the next search tries again.
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    FillBirdFlyerList();
}

void BirdInventory::end()
{
    m_store.close();
}

QStringList BirdInventory::colorNames() const
{
    const BirdColors &colors = m_db.colors();
    QStringList names;
    for (int pos = 0; pos <= colors.ColorLast; ++pos)
        names.append(colors.ColorTable[colors.ColorOrder[pos]].name);
    return names;
}

int BirdInventory::colorCodeAt(int index) const
{
    return m_db.colors().ColorOrder.at(index);
}

void BirdInventory::searchChanged(const QString &text)
{
    m_search = text;
    FillBirdFlyerList();
}

void BirdInventory::FillBirdFlyerList()
{
    QList<FlyerEntry> flyers;
    try {
        flyers = m_store.flyers(m_search);
    } catch (const JetError &e) {
        m_prompter.inform(e.description());
        return;
    }
    m_flyers = flyers;
    if (!m_flyers.isEmpty()) {
        flyerClicked(0);
        return;
    }
    stopChanging();
    m_flyerRow = -1;
    m_birds.clear();
    m_birdLines.clear();
    forgetChoice();
    m_selectedRows.clear();
    emptyBandFields();
}

void BirdInventory::flyerClicked(int row)
{
    if (row < 0 || row >= m_flyers.size())
        return;
    m_flyerRow = row;
    showFlyerBirds();
}

bool BirdInventory::selectFlyer(const QString &name)
{
    const QString wanted = name.trimmed();
    for (int row = 0; row < m_flyers.size(); ++row) {
        if (m_flyers.at(row).name.trimmed() == wanted) {
            flyerClicked(row);
            return true;
        }
    }
    return false;
}

void BirdInventory::showFlyerBirds()
{
    stopChanging();
    forgetChoice();
    m_selectedRows.clear();
    emptyBandFields();
    m_birds.clear();
    m_birdLines.clear();
    try {
        m_birds = m_store.birdsOf(m_flyers.at(m_flyerRow).id);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    m_birdLines.reserve(m_birds.size());
    for (const BirdRecord &bird : std::as_const(m_birds))
        m_birdLines.append(BirdListLine(bird, m_db.colors()));
}

void BirdInventory::exportBirds()
{
    if (m_flyerRow < 0 || m_birds.isEmpty())
        return;
    const QString flyer = m_flyers.at(m_flyerRow).name.trimmed();
    QList<QStringList> rows = {QStringList{QStringLiteral("Flyer Name")} + BirdTableHeadings()};
    for (const BirdRecord &bird : std::as_const(m_birds))
        rows.append(QStringList{flyer} + BirdTableRow(bird, m_db.colors()));
    // A name may hold what no file name can.
    QString fileName = flyer;
    static const QRegularExpression unsafe(QStringLiteral("[^\\w -]"), QRegularExpression::UseUnicodePropertiesOption);
    fileName.replace(unsafe, QStringLiteral("_"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/');
    ExportCsv(m_prompter,
              SaveFileRequest{QStringLiteral("Export to CSV"), folder, fileName + QStringLiteral(" birds.csv"),
                              QStringLiteral("CSV files (*.csv)")},
              rows, {});
}

void BirdInventory::birdClicked(int row, const QList<int> &selectedRows)
{
    if (row < 0 || row >= m_birds.size())
        return;
    std::optional<BirdRecord> stored;
    try {
        stored = m_store.bird(m_birds.at(row).key);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return;
    }
    if (!stored) {
        // Deleted meanwhile, by another window.
        showFlyerBirds();
        return;
    }
    m_birds[row] = *stored;
    m_birdLines[row] = BirdListLine(*stored, m_db.colors());
    showBird(row);
    m_selectedRows.clear();
    for (int selected : selectedRows) {
        if (selected >= 0 && selected < m_birds.size())
            m_selectedRows.append(selected);
    }
}

void BirdInventory::showBird(int row)
{
    const BirdRecord &bird = m_birds.at(row);
    stopChanging();
    choose(row);
    m_selectedRows = {row};
    m_fields.band = {toText(bird.natOrg), toText(bird.hatchYr), toText(bird.clubletters), toText(bird.bnumber)};
    m_fields.colorIndex = colorIndexOf(bird.color);
    m_fields.cock = bird.sex.toUpper() == "C";
}

void BirdInventory::showStoredBird(qint64 key)
{
    showFlyerBirds();
    const int row = rowOf(key);
    if (row >= 0) {
        showBird(row);
        focus(BirdFocus::BirdList);
    }
}

int BirdInventory::rowOf(qint64 key) const
{
    for (int row = 0; row < m_birds.size(); ++row) {
        if (m_birds.at(row).key == key)
            return row;
    }
    return -1;
}

int BirdInventory::colorIndexOf(const QByteArray &color) const
{
    const std::optional<int> code = ColorCodeOf(color);
    if (!code)
        return -1;
    const BirdColors &colors = m_db.colors();
    // Codes below the first colour are list positions, as older data has them.
    if (*code < OtherColorCode)
        return *code <= colors.ColorLast ? *code : -1;
    for (int pos = 0; pos <= colors.ColorLast; ++pos) {
        if (colors.ColorOrder[pos] == *code)
            return pos;
    }
    // Shown empty rather than as the colour of the bird shown before, which
    // an edit would then store.
    return -1;
}

void BirdInventory::emptyBandFields()
{
    m_fields.band = {};
    m_fields.colorIndex = -1;
}

bool BirdInventory::fieldsFilled() const
{
    return !m_fields.band.anyEmpty() && m_fields.colorIndex >= 0;
}

void BirdInventory::addNew()
{
    if (!browsing() || m_flyerRow < 0)
        return;
    BandFields &band = m_fields.band;
    BirdFocus focus = BirdFocus::None;
    if (chosen()) {
        // The next band of the bird shown, so that a run of bands is entered
        // by confirming.
        const qint64 next = qint64(LenientNumber(toBytes(band.idNumber))) + 1;
        band.idNumber = PaddedIdNumber(QString::number(next));
        if (band.org.isEmpty())
            band.org = m_nationalOrg();
    } else {
        band.org = m_nationalOrg();
        band.idNumber = QStringLiteral("000001");
        if (band.club.isEmpty())
            focus = BirdFocus::Club;
        if (band.year.isEmpty())
            focus = BirdFocus::Year;
    }
    if (m_fields.colorIndex < 0)
        m_fields.colorIndex = colorIndexOf(QByteArray(1, char(OtherColorCode)));
    startAdding(fieldsFilled() ? BirdFocus::Save : focus);
}

void BirdInventory::save()
{
    if (!changing())
        return;
    if (!fieldsFilled()) {
        ShowEntryError(m_prompter, QStringLiteral("All fields must have data!"));
        focus(BirdFocus::Year);
        return;
    }
    // Save may be pressed by its shortcut without leaving a field first.
    if (!IsNatOrg(m_fields.band.org)) {
        m_prompter.inform(NatOrgMessage());
        focus(BirdFocus::Org);
        return;
    }
    if (!checkYear())
        return;
    if (adding())
        AddBird();
    else
        editbird();
}

BirdRecord BirdInventory::birdFromFields() const
{
    const BandFields &band = m_fields.band;
    QString club = band.club;
    BirdRecord bird;
    bird.flyerId = m_flyers.at(m_flyerRow).id;
    bird.natOrg = toBytes(band.org.toUpper());
    bird.hatchYr = toBytes(PaddedYear(band.year));
    bird.clubletters = toBytes(PaddedClub(CleanText(club).toUpper()));
    bird.bnumber = toBytes(PaddedIdNumber(band.idNumber));
    bird.sex = m_fields.cock ? "C" : "H";
    bird.color = QByteArray(1, char(colorCodeAt(m_fields.colorIndex)));
    return bird;
}

bool BirdInventory::AddBird()
{
    if (m_flyerRow < 0 || !fieldsFilled())
        return false;
    BirdRecord bird = birdFromFields();
    bird.elecnumber = NoElectronicRing;
    bird.type = "0";
    return storeBird(bird);
}

bool BirdInventory::editbird()
{
    if (!chosen() || !fieldsFilled())
        return false;
    BirdRecord bird = birdFromFields();
    bird.key = m_birds.at(selectedRow()).key;
    bird.type = "1";
    return storeBird(bird);
}

bool BirdInventory::storeBird(BirdRecord bird)
{
    try {
        if (m_store.bandTaken(bird.band(), bird.key)) {
            m_prompter.inform(toText(bird.band()) + QStringLiteral(" already exists, please select another Nat Org, "
                                                                  "Hatch Year, Club, or Band number"));
            return false;
        }
        const bool stored = bird.key == 0 ? (bird.key = m_store.add(bird)) != 0 : m_store.replace(bird);
        if (!stored) {
            flyerGone();
            return false;
        }
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return false;
    }
    showStoredBird(bird.key);
    return true;
}

void BirdInventory::flyerGone()
{
    m_prompter.inform(QStringLiteral("The flyer %1 is no longer in the database: the bird was not stored.")
                          .arg(m_flyers.at(m_flyerRow).name.trimmed()));
    stopChanging();
    FillBirdFlyerList();
}

void BirdInventory::cancel()
{
    if (!changing())
        return;
    const qint64 shown = chosen() ? m_birds.at(selectedRow()).key : 0;
    showFlyerBirds();
    const int row = rowOf(shown);
    if (row >= 0)
        showBird(row);
}

void BirdInventory::deleteBirds()
{
    if (!browsing() || !chosen())
        return;
    QList<qint64> keys;
    for (int row : m_onlySelected ? m_selectedRows : QList<int>{selectedRow()})
        keys.append(m_birds.at(row).key);
    const QString question = m_onlySelected ? QStringLiteral("Are you sure you wish to DELETE all selected records ?")
                                            : QStringLiteral("Are you sure you wish to DELETE this single record ?");
    if (!ConfirmDelete(m_prompter, question))
        return;
    try {
        m_store.remove(keys);
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
    }
    showFlyerBirds();
    if (!m_birds.isEmpty()) {
        showBird(0);
        focus(BirdFocus::BirdList);
    }
}

void BirdInventory::sendBirds()
{
    if (!browsing() || m_flyerRow < 0)
        return;
    BirdSendRequest request{m_flyers.at(m_flyerRow).id, m_flyers.at(m_flyerRow).name, m_onlySelected, {}};
    if (m_onlySelected) {
        for (int row : m_selectedRows) {
            if (row >= 0 && row < m_birds.size())
                request.selectedKeys.append(m_birds.at(row).key);
        }
    }
    follow(m_transfers.sendBirds(request));
}

void BirdInventory::receiveBirds()
{
    if (browsing())
        follow(m_transfers.receiveBirds());
}

void BirdInventory::follow(const BirdTransferEnd &end)
{
    using Then = BirdTransferEnd::Then;
    switch (end.then) {
    case Then::Nothing:
        return;
    case Then::RefreshBirds:
        showFlyerBirds();
        return;
    case Then::RefillFlyers: {
        // The flyer stays chosen: the next Send Birds must not go out for
        // the first flyer of the list unnoticed.
        const QString chosenFlyer = m_flyerRow >= 0 ? m_flyers.at(m_flyerRow).name : QString();
        FillBirdFlyerList();
        selectFlyer(chosenFlyer);
        return;
    }
    case Then::ShowFlyer:
        FillBirdFlyerList();
        selectFlyer(end.flyerName);
        m_closingMessage = end.closing;
        return;
    case Then::Close:
        m_closeRequested = true;
        return;
    }
}

void BirdInventory::showDatabaseChanges()
{
    if (browsing())
        follow({BirdTransferEnd::Then::RefillFlyers, {}});
}

QString BirdInventory::takeClosingMessage()
{
    return std::exchange(m_closingMessage, QString());
}

bool BirdInventory::takeCloseRequest()
{
    return std::exchange(m_closeRequested, false);
}

void BirdInventory::fieldEdited(BandField field, const QString &text)
{
    BandFields &band = m_fields.band;
    switch (field) {
    case BandField::Org: band.org = text; return;
    case BandField::Year: band.year = text; return;
    case BandField::Club: band.club = text; return;
    case BandField::IdNumber: band.idNumber = text; return;
    }
}

void BirdInventory::colorChosen(int index)
{
    m_fields.colorIndex = index >= 0 && index <= m_db.colors().ColorLast ? index : -1;
}

void BirdInventory::sexChosen(bool cock)
{
    m_fields.cock = cock;
}

void BirdInventory::leaveOrg()
{
    if (!changing() || m_fields.band.org.isEmpty() || IsNatOrg(m_fields.band.org))
        return;
    m_prompter.inform(NatOrgMessage());
    focus(BirdFocus::Org);
}

bool BirdInventory::checkYear()
{
    QString &year = m_fields.band.year;
    m_years.follow(m_clock.LmdVersion);
    if (!m_years.accepts(int(LenientNumber(toBytes(year))))) {
        m_prompter.inform(m_years.message());
        focus(BirdFocus::Year);
        return false;
    }
    year = PaddedYear(year);
    return true;
}

void BirdInventory::leaveYear()
{
    // An empty year is left to Save to name.
    if (changing() && !m_fields.band.year.isEmpty())
        checkYear();
}

void BirdInventory::leaveClub()
{
    if (changing() && !m_fields.band.club.isEmpty())
        m_fields.band.club = PaddedClub(m_fields.band.club);
}

void BirdInventory::leaveIdNumber()
{
    if (changing() && !m_fields.band.idNumber.isEmpty())
        m_fields.band.idNumber = PaddedIdNumber(m_fields.band.idNumber);
}

BirdInventoryView BirdInventory::view() const
{
    BirdInventoryView v;
    if (m_flyers.isEmpty()) {
        v.flyerLines = {QStringLiteral("No flyers available")};
        v.flyerCountLine = QStringLiteral(" 0 Flyers Listed");
    } else {
        for (const FlyerEntry &flyer : m_flyers)
            v.flyerLines.append(flyer.name);
        v.flyerListEnabled = true;
        v.flyerCountLine = counted(m_flyers.size(), " Flyers Listed");
    }
    v.flyerRow = m_flyerRow;
    if (m_flyerRow < 0) {
        v.birdLines = {QStringLiteral("No pigeons available")};
        v.birdCountLine = QStringLiteral(" 0 Pigeons Listed");
    } else if (m_birds.isEmpty()) {
        v.birdLines = {QStringLiteral("No birds to list")};
        v.birdCountLine = QStringLiteral(" 0 Pigeon(s) listed");
    } else {
        v.birdLines = m_birdLines;
        v.birdListEnabled = true;
        v.birdCountLine = counted(m_birds.size(), " Pigeon(s) listed");
        if (chosen())
            v.birdCountLine += QStringLiteral(", ") + counted(m_selectedRows.size(), " Pigeon(s) Selected");
    }
    v.birdRow = selectedRow();
    v.selectedBirdRows = m_selectedRows;
    v.fields = m_fields;
    v.fieldsEnabled = !browsing();
    v.addNewEnabled = browsing() && m_flyerRow >= 0;
    v.editEnabled = browsing() && chosen();
    v.deleteEnabled = v.editEnabled;
    v.saveEnabled = !browsing() && fieldsFilled();
    v.cancelEnabled = !browsing();
    v.endEnabled = browsing();
    v.sendBirdsEnabled = browsing() && !m_birds.isEmpty();
    // Received birds would land beside a bird half typed.
    v.receiveBirdsEnabled = browsing();
    v.exportEnabled = v.sendBirdsEnabled;
    return v;
}

