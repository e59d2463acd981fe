#include "admin_db/file_rebuild.h"

#include "admin_db/connection.h"
#include "admin_db/file_sync.h"
#include "admin_db/jet_error.h"
#include "common/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

const char *const CompanionSuffixes[] = {"", "-journal", "-wal", "-shm"};

// Only files go: a folder of that name was not left by an earlier run.
void removeCopy(const QString &copyPath)
{
    for (const char *suffix : CompanionSuffixes) {
        const QFileInfo file(copyPath + QLatin1String(suffix));
        if (file.exists() && !file.isDir())
            QFile::remove(file.filePath());
    }
}

JetError rebuildError(const QString &what)
{
    return JetError(JetCode::EngineError, what);
}

void exportInto(const QString &path, const QString &copyPath, const QByteArray &key)
{
    Connection source;
    source.open(path, key);
    // Attached files open with the source's flags, which never create a file.
    QFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly))
        throw rebuildError(QStringLiteral("The compacted copy '%1' cannot be made: %2")
                               .arg(Folders::native(copyPath), copy.errorString()));
    copy.close();
    Statement attach = source.prepare("ATTACH DATABASE ? AS rebuilt KEY ?");
    attach.bind(1, copyPath).bind(2, key).run();
    source.execute("SELECT sqlcipher_export('rebuilt')");
    source.execute("DETACH DATABASE rebuilt");
}

void rebuildIndexesAndCheck(const QString &copyPath, const QByteArray &key)
{
    Connection copy;
    copy.open(copyPath, key);
    // The export copies index pages as they are, damage included.
    copy.execute("REINDEX");
    const QStringList problems = IntegrityProblems(copy);
    if (!problems.isEmpty())
        throw rebuildError(QStringLiteral("The compacted copy of the database is not sound: %1")
                               .arg(problems.constFirst()));
}

void replaceFile(const QString &copyPath, const QString &path)
{
    std::error_code error;
    std::filesystem::rename(QFileInfo(copyPath).filesystemFilePath(), QFileInfo(path).filesystemFilePath(), error);
    if (error)
        throw rebuildError(QStringLiteral("The database '%1' could not be replaced by its compacted copy: %2")
                               .arg(Folders::native(path), QString::fromStdString(error.message())));
}

} // namespace

QStringList IntegrityProblems(Connection &connection)
{
    Statement check = connection.prepare("PRAGMA integrity_check");
    QStringList problems;
    try {
        while (check.next()) {
            const QString line = check.text(0);
            if (line != QLatin1String("ok") && !line.startsWith(QLatin1String("*** in database")))
                problems.append(line);
        }
    } catch (const JetError &e) {
        // A check that cannot read on has found damage too.
        problems.append(e.description());
    }
    return problems;
}

void RebuildDatabaseFile(const QString &path, const QByteArray &key)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QString copyPath = QDir(folder).filePath(RebuiltFileName);
    if (QFileInfo(copyPath).isDir())
        throw rebuildError(QStringLiteral("The database cannot be compacted: a folder '%1' is in the way.")
                               .arg(Folders::native(copyPath)));
    removeCopy(copyPath);
    try {
        exportInto(path, copyPath, key);
        rebuildIndexesAndCheck(copyPath, key);
        if (!SyncFile(copyPath))
            throw rebuildError(QStringLiteral("The compacted copy '%1' could not be written to disk.")
                                   .arg(Folders::native(copyPath)));
        // A log left beside the old file would be read as part of the new one.
        if (QFileInfo::exists(path + QStringLiteral("-wal")))
            throw JetError(JetCode::FileInUse,
                           QStringLiteral("The database '%1' is in use by another program.").arg(Folders::native(path)));
        replaceFile(copyPath, path);
    } catch (...) {
        removeCopy(copyPath);
        throw;
    }
    SyncFolder(folder);
}
