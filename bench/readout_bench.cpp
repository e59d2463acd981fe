#include "readout_bench.h"

#include "clock/clock_identity.h"
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

// Ten races of a hundred birds each, laid out like the clock's lines.
RaceImage fullModule()
{
    RaceImage image;
    for (int race = 1; race <= Races; ++race) {
        image.append("1234010200500012345051024190000051224180005051224180000"
                     + QByteArray::number(race).rightJustified(2, '0') + " 05/11 BRIGHTON00");
        for (int bird = 0; bird < ArrivalsPerRace; ++bird)
            image.append("AU24DEMO" + QByteArray::number(race * 1000 + bird).rightJustified(6, '0') + "0"
                         + QByteArray::number(100000 + bird * 37) + "0511");
    }
    return image;
}

} // namespace

int RunReadoutBench(const QStringList &arguments)
{
    const bool paced = !arguments.contains(QLatin1String("--no-pace"));
    if (arguments.size() > (paced ? 0 : 1)) {
        std::fprintf(stderr, "usage: tamrel-bench readout [--no-pace]\n");
        return 2;
    }
    const RaceImage module = fullModule();
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
