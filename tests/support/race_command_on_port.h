#pragma once

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "clock/qt_serial_port.h"
#include "race_data/race_memory_readout.h"
#include "recording_progress_view.h"
#include "recording_prompter.h"

// A race command's world on the real serial port, for end-to-end runs
// against tamrel-clocksim (TAMREL_COM1 names its link).
struct RaceCommandOnPort {
    QtSerialPort port;
    SteadyClock clock;
    RecordingPrompter prompter;
    ClockLink link{port, clock, prompter};
    ClockIdentity identity;
    RecordingProgressView progress;
    TransferContext context{link, identity, prompter, progress, [] {}};
};
