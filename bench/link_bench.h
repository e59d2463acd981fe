#pragma once

#include <QStringList>

// tamrel-bench link [--no-pace] [--exchanges N]: identification exchanges
// through the real serial port against tamrel-clocksim on a 9600 baud line,
// measured against the time the bytes need on the wire.
int RunLinkBench(const QStringList &arguments);
