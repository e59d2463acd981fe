#pragma once

#include <QString>

#include <cerrno>
#include <cstring>

// "what: the system's reason", for the failure that just set errno.
inline QString SystemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}
