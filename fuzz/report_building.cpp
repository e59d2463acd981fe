// A race file of any bytes as the report reads it, every flight built with
// owners for some rings: each arrival of the flight is listed once, the
// report text file holds its two headings and every arrival, and preview and
// print take the list as it stands.
#include "fuzz_check.h"
#include "reports/owner_names.h"
#include "reports/preview_text.h"
#include "reports/printed_report.h"
#include "reports/race_file_model.h"
#include "reports/race_file_reading.h"
#include "reports/report_builder.h"
#include "reports/report_on_screen.h"

#include <cstdint>

namespace {

// Jan Smith owns every bird whose serial ends in an odd digit.
struct SomeOwners : OwnerNames {
    std::optional<QString> ownerOf(const QByteArray &band) override
    {
        if (!band.isEmpty() && (band.back() & 1))
            return QStringLiteral("Jan Smith");
        return std::nullopt;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    RaceFileModel model;
    if (LoadRaceLines(model, RaceFileLinesFrom(bytes, false)) != RaceFileLoad::Loaded)
        return 0;
    SomeOwners owners;
    for (int flight = 0; flight < model.flightCount(); ++flight) {
        model.CurrentRaceIndex = qint16(flight);
        const FlightReport report = BuildChosenFlight(model, owners);
        const qsizetype arrivals = model.lists.ArrivalRace.count(qint16(flight));
        FUZZ_CHECK(report.listLines.size() == arrivals);
        FUZZ_CHECK(report.textFileLines.size() >= 2 + arrivals);
        const ReportOnScreen onScreen{QByteArray::number(flight + 1), report.boxes, report.listLines};
        FUZZ_CHECK(PreviewLines(onScreen).size() >= arrivals);
        FUZZ_CHECK(PrintedReport(onScreen).size() >= arrivals);
    }
    NotShownNote(model);
    return 0;
}
