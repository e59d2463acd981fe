#include "link_bench.h"

#include "clock/clock_link.h"
#include "clock/qt_serial_port.h"
#include "clocksim_process.h"
#include "stderr_prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Baud = 9600;

double cpuSeconds()
{
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

} // namespace

int RunLinkBench(const QStringList &arguments)
{
    bool paced = true;
    int exchanges = 500;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--no-pace"))
            paced = false;
        else if (arguments.at(i) == QLatin1String("--exchanges") && i + 1 < arguments.size())
            exchanges = qMax(1, arguments.at(++i).toInt());
        else {
            std::fprintf(stderr, "usage: tamrel-bench link [--no-pace] [--exchanges N]\n");
            return 2;
        }
    }

    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/tamrel-clocksim");
    ClocksimProcess sim(program, paced ? QStringList{"--pace-baud", QString::number(Baud)} : QStringList());
    if (!sim.isReady()) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorText()));
        return 1;
    }
    qputenv("TAMREL_COM1", sim.linkPath().toLocal8Bit());
    QtSerialPort port;
    SteadyClock clock;
    StderrPrompter prompter;
    ClockLink link(port, clock, prompter);
    qint64 wireBytes = 0;
    link.setTrace([&wireBytes](const char *, const QByteArray &bytes) { wireBytes += bytes.size(); });

    // The first exchange opens the port; it is not part of the figure.
    const QByteArray expected = link.SendCommand("v");
    if (!expected.startsWith('v') || expected.size() != 21) {
        std::fprintf(stderr, "no identification from the clock\n");
        return 1;
    }
    wireBytes = 0;
    int failures = 0;
    const double cpuStart = cpuSeconds();
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < exchanges; ++i) {
        if (link.SendCommand("v") != expected)
            ++failures;
    }
    const double elapsedS = double(elapsed.nsecsElapsed()) / 1e9;
    const double cpuS = cpuSeconds() - cpuStart;
    const double wireS = double(wireBytes) * 10 / Baud;

    std::printf("link: line=%s failures=%d messages=%d\n", paced ? "9600" : "unpaced", failures, prompter.messages);
    std::printf("link: exchanges=%d elapsed_s=%.4f wire_s=%.4f ratio=%.4f cpu_ratio=%.4f\n", exchanges, elapsedS,
                wireS, elapsedS / wireS, cpuS / elapsedS);
    return failures == 0 ? 0 : 1;
}
