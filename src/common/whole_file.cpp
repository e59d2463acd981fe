#include "common/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString DiskFull = QStringLiteral("the disk may be full");

std::filesystem::path fsPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// The rename itself must reach the disk, or a power cut may bring back the old file.
void syncFolder(const QString &folder)
{
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

QString withCause(const QString &what, const QString &cause)
{
    return cause.isEmpty() ? what : what + QStringLiteral(" (") + cause + QLatin1Char(')');
}

// Every byte, or why not. A short write is asked again so that the system
// names its reason (ENOSPC, EFBIG) instead of Qt counting it silently.
Outcome writeAll(QFile &file, const QByteArray &content)
{
    qint64 done = 0;
    while (done < content.size()) {
        const qint64 written = file.write(content.constData() + done, content.size() - done);
        if (written <= 0)
            return Outcome::failure(withCause(DiskFull, file.errorString()));
        done += written;
    }
    if (!file.flush())
        return Outcome::failure(withCause(DiskFull, file.errorString()));
    if (!syncToDisk(file))
        return Outcome::failure(withCause(DiskFull, qt_error_string()));
    if (file.size() != content.size())
        return Outcome::failure(DiskFull + QStringLiteral(" (%1 of %2 bytes were written)")
                                               .arg(file.size())
                                               .arg(content.size()));
    return Outcome::success();
}

} // namespace

Outcome WriteWholeFile(const QString &path, const QByteArray &content)
{
    const QFileInfo asked(path);
    const QFileInfo target(asked.isSymLink() ? asked.symLinkTarget() : asked.absoluteFilePath());
    const QString folder = target.absolutePath();
    if (!QDir().mkpath(folder))
        return Outcome::failure(QStringLiteral("the folder cannot be created"));
    // A rename would replace it all the same where the folder is writable.
    if (target.exists() && !target.isWritable())
        return Outcome::failure(QStringLiteral("the file is read-only"));

    const QString temporary = PartialFileName(target.absoluteFilePath());
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return Outcome::failure(file.errorString());
    Outcome written = writeAll(file, content);
    file.close();
    if (written.ok && file.error() != QFileDevice::NoError)
        written = Outcome::failure(withCause(DiskFull, file.errorString()));
    if (written.ok && target.exists())
        file.setPermissions(target.permissions());
    if (!written.ok) {
        QFile::remove(temporary);
        return written;
    }
    return ReplaceFile(temporary, target.absoluteFilePath());
}

QString PartialFileName(const QString &target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".partial-")
         + QString::number(QRandomGenerator::global()->generate(), 16);
}

bool SyncFileToDisk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && syncToDisk(file);
}

Outcome ReplaceFile(const QString &temporary, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(fsPath(temporary), fsPath(target), error);
    if (error) {
        QFile::remove(temporary);
        return Outcome::failure(QString::fromLocal8Bit(error.message().c_str()));
    }
    syncFolder(QFileInfo(target).absolutePath());
    return Outcome::success();
}
