#pragma once

#include <QStringList>

// tamrel-bench dos: 1,000 flyers of 50 birds each in DOS files, imported into
// an empty database.
int RunDosBench(const QStringList &arguments);
