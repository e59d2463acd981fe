#pragma once

#include <QString>
#include <QtGlobal>

// Which file a path names now. A file renamed into the database's place (a
// backup put back) must not be missed by a handle on the one it replaced:
// writes there would vanish with it.
struct FileIdentity {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;

    static FileIdentity of(const QString &path);
    bool operator==(const FileIdentity &) const = default;
};
