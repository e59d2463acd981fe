#include "pty_link.h"

#include "system_error.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PtyLink::~PtyLink()
{
    // Only our own link goes; someone may have put another in its place.
    if (!m_linkPath.isEmpty() && QFile::symLinkTarget(m_linkPath) == m_slaveName)
        QFile::remove(m_linkPath);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyLink::open(const QString &linkPath, QString *error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        *error = SystemError("pseudo-terminal");
        return false;
    }
    m_slaveName = QString::fromLocal8Bit(::ptsname(m_master));
    m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
    termios raw{};
    if (m_slave < 0 || ::tcgetattr(m_slave, &raw) != 0) {
        *error = SystemError("pseudo-terminal slave");
        return false;
    }
    ::cfmakeraw(&raw);
    if (::tcsetattr(m_slave, TCSANOW, &raw) != 0) {
        *error = SystemError("raw mode");
        return false;
    }

    const QFileInfo existing(linkPath);
    if (existing.isSymLink()) {
        QFile::remove(linkPath);
    } else if (existing.exists()) {
        *error = linkPath + QStringLiteral(" exists and is no symbolic link");
        return false;
    }
    if (!QFile::link(m_slaveName, linkPath)) {
        *error = QStringLiteral("cannot make the link ") + linkPath;
        return false;
    }
    m_linkPath = linkPath;
    return true;
}
