#pragma once

#include <QStringList>

// tamrel-bench readout [--no-pace]: the race memory of a full module (10 race
// headers, 1,000 arrival lines) read from tamrel-clocksim through the real
// serial port, measured against the time its bytes need on a 9600 baud line.
int RunReadoutBench(const QStringList &arguments);
