#include "reports/header_boxes.h"

#include "common/field.h"
#include "common/text_helpers.h"
#include "reports/clock_date_time.h"

namespace {

constexpr qint64 DeviationLimitS = 10;

QByteArray clockSetGroups(const QByteArray &header) { return Field(header, 20, 12); }

// The parts both builders show alike.
HeaderBoxes commonBoxes(const QByteArray &header)
{
    HeaderBoxes boxes;
    boxes.concourse = Field(header, 1, 4);
    boxes.combine = Field(header, 5, 2);
    boxes.clubNo = Field(header, 7, 2);
    boxes.flyerNo = Field(header, 9, 3);
    boxes.lmdSerial = QByteArray::number(qint64(LenientNumber(Field(header, 12, 8))));
    // A valid time formatted mm/dd/yy hh:mm:ss reads exactly like its groups
    // joined; an invalid one is shown as it stands instead of not at all.
    boxes.clockStart = JoinedClockTime(clockSetGroups(header));
    return boxes;
}

} // namespace

HeaderBoxes RaceHeaderBoxes(const QByteArray &header)
{
    HeaderBoxes boxes = commonBoxes(header);
    boxes.raceNum = Field(header, 56, 2);
    boxes.raceDate = Field(header, 59, 5);
    boxes.liberationPoint = Field(header, 65, 8);

    const QByteArray verifiedGroups = Field(header, 32, 12);
    const QByteArray knockOffGroups = Field(header, 44, 12);
    if (LenientNumber(verifiedGroups.left(2)) == 0) {
        boxes.noKnockOff = true;
        boxes.clockStop = NoKnockOffText;
        boxes.knockOff = NoKnockOffText;
        boxes.devAmount = "0";
        boxes.devLabel = "second(s)";
        return boxes;
    }
    boxes.clockStop = JoinedClockTime(verifiedGroups);
    boxes.knockOff = JoinedClockTime(knockOffGroups);
    const std::optional<QDateTime> verified = ClockDateTime(verifiedGroups);
    const std::optional<QDateTime> clock = ClockDateTime(knockOffGroups);
    if (!verified || !clock) {
        // Reckoning from a zero date would accuse the clock of years.
        boxes.devAmount = "N/A";
        boxes.devLabel = InvalidClockTimeText;
        return boxes;
    }
    const qint64 deviation = clock->secsTo(*verified);
    boxes.devAmount = QByteArray::number(deviation);
    boxes.devLabel = qAbs(deviation) > DeviationLimitS ? QByteArray(ClockErrorText) : QByteArray("second(s)");
    return boxes;
}

HeaderBoxes TrainingHeaderBoxes(const QByteArray &header)
{
    HeaderBoxes boxes = commonBoxes(header);
    boxes.raceNum = "Training";
    boxes.raceDate = "N/A";
    boxes.liberationPoint = "N/A";
    boxes.clockStop = "N/A";
    boxes.knockOff = "N/A";
    boxes.devAmount = "N/A";
    return boxes;
}

int FlightYear(const QByteArray &header, int fallback)
{
    const std::optional<QDateTime> set = ClockDateTime(clockSetGroups(header));
    return set ? set->date().year() : fallback;
}
