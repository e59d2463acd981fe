#include "admin_db/db/file_identity.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

FileIdentity FileIdentity::of(const QString &path)
{
#ifdef Q_OS_WIN
    // An open database cannot be replaced there: its presence is all to know.
    return {QFileInfo(path).isFile(), 0, 0};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return {true, quint64(status.st_dev), quint64(status.st_ino)};
#endif
}
