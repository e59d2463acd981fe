#include "readout_bench.h"

#include "clock/clock_identity.h"
#include "bench_race_memory.h"
#include "clock_on_line.h"
#include "unseen_progress.h"
#include "race_data/race_memory_readout.h"
#include "race_data/save_tam_race_data.h"
#include "race_data/tam_file_writer.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Races = 10;
constexpr int ArrivalsPerRace = 100;

} // namespace

int RunReadoutBench(const QStringList &arguments)
{
    const std::optional<bool> pacing = PacedOf(arguments, "readout");
    if (!pacing)
        return 2;
    const bool paced = *pacing;
    const RaceImage module = BenchRaceMemory(Races, ArrivalsPerRace);
    QTemporaryDir folder;
    const QString raceFile = folder.filePath(QStringLiteral("12340102.005"));
    const Outcome written = folder.isValid() ? WriteTamRaceFile(raceFile, module)
                                             : Outcome::failure({});
    if (!written.ok) {
        std::fprintf(stderr, "cannot write the module's race file: %s\n", qPrintable(written.message));
        return 1;
    }
    ClockOnLine line(paced, {QStringLiteral("--race"), raceFile});
    if (!line.isReady())
        return 1;

    ClockIdentity identity;
    UnseenProgress progress;
    TransferContext context{line.link(), identity, line.prompter(), progress, [] {}};
    const Stopwatch watch;
    const RaceReadout readout = ReadRaceMemory(context, TamBlockCapacity);
    const QByteArray figures = LineFigures(watch, line.wireSeconds());
    line.link().closePort();

    const bool same = readout.end == RaceReadout::End::Complete && readout.blocks == module;
    std::printf("readout: line=%s same=%s messages=%d\n", paced ? "9600" : "unpaced", same ? "yes" : "no",
                line.prompter().messages);
    std::printf("readout: blocks=%lld %s\n", qint64(readout.blocks.size()), figures.constData());
    return same ? 0 : 1;
}
