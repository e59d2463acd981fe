#include "admin_bench.h"
#include "backup_bench.h"
#include "bird_window_bench.h"
#include "dos_bench.h"
#include "link_bench.h"
#include "readout_bench.h"
#include "report_bench.h"
#include "transfer_bench.h"
#include "ventaro_bench.h"

#include <QApplication>

#include <cstdio>

namespace {

struct SubCommand {
    const char *name;
    int (*run)(const QStringList &arguments);
};

constexpr SubCommand SubCommands[] = {
    {"link", RunLinkBench},
    {"admin", RunAdminBench},
    {"birdwindow", RunBirdWindowBench},
    {"readout", RunReadoutBench},
    {"report", RunReportBench},
    {"transfer", RunTransferBench},
    {"ventaro", RunVentaroBench},
    {"dos", RunDosBench},
    {"backup", RunBackupBench},
};

int usage()
{
    std::fprintf(stderr, "usage: tamrel-bench SUBCOMMAND [options]\nsub-commands:");
    for (const SubCommand &c : SubCommands)
        std::fprintf(stderr, " %s", c.name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

// Each sub-command prints its figures as its last line.
int main(int argc, char **argv)
{
    // The window benchmarks open real windows, never on the user's screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    for (const SubCommand &c : SubCommands) {
        if (arguments.constFirst() == QLatin1String(c.name))
            return c.run(arguments.mid(1));
    }
    return usage();
}
