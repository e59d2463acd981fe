#pragma once

#include <QString>

// A pseudo-terminal whose slave side the program opens as its serial port,
// through a symbolic link. The slave is raw (no echo, no line editing), and
// one slave descriptor stays open here so that the master never sees a
// hang-up when the program closes its port.
class PtyLink {
public:
    PtyLink() = default;
    ~PtyLink();
    PtyLink(const PtyLink &) = delete;
    PtyLink &operator=(const PtyLink &) = delete;

    // Replaces an old symbolic link at linkPath, never another file.
    bool open(const QString &linkPath, QString *error);

    int masterFd() const { return m_master; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_linkPath;
    QString m_slaveName;
};
