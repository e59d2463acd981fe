#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// A lock file that keeps other copies of the program off a file for as long
// as this object holds it. One left by a copy that died on this computer is
// taken over.
class FileLock {
public:
    enum class Claim { Held, InUse, Impossible };

    Claim claim(const QString &lockPath);
    // Lets others have the file; the lock file goes.
    void release() { m_lock.reset(); }
    QString lockPath() const { return m_lock ? m_lock->fileName() : QString(); }
    // " (process N on computer H)" for a lock in use, else empty.
    QString holder() const;
    // Why a lock file could not be placed, as the user reads it.
    QString cause() const;

private:
    std::unique_ptr<QLockFile> m_lock;
};
