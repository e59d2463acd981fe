#pragma once

#include <QStringList>

// tamrel-bench ventaro [--no-pace]: a module of 10 races and 990 arrivals
// read on a 9600 baud line and written as a Ventaro race file, the colours
// of all 990 birds looked up.
int RunVentaroBench(const QStringList &arguments);
