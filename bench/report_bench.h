#pragma once

#include <QStringList>

// tamrel-bench report: the race report of one flight of 1,000
// arrivals against a database of 5,000 birds, from reading the race file to
// the report text file written. The figure is the slowest of five builds.
int RunReportBench(const QStringList &arguments);
