#include "backup_bench.h"

#include "admin_db/db/backups.h"
#include "admin_db/db/database.h"
#include "bench_database.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Flyers = 200;
constexpr int BirdsPerFlyer = 999;

} // namespace

int RunBackupBench(const QStringList &arguments)
{
    const int runs = RunsOf(arguments, 3, "backup");
    if (runs == 0)
        return 2;
    QTemporaryDir folder;
    Database db;
    if (!PrepareBenchDatabase(db, folder))
        return 1;
    FillFlyersAndBirds(db, Flyers, BirdsPerFlyer);
    // The program's connection is open long before a backup is asked for.
    db.connection();
    QList<double> backups;
    QList<double> restores;
    const QString copy = Backups::proposedPath(db, QDate::currentDate());
    for (int run = 0; run < runs; ++run) {
        Outcome made;
        backups.append(millisecondsOf([&] { made = Backups::backUp(db, copy); }));
        Backups::Restored restored;
        restores.append(millisecondsOf(
            [&] { restored = Backups::restore(db, copy, QDateTime::currentDateTime().addSecs(run)); }));
        if (!made.ok || !restored.outcome.ok || restored.contents.birds != qint64(Flyers) * BirdsPerFlyer) {
            std::fprintf(stderr, "backup or restore failed: %s%s\n", qPrintable(made.message),
                         qPrintable(restored.outcome.message));
            return 1;
        }
    }
    std::printf("backup: birds=%d size_mb=%.1f backup_ms=%.0f restore_ms=%.0f\n", Flyers * BirdsPerFlyer,
                double(QFileInfo(db.path()).size()) / 1e6, median(backups), median(restores));
    return 0;
}
