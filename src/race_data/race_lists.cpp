#include "race_data/race_lists.h"

ReaderRules ReaderRules::ventaroWriter()
{
    // Slot 0 stays free in the Ventaro numbering.
    return ReaderRules{false, '0', false, RaceLists::HeaderSlots - 1, RaceLists::ArrivalSlots - 1};
}

ReaderRules ReaderRules::raceReport()
{
    return ReaderRules{true, '*', true, RaceLists::HeaderSlots, RaceLists::ArrivalSlots};
}

RaceLists ClassifyRaceImage(const RaceImage &image, const ReaderRules &rules)
{
    RaceLists lists;
    bool flightLeftOut = false;
    for (const QByteArray &line : image) {
        const RaceLineKind kind = KindOfRaceLine(line);
        const bool startsFlight = kind == RaceLineKind::RaceHeader
                               || (kind == RaceLineKind::TrainingHeader && rules.trainingStartsFlight);
        if (startsFlight) {
            flightLeftOut = lists.RaceHeaderLines.size() >= rules.headerLimit;
            if (flightLeftOut)
                ++lists.headersLeftOut;
            else
                lists.RaceHeaderLines.append(HeaderAsRead(line, rules.headerFiller));
        } else if (kind == RaceLineKind::Arrival && (rules.keepUnknownRings || !IsUnknownRing(line))) {
            if (flightLeftOut || lists.ArrivalLines.size() >= rules.arrivalLimit) {
                ++lists.arrivalsLeftOut;
            } else {
                lists.ArrivalLines.append(line);
                lists.ArrivalRace.append(qint16(lists.RaceHeaderLines.size() - 1));
            }
        }
    }
    return lists;
}
