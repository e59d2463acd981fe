#pragma once

#include "clocksim_process.h"
#include "link_rig.h"

// A running tamrel-clocksim and the program's link to it: port 1 names the
// stand-in's link.
struct ClocksimSession : LinkRigOnPort {
    explicit ClocksimSession(const QStringList &arguments) : sim(arguments)
    {
        qputenv("TAMREL_COM1", sim.linkPath().toLocal8Bit());
    }

    ClocksimProcess sim;
};
