#include "admin_bench.h"

#include "admin_db/records/admin_shared_state.h"
#include "admin_db/birds/bird_inventory.h"
#include "admin_db/db/lookups.h"
#include "clock/clock_identity.h"
#include "common/folders.h"
#include "bench_database.h"
#include "no_transfers.h"
#include "stderr_prompter.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int FlyerCount = 200;
constexpr int BirdsPerFlyer = 999;

void printPlan(Connection &c, const char *what, const QByteArray &sql)
{
    Statement plan = c.prepare("EXPLAIN QUERY PLAN " + sql);
    while (plan.next())
        std::printf("plan %s: %s\n", what, qPrintable(plan.text("detail")));
}

} // namespace

int RunAdminBench(const QStringList &arguments)
{
    const int runs = RunsOf(arguments, 5, "admin");
    if (runs == 0)
        return 2;
    QTemporaryDir folder;
    Database db;
    if (!PrepareBenchDatabase(db, folder))
        return 1;
    const double fillMs = millisecondsOf([&db] { FillFlyersAndBirds(db, FlyerCount, BirdsPerFlyer); });

    StderrPrompter prompter;
    AdminSharedState shared;
    ClockIdentity clock;
    NoTransfers transfers;
    BirdInventory birds(db, prompter, shared, clock, [] { return QStringLiteral("US"); }, transfers);
    birds.load();

    QList<double> list, add, search;
    for (int run = 0; run < runs; ++run) {
        list.append(millisecondsOf([&] { birds.flyerClicked(100 + run); }));
        if (birds.view().birdLines.size() != BirdsPerFlyer) {
            std::fprintf(stderr, "listed %lld birds, not %d\n", qint64(birds.view().birdLines.size()), BirdsPerFlyer);
            return 1;
        }
        birds.birdClicked(BirdsPerFlyer - 1, {BirdsPerFlyer - 1});
        birds.addNew();
        birds.fieldEdited(BandField::IdNumber, QStringLiteral("%1").arg(run + 1, 6, 10, QLatin1Char('0')));
        add.append(millisecondsOf([&] { birds.save(); }));
        if (birds.adding() || prompter.messages > 0) {
            std::fprintf(stderr, "the bird was not added\n");
            return 1;
        }
        search.append(millisecondsOf([&] { birds.searchChanged(QStringLiteral("flyer 1%1").arg(run % 10)); }));
        if (birds.view().flyerLines.size() != 10) {
            std::fprintf(stderr, "the search listed %lld flyers, not 10\n", qint64(birds.view().flyerLines.size()));
            return 1;
        }
        birds.searchChanged(QString());
    }

    Connection &c = db.connection();
    printPlan(c, "list", QByteArray("SELECT rowid FROM birds WHERE BirdFlyerID = ? ") + LookupSql::BirdOrder
                             + ", rowid");
    printPlan(c, "band", QByteArray("SELECT 1 FROM birds WHERE ") + LookupSql::BandIs + " AND rowid <> ?");
    printPlan(c, "search", QByteArray("SELECT FlyerID FROM flyerlist WHERE Name ") + LookupSql::PrefixLike
                               + " ORDER BY FlyerID");
    Statement count = c.prepare("SELECT count(*) FROM birds");
    count.next();
    birds.end();
    std::printf("fill_ms=%.0f runs=%d\n", fillMs, runs);
    std::printf("admin: birds=%lld list_ms=%.1f add_ms=%.1f search_ms=%.1f\n", count.number(0), median(list),
                median(add), median(search));
    return 0;
}
