#pragma once

#include "race_data/race_lines.h"

// How one reader sorts an image into flights.
struct ReaderRules {
    bool trainingStartsFlight;   // training headers count as flights
    char headerFiller;           // fills 72-character race headers
    bool keepUnknownRings;       // "Unknown" arrivals take a slot
    int headerLimit;             // slots the reader may fill
    int arrivalLimit;

    // Race headers only, numbered from 1 (at most 10), without unknown rings.
    static ReaderRules ventaroWriter();
    // Race and training headers, numbered from 0, every arrival.
    static ReaderRules raceReport();
};

// One classified race memory image. Lines that do not fit are left out and
// counted, never written past the slots.
struct RaceLists {
    static constexpr int HeaderSlots = 11;
    static constexpr int ArrivalSlots = 1001;

    // The clock system's own lists, under their own names.
    QList<QByteArray> RaceHeaderLines;
    QList<QByteArray> ArrivalLines;
    // For each arrival, its flight's index in RaceHeaderLines; -1 for an
    // arrival that comes before any header.
    QList<qint16> ArrivalRace;

    int headersLeftOut = 0;
    // Arrivals beyond the slots, and those of a flight that was left out.
    int arrivalsLeftOut = 0;

    int linesLeftOut() const { return headersLeftOut + arrivalsLeftOut; }
};

RaceLists ClassifyRaceImage(const RaceImage &image, const ReaderRules &rules);
