#include "admin_bench.h"

#include "admin_db/admin_shared_state.h"
#include "admin_db/bird_inventory.h"
#include "admin_db/lookup_sql.h"
#include "admin_db/transaction.h"
#include "clock/clock_identity.h"
#include "common/folders.h"
#include "stderr_prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int FlyerCount = 200;
constexpr int BirdsPerFlyer = 999;

// One transaction for all; the serials of each flyer go in shuffled, so that
// the listing has to sort them.
void fill(Database &db)
{
    Connection own;
    own.open(db.path(), db.key());
    Transaction together(own);
    Statement flyer = own.prepare("INSERT INTO flyerlist (Name, ClubID) VALUES (?, 1)");
    Statement bird = own.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, "
                                 "elecnumber, color, type) VALUES (?, 'US', '20', ?, ?, 'C', ?, 'J', '0')");
    for (int f = 1; f <= FlyerCount; ++f) {
        flyer.bind(1, QStringLiteral("Flyer %1").arg(f, 3, 10, QLatin1Char('0'))).run();
        flyer.reset();
        for (int b = 0; b < BirdsPerFlyer; ++b) {
            const int serial = (b * 7919) % BirdsPerFlyer + 1;
            bird.bind(1, qint64(f)).bind(2, QStringLiteral("F%1").arg(f, 3, 10, QLatin1Char('0')));
            bird.bind(3, QStringLiteral("%1").arg(serial * 100, 6, 10, QLatin1Char('0')));
            bird.bind(4, QStringLiteral("%1").arg(qint64(f) * 10000 + serial, 10, 10, QLatin1Char('0'))).run();
            bird.reset();
        }
    }
    together.commit();
}

double median(QList<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures.at(figures.size() / 2);
}

template <typename F> double millisecondsOf(F &&action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}

void printPlan(Connection &c, const char *what, const QByteArray &sql)
{
    Statement plan = c.prepare("EXPLAIN QUERY PLAN " + sql);
    while (plan.next())
        std::printf("plan %s: %s\n", what, qPrintable(plan.text("detail")));
}

} // namespace

int RunAdminBench(const QStringList &arguments)
{
    int runs = 5;
    if (arguments.size() == 2 && arguments.at(0) == QLatin1String("--runs") && arguments.at(1).toInt() > 0) {
        runs = arguments.at(1).toInt();
    } else if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: tamrel-bench admin [--runs N]\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString delivered = QCoreApplication::applicationDirPath() + QStringLiteral("/tamreldata.mdb");
    if (!folder.isValid() || !QFile::copy(delivered, folder.filePath(QStringLiteral("tamreldata.mdb")))) {
        std::fprintf(stderr, "cannot copy %s into a scratch folder\n", qPrintable(delivered));
        return 1;
    }
    Database db;
    PrepareDatabase(db, Folders(folder.path() + QLatin1Char('/'), folder.path() + QStringLiteral("/TAM/")));
    const double fillMs = millisecondsOf([&db] { fill(db); });

    StderrPrompter prompter;
    AdminSharedState shared;
    ClockIdentity clock;
    BirdInventory birds(db, prompter, shared, clock, [] { return QStringLiteral("US"); });
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

    Connection &c = db.connection(Table::birds);
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
