#pragma once

#include "dos_import/dos_files.h"
#include "admin_db/db/transaction.h"
#include "dos_import/dos_flyer_store.h"

#include <QStringList>

struct AdminSharedState;
class Prompter;
class ProgressView;

// What the import window shows, all of it derived from the logic's state.
struct DosImportView {
    QString caption;
    QString clubCount;
    QStringList clubLines;
    int clubRow = -1;
    QStringList fileLines;
    bool filesEnabled = false;
    int fileRow = -1;
    QStringList fileNames;   // the admin files themselves, in the same order
    QStringList flyerLines;
    QString status;          // empty: the status label is hidden
    bool importEnabled = false;
};

// The import window without its widgets: the clubs to import into, the admin
// files of a folder, the flyers of the file chosen marked "[X]" when stored
// already, and the import of the others with their birds.
class DosImport {
public:
    DosImport(Database &db, Prompter &prompter, ProgressView &progress, AdminSharedState &shared);

    enum class Load {
        Ready,
        NoClubs,   // told; the club window comes first
        Failed,    // the database could not be read; told
    };
    // Window load, on the admin files of folder.
    Load load(const QString &folder);
    // Releases the tables.
    void end();

    void folderChosen(const QString &folder);
    void clubChosen(int row);
    void fileClicked(int row);
    void setOnlySelected(bool checked) { m_onlySelected = checked; }
    // "Import": the flyers not stored yet, or only those of the selected
    // lines.
    void importFlyers(const QList<int> &selectedLines);

    DosImportView view() const;
    const QString &folder() const { return m_folder; }

private:
    void listFiles(const QString &folder);
    // Lists the flyers of the chosen file with their marks.
    void markFlyers();
    // The birds of a flyer's inventory file; nullopt, with a note why, when
    // the file is there but cannot be read.
    std::optional<QList<BirdRecord>> birdsOf(const DosFlyer &flyer, const QString &name);
    void noteDuplicates(const QString &name, const QList<QByteArray> &bands);
    // Stores the flyer with his birds in the batch, opened when needed;
    // false when he was not stored. What the user must hear goes to the notes.
    bool storeFlyer(qint64 clubId, const DosFlyer &flyer, std::optional<Transaction> &batch);
    // Shows the notes, once nothing is left uncommitted.
    void tellNotes();
    // After a failure: keeps the flyers stored whole, if the database lets it.
    static void commitQuietly(std::optional<Transaction> &batch);

    Database &m_db;
    DosFlyerStore m_store;
    Prompter &m_prompter;
    ProgressView &m_progress;
    AdminSharedState &m_shared;
    QList<Club> m_clubs;
    int m_clubRow = 0;
    QString m_folder;
    QStringList m_files;
    int m_fileRow = -1;
    QList<DosFlyer> m_flyers;
    // The flyer each listed line stands for; flyers whose name is stored
    // twice are not listed.
    QList<int> m_lineFlyer;
    QStringList m_flyerLines;
    int m_missing = 0;
    bool m_onlySelected = false;
    QString m_status;
    QStringList m_notes;
};
