#include "stop_signals.h"

#include "system_error.h"

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

StopSignals::~StopSignals()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool StopSignals::open(QString *error)
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    if (::sigprocmask(SIG_BLOCK, &set, nullptr) != 0 || (m_fd = ::signalfd(-1, &set, SFD_CLOEXEC)) < 0) {
        *error = SystemError("signals");
        return false;
    }
    return true;
}
