#pragma once

#include "common/outcome.h"

#include <QByteArray>

struct FlightReport;
struct RaceFileModel;

// "LMD", characters 4 to 8 of the header's module serial, ".", the flyer
// number: LMD12345.005.
QByteArray ReportTextFileName(const QByteArray &header);

// Writes the report text file of the flight shown beside the race file and
// points RaceFilePath at it. A name that is no plain file name (a header
// from some other file) is refused rather than written wherever it points.
Outcome SaveReportTextFile(RaceFileModel &model, const FlightReport &report);
