#include "admin_db/db/backups.h"

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/maintenance.h"
#include "common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr int OperationBackupsKept = 10;
constexpr int DailyBackupDays = 14;
const QString Prefix = QStringLiteral("tamreldata-");

QString operationName(Backups::Before operation)
{
    switch (operation) {
    case Backups::Before::Compact: return QStringLiteral("compact");
    case Backups::Before::Repair: return QStringLiteral("repair");
    case Backups::Before::Import: return QStringLiteral("import");
    case Backups::Before::Restore: return QStringLiteral("restore");
    }
    return QStringLiteral("change");
}

// Left by a copy of the program that was killed while it backed up.
void removeHalfCopies(QDir &folder)
{
    // Their journals too.
    const QStringList partial = folder.entryList({QStringLiteral(".*.partial-*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : partial)
        folder.remove(name);
}

} // namespace

namespace Backups {

QString folder(const Database &db)
{
    return QFileInfo(db.path()).absolutePath() + QStringLiteral("/backups/");
}

QString proposedPath(const Database &db, const QDate &today)
{
    return folder(db) + Prefix + today.toString(Qt::ISODate) + QStringLiteral(".mdb");
}

Outcome backUp(Database &db, const QString &target)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return Outcome::failure(QStringLiteral("the folder %1 cannot be created").arg(QFileInfo(target).absolutePath()));
    const QString temporary = PartialFileName(target);
    try {
        Connection &source = db.connection();
        // The copy would take the half-stored change with it.
        if (source.inTransaction())
            return Outcome::failure(QStringLiteral("a change is being stored"));
        source.copyInto(temporary, db.key());
        Connection copy;
        copy.open(temporary, db.key());
        const QStringList problems = IntegrityProblems(copy);
        copy.close();
        if (!problems.isEmpty()) {
            QFile::remove(temporary);
            return Outcome::failure(QStringLiteral("the copy does not read back whole (%1)").arg(problems.constFirst()));
        }
    } catch (const JetError &e) {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
        return Outcome::failure(e.description());
    }
    return ReplaceFile(temporary, target);
}

Outcome beforeOperation(Database &db, Before operation, const QDateTime &now)
{
    QDir backups(folder(db));
    removeHalfCopies(backups);
    const Outcome made = backUp(db, folder(db) + Prefix + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"))
                                        + QStringLiteral("-before-") + operationName(operation)
                                        + QStringLiteral(".mdb"));
    if (!made.ok)
        return made;
    // The names sort by time.
    QStringList kept = backups.entryList({Prefix + QStringLiteral("*-before-*.mdb")}, QDir::Files, QDir::Name);
    while (kept.size() > OperationBackupsKept)
        backups.remove(kept.takeFirst());
    return made;
}

Outcome daily(Database &db, const QDateTime &now)
{
    QDir backups(folder(db));
    const QString today = Prefix + now.date().toString(Qt::ISODate) + QStringLiteral("-daily.mdb");
    if (backups.exists(today))
        return Outcome::success();
    removeHalfCopies(backups);
    const Outcome made = backUp(db, folder(db) + today);
    if (!made.ok)
        return made;
    const QString oldest = Prefix + now.date().addDays(-DailyBackupDays).toString(Qt::ISODate);
    for (const QString &name : backups.entryList({Prefix + QStringLiteral("*-daily.mdb")}, QDir::Files)) {
        if (name.left(oldest.size()) < oldest)
            backups.remove(name);
    }
    return made;
}

} // namespace Backups
