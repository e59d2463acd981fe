#pragma once

#include "race_data/race_lines.h"

#include <QString>
#include <optional>

// The lines of a race file as the TAM writer wrote them: one block a line,
// ended by CR LF or LF; commas and quotes are part of the line.
struct RaceFileLines {
    RaceImage lines;
    bool cutShort = false;   // the file goes on beyond the read limit
};

// No race memory comes near this; whatever else sits in the race folder is
// read no further.
inline constexpr qint64 RaceFileReadLimit = 1024 * 1024;

// Lines longer than any race line are kept only as far as it takes to see
// that; nothing when the path names no readable file.
std::optional<RaceFileLines> ReadRaceFileLines(const QString &path);
// The same for bytes already read; cutShort: the file goes on beyond them.
RaceFileLines RaceFileLinesFrom(const QByteArray &bytes, bool cutShort);
