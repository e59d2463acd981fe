#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The bytes of a file, orElse when it cannot be read.
inline QByteArray FileBytes(const QString &path, const QByteArray &orElse = {})
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : orElse;
}

// Writes a file anew, its folder too; false when that fails.
inline bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
