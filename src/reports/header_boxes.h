#pragma once

#include <QByteArray>

// What the header boxes of the race report window show for one flight.
struct HeaderBoxes {
    QByteArray raceNum;           // lblRaceNum: the header's race number, or "Training"
    QByteArray raceDate;          // txtRaceDate
    QByteArray liberationPoint;   // txtLiberationPoint
    QByteArray concourse;         // txtConcourse
    QByteArray combine;           // txtCombine
    QByteArray clubNo;            // txtClubNo
    QByteArray flyerNo;           // txtFlyerNo
    QByteArray lmdSerial;         // txtLMDSN, without leading zeros
    QByteArray clockStart;        // txtClockStart
    QByteArray clockStop;         // txtClockStop: the verified time
    QByteArray knockOff;          // txtKnockOff: the clock's time at knock-off
    QByteArray devAmount;         // txtDevAmount
    QByteArray devLabel;          // txtDevLabel
    bool noKnockOff = false;      // the two knock-off boxes show in red
};

inline constexpr char NoKnockOffText[] = "NO Knock Off";
inline constexpr char ClockErrorText[] = "Possible clock ERROR!!";
inline constexpr char InvalidClockTimeText[] = "Invalid clock time";

// The header part of fillform: a race.
HeaderBoxes RaceHeaderBoxes(const QByteArray &header);
// The header part of tfillform: a training flight, which has no knock-off.
HeaderBoxes TrainingHeaderBoxes(const QByteArray &header);

// The year the flight's clock was set in, when the header says.
int FlightYear(const QByteArray &header, int fallback);
