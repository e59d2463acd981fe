#include "admin_db/maintenance.h"

#include "admin_db/database.h"
#include "admin_db/file_rebuild.h"
#include "admin_db/jet_error.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"

#include <QList>

namespace {

const QString PleaseWait = QStringLiteral("Please wait...");

// Gives the main window its connections back however the rebuild ends; if
// that fails, its windows open their own connections and say so then.
class MainConnectionsReturned {
public:
    MainConnectionsReturned(Database &db, QList<Table> tables) : m_db(db), m_tables(std::move(tables)) {}
    ~MainConnectionsReturned()
    {
        for (Table t : m_tables) {
            try {
                m_db.open(t, MainWindowHolder);
            } catch (const JetError &) {
            }
        }
    }

private:
    Database &m_db;
    QList<Table> m_tables;
};

void rebuild(Database &db)
{
    QList<Table> mainWindows;
    for (Table t : AllTables) {
        if (!db.isOpen(t))
            continue;
        if (db.holder(t) != MainWindowHolder)
            throw JetError(JetCode::FileInUse, QStringLiteral("The database is open in %1.").arg(db.holder(t)));
        mainWindows.append(t);
    }
    for (Table t : mainWindows)
        db.close(t);
    const MainConnectionsReturned returned(db, mainWindows);
    RebuildDatabaseFile(db.path(), db.key());
}

// damage: what a check found beforehand, put in front of a failure.
void compactShowingFailures(Database &db, ProgressView &progress, Prompter &prompter, const QString &damage)
{
    progress.showProgress(PleaseWait, QStringLiteral("Compacting Database"));
    try {
        rebuild(db);
        progress.closeProgress();
    } catch (const JetError &e) {
        progress.closeProgress();
        if (e.number() == JetCode::FileInUse)
            prompter.inform(QStringLiteral("Database already open!") + CRLF
                            + QStringLiteral("Please close all data entry forms and try again."));
        else
            prompter.inform(damage.isEmpty() ? e.description() : damage + CRLF + e.description());
    }
}

QString damageFound(Database &db)
{
    Connection check;
    check.open(db.path(), db.key());
    const QStringList problems = IntegrityProblems(check);
    if (problems.isEmpty())
        return {};
    return QStringLiteral("The database is damaged: %1").arg(problems.constFirst());
}

} // namespace

void CompactDatabase(Database &db, ProgressView &progress, Prompter &prompter)
{
    compactShowingFailures(db, progress, prompter, {});
}

void RepairDatabase(Database &db, ProgressView &progress, Prompter &prompter)
{
    progress.showProgress(PleaseWait, QStringLiteral("Repairing database"));
    QString damage;
    try {
        damage = damageFound(db);
    } catch (const JetError &e) {
        progress.closeProgress();
        prompter.inform(e.description());
        return;
    }
    progress.closeProgress();
    compactShowingFailures(db, progress, prompter, damage);
}
