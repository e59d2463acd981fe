#pragma once

#include <QStringList>

// tamrel-bench transfer [--no-pace]: 999 birds sent to a TALMI module on a
// 9600 baud line and received into another club's empty database, where the
// flyer is entered through the flyer window.
int RunTransferBench(const QStringList &arguments);
