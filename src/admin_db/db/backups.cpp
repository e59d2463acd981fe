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

// Left by a copy of the program that was killed while it backed up or
// restored; their journals too.
void removeHalfCopies(QDir &folder, const QString &pattern = QStringLiteral(".*.partial-*"))
{
    const QStringList partial = folder.entryList({pattern}, QDir::Files | QDir::Hidden);
    for (const QString &name : partial)
        folder.remove(name);
}

// The checks read a hidden copy; the user knows the file by its own name.
QString namingTheFile(QString said, const QString &temporary, const QString &known)
{
    return said.replace(temporary, QDir::toNativeSeparators(known));
}

qint64 pageCount(Connection &c)
{
    Statement count = c.prepare("PRAGMA page_count");
    return count.next() ? count.number(0) : -1;
}

qint64 rowsOf(Connection &c, const QByteArray &table)
{
    Statement count = c.prepare("SELECT count(*) FROM " + table);
    return count.next() ? count.number(0) : 0;
}

Backups::Contents countsOf(Connection &c)
{
    return {rowsOf(c, "clubs"), rowsOf(c, "flyerlist"), rowsOf(c, "birds")};
}

// What the file at path holds; throws JetError for a file the key does not
// open or of another program. With problem, also the integrity check's first
// finding, as a restore needs it.
Backups::Contents contentsOf(const QString &path, const QByteArray &key, QString *problem = nullptr)
{
    Database candidate;
    candidate.setFile(path, key);
    Connection &c = candidate.connection();
    if (problem) {
        const QStringList problems = IntegrityProblems(c);
        if (!problems.isEmpty())
            *problem = problems.constFirst();
    }
    const Backups::Contents contents = countsOf(c);
    candidate.closeAll();
    return contents;
}

// from copied whole to to, on the disk; nothing at to when that fails.
bool copiedWhole(const QString &from, const QString &to)
{
    if (QFile::copy(from, to) && QFileInfo(to).size() == QFileInfo(from).size() && SyncFileToDisk(to))
        return true;
    QFile::remove(to);
    return false;
}

// "tamreldata-YYYY-MM-DD-hhmmss-<what>.mdb" in the backups folder: the names
// sort by time.
QString timedBackupPath(const Database &db, const QDateTime &now, const QString &what)
{
    return Backups::folder(db) + Prefix + now.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QLatin1Char('-') + what
         + QStringLiteral(".mdb");
}

// The database as it is, before a restore replaces it: a backup where it
// can be read, else its bytes as they are (a damaged or foreign file is what
// a restore is for); nothing where there is no file.
Outcome keepBeforeRestore(Database &db, const QString &live, const QDateTime &now)
{
    const Outcome saved = Backups::beforeOperation(db, Backups::Before::Restore, now);
    if (saved.ok || !QFileInfo::exists(live))
        return Outcome::success();
    const QString raw = timedBackupPath(db, now, QStringLiteral("before-restore-unreadable"));
    const QString temporary = PartialFileName(raw);
    return copiedWhole(live, temporary) ? ReplaceFile(temporary, raw) : saved;
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
        // The copy is page for page the database: it must open with the key
        // and hold every page. Its findings, if any, are the database's own,
        // and a damaged database is what a copy before Repair is for.
        Connection copy;
        copy.open(temporary, db.key());
        const qint64 pages = pageCount(copy);
        copy.close();
        if (pages != pageCount(source)) {
            QFile::remove(temporary);
            return Outcome::failure(QStringLiteral("the copy does not read back whole"));
        }
    } catch (const JetError &e) {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
        return Outcome::failure(namingTheFile(e.description(), temporary, target));
    }
    return ReplaceFile(temporary, target);
}

QString failureText(const Outcome &failed)
{
    return QStringLiteral("The database could not be backed up: ") + failed.message + QLatin1Char('.');
}

Outcome beforeOperation(Database &db, Before operation, const QDateTime &now)
{
    QDir backups(folder(db));
    removeHalfCopies(backups);
    const Outcome made = backUp(db, timedBackupPath(db, now, QStringLiteral("before-") + operationName(operation)));
    if (!made.ok)
        return made;
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

QString describe(const Contents &contents)
{
    return QStringLiteral("%1 clubs, %2 flyers, %3 birds").arg(contents.clubs).arg(contents.flyers).arg(contents.birds);
}

QList<Entry> list(const Database &db)
{
    QList<Entry> entries;
    const QDir backups(folder(db));
    for (const QFileInfo &file : backups.entryInfoList({QStringLiteral("*.mdb")}, QDir::Files, QDir::Time)) {
        Entry entry{file.absoluteFilePath(), file.lastModified(), std::nullopt};
        try {
            entry.contents = contentsOf(entry.path, db.key());
        } catch (const JetError &) {
            // Listed as unreadable: the user sees that it is there.
        }
        entries.append(entry);
    }
    return entries;
}

Restored restore(Database &db, const QString &backup, const QDateTime &now)
{
    if (!db.dataWindows().isEmpty())
        return {Outcome::failure(QStringLiteral("close every data window first")), {}};
    const QString live = QFileInfo(db.path()).canonicalFilePath().isEmpty()
                           ? db.path()
                           : QFileInfo(db.path()).canonicalFilePath();
    QDir beside = QFileInfo(live).absoluteDir();
    removeHalfCopies(beside, QStringLiteral(".") + QFileInfo(live).fileName() + QStringLiteral(".partial-*"));
    // Checked as the copy that will take the database's place, beside it.
    const QString temporary = PartialFileName(live);
    if (!copiedWhole(backup, temporary)) {
        return {Outcome::failure(QStringLiteral("%1 cannot be copied beside the database: the disk may be full")
                                     .arg(QDir::toNativeSeparators(backup))),
                {}};
    }
    QFile::setPermissions(temporary, QFileInfo(live).permissions());
    Contents contents;
    try {
        QString problem;
        contents = contentsOf(temporary, db.key(), &problem);
        if (!problem.isEmpty()) {
            QFile::remove(temporary);
            return {Outcome::failure(QStringLiteral("%1 is damaged (%2)")
                                         .arg(QDir::toNativeSeparators(backup),
                                              namingTheFile(problem, temporary, backup))),
                    {}};
        }
    } catch (const JetError &e) {
        QFile::remove(temporary);
        QFile::remove(temporary + QStringLiteral("-journal"));
        return {Outcome::failure(namingTheFile(e.description(), temporary, backup)), {}};
    }
    if (const Outcome kept = keepBeforeRestore(db, live, now); !kept.ok) {
        QFile::remove(temporary);
        return {Outcome::failure(QStringLiteral("the database as it is could not be backed up first: ")
                                 + kept.message),
                {}};
    }
    db.closeAll();
    if (const Outcome replaced = ReplaceFile(temporary, live); !replaced.ok)
        return {replaced, {}};
    try {
        db.connection();
    } catch (const JetError &e) {
        return {Outcome::failure(QStringLiteral("the copy was put in its place but cannot be opened: ")
                                 + e.description()),
                {}};
    }
    return {Outcome::success(), contents};
}

} // namespace Backups
