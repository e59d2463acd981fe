// A race memory of any lines, as both readers sort it: every line is kept or
// counted as left out, and the Ventaro records of what is kept have their
// widths.
#include "fuzz_check.h"
#include "race_data/race_lists.h"
#include "race_data/ventaro_races.h"
#include "race_data/ventaro_records.h"

#include <cstdint>

namespace {

// The lines a reader takes: headers that start a flight, arrivals it keeps.
qsizetype linesTaken(const RaceImage &image, const ReaderRules &rules)
{
    qsizetype taken = 0;
    for (const QByteArray &line : image) {
        const RaceLineKind kind = KindOfRaceLine(line);
        if (kind == RaceLineKind::RaceHeader || (kind == RaceLineKind::TrainingHeader && rules.trainingStartsFlight)
            || (kind == RaceLineKind::Arrival && (rules.keepUnknownRings || !IsUnknownRing(line))))
            ++taken;
    }
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RaceImage image = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n');
    for (const ReaderRules &rules : {ReaderRules::raceReport(), ReaderRules::ventaroWriter()}) {
        const RaceLists lists = ClassifyRaceImage(image, rules);
        FUZZ_CHECK(lists.RaceHeaderLines.size() <= rules.headerLimit);
        FUZZ_CHECK(lists.ArrivalLines.size() <= rules.arrivalLimit);
        FUZZ_CHECK(lists.ArrivalLines.size() == lists.ArrivalRace.size());
        // Every line a reader takes is kept or counted as left out.
        const qsizetype kept = lists.RaceHeaderLines.size() + lists.ArrivalLines.size();
        FUZZ_CHECK(kept + lists.linesLeftOut() == linesTaken(image, rules));
    }

    const VentaroRaces races = SortForVentaro(image);
    const RaceLists &lists = races.lists;
    const VentaroVersions versions{"1.0.0", 3.6, 2.16};
    for (qsizetype race = 0; race < lists.RaceHeaderLines.size(); ++race) {
        const QByteArray &header = lists.RaceHeaderLines.at(race);
        FUZZ_CHECK(VentaroClockRecord(header).size() == 34);
        FUZZ_CHECK(VentaroRaceRecord(header, 1, "Jan Smith", versions).startsWith('1'));
        for (qsizetype a = 0; a < lists.ArrivalLines.size(); ++a) {
            if (lists.ArrivalRace.at(a) == race)
                FUZZ_CHECK(VentaroArrivalRecord(header, lists.ArrivalLines.at(a), "BL").size() == 63 + 2);
        }
    }
    FUZZ_CHECK(races.compatible <= races.raceCount());
    NothingToSave(races);
    return 0;
}
