#include "link_bench.h"

#include "clock_on_line.h"

#include <cstdio>

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

    ClockOnLine line(paced, {});
    if (!line.isReady())
        return 1;
    ClockLink &link = line.link();

    // The first exchange opens the port; it is not part of the figure.
    const QByteArray expected = link.SendCommand("v");
    if (!expected.startsWith('v') || expected.size() != 21) {
        std::fprintf(stderr, "no identification from the clock\n");
        return 1;
    }
    line.resetWireBytes();
    int failures = 0;
    const Stopwatch watch;
    for (int i = 0; i < exchanges; ++i) {
        if (link.SendCommand("v") != expected)
            ++failures;
    }
    const QByteArray figures = LineFigures(watch, line.wireSeconds());

    std::printf("link: line=%s failures=%d messages=%d\n", paced ? "9600" : "unpaced", failures,
                line.prompter().messages);
    std::printf("link: exchanges=%d %s\n", exchanges, figures.constData());
    return failures == 0 ? 0 : 1;
}
