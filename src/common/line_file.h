#pragma once

#include "common/outcome.h"

#include <QByteArray>
#include <QList>

// Writes kept as it is, then lines, each ended by CR LF, as one whole file
// (WriteWholeFile): a failure leaves an existing file as it was.
Outcome WriteLineFile(const QString &path, const QList<QByteArray> &lines, const QByteArray &kept = {});
