#include "dos_import/dos_import.h"

#include "admin_db/db/backups.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/transaction.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/records/admin_shared_state.h"
#include "common/folders.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"

#include <QDir>
#include <QFile>

namespace {

// Enough of a long list of refused bands for the user to see what happened.
constexpr int DuplicatesShown = 20;
// Flyers stored with one commit: a commit a flyer would make a large import
// wait on the disk a thousand times. Each flyer is still whole or absent.
constexpr int FlyersInABatch = 100;

QString unreadableNote(int count, const QString &file)
{
    return QString::number(count) + QStringLiteral(" line(s) of ") + file
         + QStringLiteral(" could not be read and were left out.");
}

} // namespace

DosImport::DosImport(Database &db, Prompter &prompter, ProgressView &progress, AdminSharedState &shared)
    : m_db(db), m_store(db), m_prompter(prompter), m_progress(progress), m_shared(shared)
{
}

DosImport::Load DosImport::load(const QString &folder)
{
    try {
        m_clubs = m_store.clubs();
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
        return Load::Failed;
    }
    if (m_clubs.isEmpty()) {
        m_prompter.inform(QStringLiteral("You must first enter a club"));
        m_shared.noClubs = true;
        return Load::NoClubs;
    }
    listFiles(folder);
    m_status.clear();
    return Load::Ready;
}

void DosImport::end()
{
    m_store.close();
}

void DosImport::listFiles(const QString &folder)
{
    m_folder = folder;
    m_files = AdminFilesIn(folder);
    m_fileRow = -1;
    m_flyers.clear();
    m_lineFlyer.clear();
    m_flyerLines.clear();
    m_missing = 0;
}

void DosImport::folderChosen(const QString &folder)
{
    listFiles(folder);
    m_status = QStringLiteral("Files = ") + QString::number(m_files.size());
}

void DosImport::clubChosen(int row)
{
    if (row >= 0 && row < m_clubs.size())
        m_clubRow = row;
}

void DosImport::fileClicked(int row)
{
    if (row < 0 || row >= m_files.size())
        return;
    m_fileRow = row;
    m_status.clear();
    m_flyers.clear();
    QFile file(QDir(m_folder).filePath(m_files.at(row)));
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompter.inform(QStringLiteral("The admin file ") + Folders::native(file.fileName())
                          + QStringLiteral(" cannot be read: ") + file.errorString());
        markFlyers();
        return;
    }
    const FileEntries<DosFlyer> read = ReadDosFlyers(file.readAll());
    m_flyers = read.entries;
    if (read.unreadable > 0)
        m_prompter.inform(unreadableNote(read.unreadable, m_files.at(row)));
    markFlyers();
}

void DosImport::markFlyers()
{
    m_lineFlyer.clear();
    m_flyerLines.clear();
    m_missing = 0;
    try {
        for (int index = 0; index < m_flyers.size(); ++index) {
            const QByteArray &name = m_flyers.at(index).name;
            const int stored = m_store.flyersNamed(StoredFlyerName(name));
            if (stored > 1)
                continue;
            m_lineFlyer.append(index);
            m_flyerLines.append((stored == 0 ? QStringLiteral("[   ]") : QStringLiteral("[X]")) + toText(name));
            if (stored == 0)
                ++m_missing;
        }
    } catch (const JetError &e) {
        ShowUnexpectedError(m_prompter, e);
    }
}

std::optional<QList<BirdRecord>> DosImport::birdsOf(const DosFlyer &flyer, const QString &name)
{
    QFile file(FileInFolder(m_folder, InventoryFileName(flyer)));
    if (!file.exists()) {
        m_notes.append(QStringLiteral("No pigeon inventory file for ") + name);
        return QList<BirdRecord>();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        m_notes.append(QStringLiteral("The pigeon inventory file ") + Folders::native(file.fileName())
                       + QStringLiteral(" cannot be read: ") + file.errorString() + CRLF + name
                       + QStringLiteral(" was not imported."));
        return std::nullopt;
    }
    const FileEntries<BirdRecord> read = ReadDosBirds(file.readAll());
    if (read.unreadable > 0)
        m_notes.append(unreadableNote(read.unreadable, InventoryFileName(flyer)));
    return read.entries;
}

void DosImport::noteDuplicates(const QString &name, const QList<QByteArray> &bands)
{
    QStringList lines;
    for (const QByteArray &band : bands.mid(0, DuplicatesShown))
        lines.append(QStringLiteral("Duplicate band number ") + toText(band) + QStringLiteral("not allowed for ")
                     + name);
    if (bands.size() > DuplicatesShown)
        lines.append(QStringLiteral("... and %1 more.").arg(bands.size() - DuplicatesShown));
    m_notes.append(lines.join(CRLF));
}

