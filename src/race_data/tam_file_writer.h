#pragma once

#include "common/line_file.h"
#include "race_data/race_lines.h"

// A TAM race file is the image, every block as it came, one a line.
inline Outcome WriteTamRaceFile(const QString &path, const RaceImage &image)
{
    return WriteLineFile(path, image);
}
