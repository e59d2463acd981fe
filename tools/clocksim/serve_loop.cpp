#include "serve_loop.h"

#include "system_error.h"

#include <ctime>
#include <limits>
#include <poll.h>
#include <unistd.h>

namespace {

qint64 monotonicNs()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

constexpr qint64 Never = std::numeric_limits<qint64>::max();

} // namespace

ServeLoop::ServeLoop(int masterFd, int stopFd, LinePacing &pacing, ClockResponder &responder)
    : m_master(masterFd), m_stop(stopFd), m_pacing(pacing), m_responder(responder)
{
}

void ServeLoop::deliverDueInput(qint64 nowNs)
{
    while (!m_input.empty() && m_input.front().atNs <= nowNs) {
        const TimedByte in = m_input.front();
        m_input.pop_front();
        // A clock busy storing a record hears nothing.
        if (in.atNs < m_busyUntilNs)
            continue;
        const auto request = m_parser.feed(in.byte);
        if (!request)
            continue;
        // The clock speaks once spoken to; whatever it was still sending is
        // given up.
        m_output = m_pacing.schedule(in.atNs, m_responder.answer(*request));
        m_outputBlocked = false;
        if (m_responder.busyMs() > 0 && !m_output.empty())
            m_busyUntilNs = m_output.back().atNs + qint64(m_responder.busyMs()) * 1'000'000;
    }
}

bool ServeLoop::writeDueOutput(qint64 nowNs, QString *error)
{
    QByteArray due;
    for (auto it = m_output.cbegin(); it != m_output.cend() && it->atNs <= nowNs; ++it)
        due += it->byte;
    if (due.isEmpty())
        return true;
    const ssize_t n = ::write(m_master, due.constData(), std::size_t(due.size()));
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR) {
            // The program's receive buffer is full; wait until there is room.
            m_outputBlocked = errno == EAGAIN;
            return true;
        }
        *error = SystemError("writing to the line");
        return false;
    }
    m_output.erase(m_output.begin(), m_output.begin() + n);
    m_outputBlocked = n < due.size();
    return true;
}

bool ServeLoop::readInput(qint64 nowNs, QString *error)
{
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n < 0) {
        if (errno == EAGAIN || errno == EINTR)
            return true;
        *error = SystemError("reading from the line");
        return false;
    }
    for (ssize_t i = 0; i < n; ++i)
        m_input.push_back({m_pacing.arrival(nowNs), buffer[i]});
    return true;
}

qint64 ServeLoop::nextDeadlineNs() const
{
    qint64 next = Never;
    if (!m_input.empty())
        next = m_input.front().atNs;
    if (!m_output.empty() && !m_outputBlocked)
        next = qMin(next, m_output.front().atNs);
    return next;
}

bool ServeLoop::run(QString *error)
{
    for (;;) {
        const qint64 now = monotonicNs();
        deliverDueInput(now);
        if (!writeDueOutput(now, error))
            return false;

        pollfd fds[2] = {{m_stop, POLLIN, 0}, {m_master, 0, 0}};
        if (m_input.size() < MaxPendingInput)
            fds[1].events |= POLLIN;
        if (m_outputBlocked)
            fds[1].events |= POLLOUT;
        const qint64 next = nextDeadlineNs();
        timespec wait{};
        if (next != Never) {
            const qint64 left = qMax<qint64>(0, next - monotonicNs());
            wait = {time_t(left / 1'000'000'000), long(left % 1'000'000'000)};
        }
        if (::ppoll(fds, 2, next == Never ? nullptr : &wait, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            *error = SystemError("waiting on the line");
            return false;
        }
        if (fds[0].revents & POLLIN)
            return true;
        if (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            *error = QStringLiteral("the line broke");
            return false;
        }
        if (fds[1].revents & POLLOUT)
            m_outputBlocked = false;
        if ((fds[1].revents & POLLIN) && !readInput(monotonicNs(), error))
            return false;
    }
}
