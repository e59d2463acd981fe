#include "reports/flight_choice.h"

#include "reports/race_file_model.h"
#include "reports/report_text_file.h"

ChosenFlight ChooseFlight(RaceFileModel &model, int flight, OwnerNames &owners)
{
    model.CurrentRaceIndex = qint16(flight - 1);
    ChosenFlight chosen{BuildChosenFlight(model, owners), Outcome::success()};
    chosen.saved = SaveReportTextFile(model, chosen.report);
    return chosen;
}
