#pragma once

#include <QStringList>

// tamrel-bench birdwindow [--runs N]: opens the real bird window offscreen on
// a flyer with 1,000 birds in a program whose database is open already, as
// after start-up; the median of N openings. The first opening, which also
// opens the database, is printed on its own line.
int RunBirdWindowBench(const QStringList &arguments);
