#pragma once

#include "fake_race_clock.h"
#include "link_rig.h"
#include "race_data/race_memory_readout.h"
#include "sample_race_lines.h"

#include <functional>

// A race command's world: a scripted clock on a fake port, in virtual time.
struct RaceCommandRig : LinkRig {
    FakeRaceClock clock;

    RaceCommandRig() { port.setResponder(std::ref(clock)); }
};
