#pragma once

#include "race_data/race_lists.h"

#include <QString>

struct RaceFileLines;

// The race file the report windows work on, from the browser's choice to
// the report window's end.
struct RaceFileModel {
    // The clock system's own values, under their own names: the race file
    // chosen in the browser (each report build replaces it with the report
    // text file it wrote), and the flight shown.
    QString RaceFilePath;
    qint16 CurrentRaceIndex = 0;

    // Where the race file lies; the report text file goes beside it.
    QString folder;
    RaceLists lists;
    // Lines no flight of the report can show: beyond the lists, or arrivals
    // before the first header.
    int linesNotShown = 0;
    bool cutShort = false;

    int flightCount() const { return int(lists.RaceHeaderLines.size()); }
    QByteArray currentHeader() const { return lists.RaceHeaderLines.value(CurrentRaceIndex); }
};

enum class RaceFileLoad { Loaded, NotFound, NoFlight };

// Reads the file RaceFilePath names into the lists, the first flight chosen.
RaceFileLoad LoadRaceFile(RaceFileModel &model);
// The same for lines already read.
RaceFileLoad LoadRaceLines(RaceFileModel &model, const RaceFileLines &read);

// What the user should know about lines the report leaves out; empty when
// every line is shown.
QString NotShownNote(const RaceFileModel &model);
