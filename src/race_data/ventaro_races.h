#pragma once

#include "race_data/race_lists.h"

#include <QString>

// A race memory sorted for a Ventaro race file: the race headers (at most
// 10) and their arrivals (at most 1,000), which races Ventaro can read, and
// what the user should hear about the others.
struct VentaroRaces {
    RaceLists lists;
    int compatible = 0;
    // One line per race without strike-out time, then the counts when some
    // races are not for Ventaro; empty when all are.
    QString notice;

    int raceCount() const { return int(lists.RaceHeaderLines.size()); }
};

VentaroRaces SortForVentaro(const RaceImage &image);

inline const QString RaceDataNotSaved = QStringLiteral("Race data not saved.");

// Why nothing can be saved; empty when the races can be.
QString NothingToSave(const VentaroRaces &races);
