#include "clock_on_line.h"

#include <QCoreApplication>

#include <cstdio>
#include <sys/resource.h>

namespace {

double processorSeconds()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

QStringList pacing(bool paced)
{
    return paced ? QStringList{QStringLiteral("--pace-baud"), QString::number(LineBaud)} : QStringList();
}

} // namespace

ClockOnLine::ClockOnLine(bool paced, const QStringList &simArguments)
    : m_sim(QCoreApplication::applicationDirPath() + QStringLiteral("/tamrel-clocksim"),
            pacing(paced) + simArguments)
    , m_link(m_port, m_clock, m_prompter)
{
    qputenv("TAMREL_COM1", m_sim.linkPath().toLocal8Bit());
    m_link.setTrace([this](const char *direction, const QByteArray &bytes) {
        m_wireBytes += bytes.size();
        if (direction[0] == '<')
            m_sinceReply.start();
    });
}

bool ClockOnLine::isReady() const
{
    if (!m_sim.isReady())
        std::fprintf(stderr, "%s\n", qPrintable(m_sim.errorText()));
    return m_sim.isReady();
}

std::optional<bool> PacedOf(const QStringList &arguments, const char *subCommand)
{
    const bool paced = !arguments.contains(QLatin1String("--no-pace"));
    if (arguments.size() > (paced ? 0 : 1)) {
        std::fprintf(stderr, "usage: tamrel-bench %s [--no-pace]\n", subCommand);
        return std::nullopt;
    }
    return paced;
}

Stopwatch::Stopwatch() : m_cpuStart(processorSeconds())
{
    m_wall.start();
}

double Stopwatch::cpuSeconds() const
{
    return processorSeconds() - m_cpuStart;
}

QByteArray LineFigures(const Stopwatch &watch, double wireSeconds)
{
    const double elapsed = watch.elapsedSeconds();
    return QStringLiteral("elapsed_s=%1 wire_s=%2 ratio=%3 cpu_ratio=%4")
        .arg(elapsed, 0, 'f', 4)
        .arg(wireSeconds, 0, 'f', 4)
        .arg(elapsed / wireSeconds, 0, 'f', 4)
        .arg(watch.cpuSeconds() / elapsed, 0, 'f', 4)
        .toLatin1();
}
