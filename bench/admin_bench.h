#pragma once

#include <QStringList>

// tamrel-bench admin [--runs N]: a database of 200 flyers with 999 birds
// each, and the bird window's logic on it: listing one flyer's birds, adding
// a bird with its duplicate check, a flyer name prefix search. Each figure is
// the median of N runs.
int RunAdminBench(const QStringList &arguments);
