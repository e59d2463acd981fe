#pragma once

#include <QStringList>

// tamrel-bench backup: a database of 200 flyers with 999 birds each backed up
// and restored.
int RunBackupBench(const QStringList &arguments);
