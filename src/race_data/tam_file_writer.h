#pragma once

#include "race_data/race_lines.h"

#include <QString>

// Writes an image as a TAM race file: every block as it came, each ended by
// CR LF. The file is written beside its place and renamed into it when
// complete, so a failure leaves an existing file as it was. Creates the
// folder when it is missing. On failure *error says why.
bool WriteTamRaceFile(const QString &path, const RaceImage &image, QString *error);
