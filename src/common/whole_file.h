#pragma once

#include "common/outcome.h"

#include <QByteArray>
#include <QString>

// Writes content into a temporary file beside path and renames it into place
// only after every byte was written, flushed to the disk and the file's size
// read back: a failure (a full disk, a size limit, a vanished folder) leaves
// an existing file as it was and no temporary file behind. A symbolic link is
// written through, the old file's permissions stay. Creates the folder when it
// is missing. On failure the message completes "... could not be written: ".
Outcome WriteWholeFile(const QString &path, const QByteArray &content);
