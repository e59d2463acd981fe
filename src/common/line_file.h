#pragma once

#include "common/outcome.h"

#include <QByteArray>
#include <QList>

// Writes kept as it is, then lines, each ended by CR LF, into a temporary
// file beside path and renames it into place when complete, so a failure
// leaves no half file and an existing file as it was. Creates the folder
// when it is missing.
Outcome WriteLineFile(const QString &path, const QList<QByteArray> &lines, const QByteArray &kept = {});
