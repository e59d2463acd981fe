#include "ventaro_bench.h"

#include "admin_db/db/database.h"
#include "admin_db/db/transaction.h"
#include "bench_database.h"
#include "bench_race_memory.h"
#include "clock/clock_identity.h"
#include "clock_on_line.h"
#include "common/folders.h"
#include "race_data/save_ventaro_race_data.h"
#include "race_data/tam_file_writer.h"
#include "transfer/transfer_context.h"
#include "unseen_progress.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Races = 10;
constexpr int ArrivalsPerRace = 99;
const QDate RaceDay(2026, 5, 11);

void storeTheBirds(Database &db)
{
    Connection &c = db.connection();
    Transaction together(c);
    c.execute("INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (5, 2, 'Jan Smith')");
    Statement bird = c.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, "
                               "elecnumber, color, type) VALUES (5, 'AU', '24', 'DEMO', ?, 'C', '0000000000', 'J', '1')");
    for (int race = 1; race <= Races; ++race) {
        for (int b = 0; b < ArrivalsPerRace; ++b) {
            bird.bind(1, BenchRing(race, b).mid(8)).run();
            bird.reset();
        }
    }
    together.commit();
}

// Answers the date and the file as a user would.
class BenchUser : public StderrPrompter {
public:
    explicit BenchUser(QString file) : m_file(std::move(file)) {}
    std::optional<QString> input(const QString &, const QString &, const QString &proposed) override
    {
        return proposed;
    }
    QString saveFileName(const SaveFileRequest &) override { return m_file; }

private:
    QString m_file;
};

} // namespace

int RunVentaroBench(const QStringList &arguments)
{
    const std::optional<bool> pacing = PacedOf(arguments, "ventaro");
    if (!pacing)
        return 2;
    const bool paced = *pacing;
    QTemporaryDir folder;
    Database db;
    if (!PrepareBenchDatabase(db, folder))
        return 1;
    storeTheBirds(db);
    const QString raceFile = folder.filePath(QStringLiteral("12340102.005"));
    if (!WriteTamRaceFile(raceFile, BenchRaceMemory(Races, ArrivalsPerRace)).ok)
        return 1;
    ClockOnLine line(paced, {QStringLiteral("--race"), raceFile, QStringLiteral("--model"), QStringLiteral("talmi"),
                             QStringLiteral("--lmd-version"), QStringLiteral("3.60")});
    if (!line.isReady())
        return 1;

    const Folders folders(folder.path(), folder.filePath(QStringLiteral("TAM/")));
    const QString ventaroFile = folders.inRaceDir(QStringLiteral("W0000020.D00"));
    BenchUser user(ventaroFile);
    ClockIdentity identity;
    UnseenProgress progress;
    TransferContext context{line.link(), identity, user, progress, [] {}};
    const Stopwatch watch;
    SaveVentaroRaceData(context, db, folders, RaceDay.addDays(9));
    const double writeSeconds = line.secondsSinceLastReply();
    const double readoutSeconds = watch.elapsedSeconds() - writeSeconds;

    QFile written(ventaroFile);
    const qsizetype lines = written.open(QIODevice::ReadOnly) ? written.readAll().count('\n') : 0;
    // Record 0, then records 1 and 2 and the arrivals of each race.
    const bool whole = lines == 1 + Races * (2 + ArrivalsPerRace) && user.messages == 1;
    std::printf("ventaro: line=%s file_lines=%lld whole=%s messages=%d\n", paced ? "9600" : "unpaced",
                qint64(lines), whole ? "yes" : "no", user.messages);
    std::printf("ventaro: races=%d arrivals=%d readout_ratio=%.3f write_ms=%.1f\n", Races, Races * ArrivalsPerRace,
                readoutSeconds / line.wireSeconds(), writeSeconds * 1000);
    return whole ? 0 : 1;
}