void DosImport::tellNotes()
{
    for (const QString &note : std::as_const(m_notes))
        m_prompter.inform(note);
    m_notes.clear();
}

bool DosImport::storeFlyer(qint64 clubId, const DosFlyer &flyer, std::optional<Transaction> &batch)
{
    const QString name = StoredFlyerName(flyer.name);
    if (name.isEmpty()) {
        m_notes.append(QStringLiteral("Illegal action...flyer file has no name."));
        return false;
    }
    if (m_store.flyersNamed(name) > 0)
        return false;
    const std::optional<QList<BirdRecord>> birds = birdsOf(flyer, name);
    if (!birds)
        return false;
    if (!batch)
        batch.emplace(m_store.connection());
    const ImportedFlyer imported = m_store.store(clubId, flyer, name, *birds);
    if (!imported.duplicateBands.isEmpty())
        noteDuplicates(name, imported.duplicateBands);
    return imported.stored;
}

void DosImport::commitQuietly(std::optional<Transaction> &batch)
{
    try {
        if (batch)
            batch->commit();
    } catch (const JetError &) {
        // Told already: the failure that stopped the import comes first.
    }
    batch.reset();
}

void DosImport::importFlyers(const QList<int> &selectedLines)
{
    if (m_fileRow < 0 || m_clubs.isEmpty())
        return;
    if (m_missing == 0) {
        m_status = QStringLiteral("Flyers already imported.");
        return;
    }
    QList<int> chosen;
    for (int line = 0; line < m_lineFlyer.size(); ++line) {
        if (!m_onlySelected || selectedLines.contains(line))
            chosen.append(m_lineFlyer.at(line));
    }
    const qint64 clubId = m_clubs.value(m_clubRow, m_clubs.constFirst()).key;
    // Many flyers at once: the database as it was is kept first.
    if (const Outcome saved = Backups::beforeOperation(m_db, Backups::Before::Import, QDateTime::currentDateTime());
        !saved.ok) {
        m_prompter.inform(Backups::failureText(saved) + CRLF + QStringLiteral("No flyer was imported."));
        return;
    }
    m_progress.setTitle(QStringLiteral("Import Files"));
    m_progress.showProgress(QStringLiteral("  Importing Files :"), QString());
    std::optional<Transaction> batch;
    int inBatch = 0;
    int stored = 0;
    for (int index : std::as_const(chosen)) {
        m_progress.setSecondLine(QString::number(index + 1) + QStringLiteral(" Files Transferred"));
        try {
            stored += storeFlyer(clubId, m_flyers.at(index), batch) ? 1 : 0;
            // No write stays open while a message waits for the user: other
            // programs would find the database locked, and a crash then
            // would drop flyers the user was already told about.
            if (++inBatch == FlyersInABatch || !m_notes.isEmpty()) {
                if (batch)
                    batch->commit();
                batch.reset();
                inBatch = 0;
            }
        } catch (const JetError &e) {
            // The database failing once fails for every flyer after; the
            // flyers stored whole before are kept.
            m_progress.closeProgress();
            commitQuietly(batch);
            tellNotes();
            ShowUnexpectedError(m_prompter, e);
            markFlyers();
            return;
        }
        tellNotes();
    }
    try {
        if (batch)
            batch->commit();
    } catch (const JetError &e) {
        // The last flyers were not stored after all.
        m_progress.closeProgress();
        ShowUnexpectedError(m_prompter, e);
        markFlyers();
        return;
    }
    m_progress.closeProgress();
    m_status = stored > 0 ? QStringLiteral("Flyer(s) imported.") : QStringLiteral("No flyer was imported.");
    markFlyers();
}

DosImportView DosImport::view() const
{
    DosImportView v;
    v.caption = QStringLiteral("Import Files");
    if (m_fileRow >= 0) {
        const QString &file = m_files.at(m_fileRow);
        v.caption = QStringLiteral("Import Files from: Concourse ") + file.mid(1, 4) + QStringLiteral(" Combine ")
                  + file.mid(5, 2);
    }
    v.clubCount = QStringLiteral("Clubs = ") + QString::number(m_clubs.size());
    for (const Club &club : m_clubs)
        v.clubLines.append(club.name);
    v.clubRow = m_clubs.isEmpty() ? -1 : m_clubRow;
    if (m_files.isEmpty()) {
        v.fileLines = {QStringLiteral("No Flyer Files Found")};
    } else {
        for (int n = 1; n <= m_files.size(); ++n)
            v.fileLines.append(QStringLiteral("Admin File ") + QString::number(n));
        v.filesEnabled = true;
    }
    v.fileRow = m_fileRow;
    v.fileNames = m_files;
    v.flyerLines = m_flyerLines;
    v.status = m_status;
    v.importEnabled = m_fileRow >= 0 && m_missing > 0;
    return v;
}
