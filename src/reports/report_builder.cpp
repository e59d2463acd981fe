#include "reports/report_builder.h"

#include "common/field.h"
#include "common/latin1.h"
#include "race_data/race_lines.h"
#include "reports/day_tracker.h"
#include "reports/owner_names.h"
#include "reports/race_file_model.h"
#include "reports/report_lines.h"

namespace {

// Dates of a header without a valid clock set time are taken in a leap
// year, so that no date of the calendar is refused.
constexpr int LeapYear = 2000;

// Both builders list the arrivals of the current flight alike.
void addArrivals(const RaceFileModel &model, FlightReport &report, OwnerNames &owners)
{
    report.textFileLines = {ReportHeadingLine(), ReportSecondLine(report.training)};
    report.table = {ArrivalTableHeadings()};
    const RaceLists &lists = model.lists;
    std::optional<DayTracker> days;
    int position = 0;
    for (qsizetype i = 0; i < lists.ArrivalLines.size(); ++i) {
        if (lists.ArrivalRace.at(i) != model.CurrentRaceIndex)
            continue;
        const QByteArray &arrival = lists.ArrivalLines.at(i);
        if (!days)
            days.emplace(arrival, FlightYear(model.currentHeader(), LeapYear));
        ++position;
        // A bird whose flyer is missing is listed like an unknown ring.
        const std::optional<QString> owner = owners.ownerOf(Field(arrival, 1, 14));
        const QString ownerName = owner.value_or(QString::fromLatin1(UnknownFlyer));
        const QByteArray name = toBytes(ownerName);
        if (const std::optional<QByteArray> dayLine = days->lineBefore(arrival))
            report.textFileLines.append(*dayLine);
        report.listLines.append(ArrivalListLine(position, name, arrival));
        report.textFileLines.append(ArrivalFileLine(position, name, arrival));
        report.table.append(ArrivalTableRow(position, ownerName, arrival));
    }
}

} // namespace

FlightReport fillform(const RaceFileModel &model, OwnerNames &owners)
{
    FlightReport report;
    report.boxes = RaceHeaderBoxes(model.currentHeader());
    addArrivals(model, report, owners);
    return report;
}

FlightReport tfillform(const RaceFileModel &model, OwnerNames &owners)
{
    FlightReport report;
    report.training = true;
    report.boxes = TrainingHeaderBoxes(model.currentHeader());
    addArrivals(model, report, owners);
    return report;
}

FlightReport BuildChosenFlight(const RaceFileModel &model, OwnerNames &owners)
{
    return KindOfRaceLine(model.currentHeader()) == RaceLineKind::TrainingHeader ? tfillform(model, owners)
                                                                                : fillform(model, owners);
}
