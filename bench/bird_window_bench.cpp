#include "bird_window_bench.h"

#include "admin_db/birds/bird_inventory_window.h"
#include "admin_db/db/database.h"
#include "admin_db/records/admin_shared_state.h"
#include "bench_database.h"
#include "no_transfers.h"
#include "clock/clock_identity.h"
#include "stderr_prompter.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Birds = 1000;

// Opens the window as the menu does, shows it and closes it; the birds it
// listed, or -1.
int openOnce(Database &db, StderrPrompter &prompter, AdminSharedState &shared, const ClockIdentity &clock, double &ms)
{
    int listed = -1;
    ms = millisecondsOf([&] {
        NoTransfers transfers;
        BirdInventoryWindow window(db, prompter, shared, clock, [] { return QStringLiteral("US"); }, transfers);
        window.show();
        QApplication::processEvents();
        const auto *birds = window.findChild<QListWidget *>(QStringLiteral("lstPigeonList"));
        listed = birds ? birds->count() : -1;
        window.close();
    });
    return listed;
}

} // namespace

int RunBirdWindowBench(const QStringList &arguments)
{
    const int runs = RunsOf(arguments, 11, "birdwindow");
    if (runs == 0)
        return 2;
    QTemporaryDir folder;
    Database db;
    if (!PrepareBenchDatabase(db, folder))
        return 1;
    FillFlyersAndBirds(db, 1, Birds);
    db.closeAll();

    StderrPrompter prompter;
    AdminSharedState shared;
    ClockIdentity clock;
    double coldMs = 0;
    if (openOnce(db, prompter, shared, clock, coldMs) != Birds) {
        std::fprintf(stderr, "the window did not list the flyer's %d birds\n", Birds);
        return 1;
    }
    QList<double> open;
    for (int run = 0; run < runs; ++run) {
        double ms = 0;
        openOnce(db, prompter, shared, clock, ms);
        open.append(ms);
    }
    std::printf("first_open_ms=%.1f runs=%d\n", coldMs, runs);
    std::printf("birdwindow: birds=%d open_ms=%.1f\n", Birds, median(open));
    return 0;
}
