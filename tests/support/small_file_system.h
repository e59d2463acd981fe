#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A tmpfs of the given size (mount's notation, "64k") on folder for as long
// as this object lives, so that a test meets a real full disk; root only.
class SmallFileSystem {
public:
    SmallFileSystem(const QString &folder, const QString &size) : m_folder(folder)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder}) == 0;
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_folder});
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;
    bool mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};
