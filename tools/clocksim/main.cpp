#include "clock_responder.h"
#include "command_handler.h"
#include "exchange_log.h"
#include "faults.h"
#include "initial_module.h"
#include "line_pacing.h"
#include "module_file.h"
#include "pty_link.h"
#include "serve_loop.h"
#include "sim_options.h"
#include "stop_signals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
int failed(const QString &error, int code)
{
    std::fprintf(stderr, "tamrel-clocksim: %s\n", qPrintable(error));
    return code;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString error;
    // First, so that a stop never leaves the link behind.
    StopSignals stop;
    if (!stop.open(&error))
        return failed(error, 1);

    const auto options = ParseSimOptions(app.arguments(), &error);
    if (!options) {
        failed(error, 2);
        std::fputs(SimUsage, stderr);
        return 2;
    }
    bool created = false;
    auto module = InitialModule(*options, &created, &error);
    if (!module)
        return failed(error, 2);
    const auto save = [&] {
        QString why;
        if (!options->lmdPath.isEmpty() && !WriteModuleFile(options->lmdPath, *module, &why))
            std::fprintf(stderr, "tamrel-clocksim: %s\n", qPrintable(why));
    };
    if (created)
        save();

    ExchangeLog log;
    if (!options->logPath.isEmpty() && !log.open(options->logPath, &error))
        return failed(error, 2);
    FaultInjector faults(options->faults, options->seed);
    CommandHandler commands(*module, options->directData, save);
    ClockResponder responder(commands, faults, log);
    LinePacing pacing(options->paceBaud);

    PtyLink pty;
    if (!pty.open(options->linkPath, &error))
        return failed(error, 1);
    std::printf("ready %s\n", qPrintable(options->linkPath));
    std::fflush(stdout);

    ServeLoop loop(pty.masterFd(), stop.fd(), pacing, responder);
    if (!loop.run(&error))
        return failed(error, 1);
    return 0;
}
