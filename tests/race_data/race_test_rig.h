#pragma once

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "fake_race_clock.h"
#include "race_data/race_memory_readout.h"
#include "recording_progress_view.h"
#include "recording_prompter.h"

#include <functional>

// Lines laid out like the clock's.
namespace SampleLines {
// Concourse 1234, combine 01, club 02, flyer 005, clock set 05/10/24.
inline QByteArray raceHeader()
{
    return "123401020050001234505102419000005122418000505122418000001 05/11 BRIGHTON00";
}
inline QByteArray trainingHeader()
{
    return "1234010200500012345051524070000000000000000************";
}
inline QByteArray arrival(int band)
{
    return "AU24DEMO" + QByteArray::number(band).rightJustified(6, '0') + "01035120511";
}
} // namespace SampleLines

// A race command's world: a scripted clock on a fake port, in virtual time.
struct RaceCommandRig {
    FakeClock time;
    FakeSerialPort port{time};
    RecordingPrompter prompter;
    ClockLink link{port, time, prompter};
    ClockIdentity identity;
    RecordingProgressView progress;
    FakeRaceClock clock;
    int statusShown = 0;
    TransferContext context{link, identity, prompter, progress, [this] { ++statusShown; }};

    RaceCommandRig() { port.setResponder(std::ref(clock)); }
};
