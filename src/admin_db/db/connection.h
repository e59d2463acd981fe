#pragma once

#include "admin_db/db/statement.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct sqlite3;

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

// One handle on an existing keyed database file. Opening never creates a
// file and proves the key at once, so a wrong key fails at open, not at the
// first query.
class Connection {
public:
    Connection() = default;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection() { close(); }

    // How long a statement waits for another program's lock before it is
    // refused: long enough for another program's short write or a compact.
    static constexpr int DefaultBusyTimeoutMs = 5000;

    // Replaces an open handle. Throws JetError: 3024 missing file, 3031 wrong
    // key or not a database, 3051 read-only or locked.
    void open(const QString &path, const QByteArray &key, int busyTimeoutMs = DefaultBusyTimeoutMs);
    // Statements still alive stay usable until they are destroyed.
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // Whether the path still names the file the handle was opened on: not
    // deleted, not replaced by another one.
    bool stillOnItsFile() const { return isOpen() && FileIdentity::of(m_path) == m_file; }

    Statement prepare(const QByteArray &sql);
    // A statement without parameters or rows.
    void execute(const QByteArray &sql) { prepare(sql).run(); }
    qint64 lastInsertId() const;
    // Copies the whole database page by page into a new file at path, keyed
    // with key, as one snapshot: a change made meanwhile is in it whole or
    // not at all. Throws JetError.
    void copyInto(const QString &path, const QByteArray &key);
    bool inTransaction() const;
    // In a transaction, or a statement of it still alive.
    bool inUse() const;

private:
    sqlite3 *m_db = nullptr;
    QString m_path;
    FileIdentity m_file;
};
