#pragma once

#include "common/outcome.h"
#include "reports/report_builder.h"

class OwnerNames;
struct RaceFileModel;

// What choosing a flight of the race file did: its report, built with the
// owners' names, and the report text file written beside the race file.
struct ChosenFlight {
    FlightReport report;
    Outcome saved;
};

// flight: as the report window's chooser counts them, from 1.
ChosenFlight ChooseFlight(RaceFileModel &model, int flight, OwnerNames &owners);
