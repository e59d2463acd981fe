#include "admin_db/db/maintenance.h"

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"

namespace {

const QString PleaseWait = QStringLiteral("Please wait...");

void refuseWhileWindowsHold(const Database &db)
{
    const QStringList windows = db.dataWindows();
    if (!windows.isEmpty())
        throw JetError(JetCode::FileInUse, QStringLiteral("The database is open in %1.").arg(windows.join(u", ")));
}

enum class Rebuild { Compact, Repair };

// A repair builds the indexes anew from the tables first; the rebuild alone
// copies a damaged index as it is.
void rebuild(Connection &connection, Rebuild kind)
{
    if (kind == Rebuild::Repair)
        connection.execute("REINDEX");
    connection.execute("VACUUM");
    const QStringList problems = IntegrityProblems(connection);
    if (!problems.isEmpty())
        throw JetError(JetCode::EngineError,
                       QStringLiteral("The compacted database is not sound: %1").arg(problems.constFirst()));
}

// damage: what a repair's check found beforehand, put in front of a failure.
void compactShowingFailures(Database &db, ProgressView &progress, Prompter &prompter, Rebuild kind,
                            const QString &damage = {})
{
    progress.showProgress(PleaseWait, QStringLiteral("Compacting Database"));
    try {
        refuseWhileWindowsHold(db);
        rebuild(db.connection(), kind);
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
    const QStringList problems = IntegrityProblems(db.connection());
    if (problems.isEmpty())
        return {};
    return QStringLiteral("The database is damaged: %1").arg(problems.constFirst());
}

} // namespace

QStringList IntegrityProblems(Connection &connection, Check depth)
{
    Statement check = connection.prepare(depth == Check::Whole ? "PRAGMA integrity_check" : "PRAGMA quick_check");
    QStringList problems;
    try {
        while (check.next()) {
            const QString line = check.text(0);
            if (line != QLatin1String("ok") && !line.startsWith(QLatin1String("*** in database")))
                problems.append(line);
        }
    } catch (const JetError &e) {
        // A lock is no damage; a check that cannot read on has found some.
        if (e.number() == JetCode::FileLocked)
            throw;
        problems.append(e.description());
    }
    return problems;
}

void CompactDatabase(Database &db, ProgressView &progress, Prompter &prompter)
{
    compactShowingFailures(db, progress, prompter, Rebuild::Compact);
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
    compactShowingFailures(db, progress, prompter, Rebuild::Repair, damage);
}
