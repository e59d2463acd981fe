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

// A hidden name beside target for a file being written, so that no list of
// race files or backups ever offers a half file.
QString PartialFileName(const QString &target);
// Makes what was written to the file at path reach the disk; false when the
// system says it did not.
bool SyncFileToDisk(const QString &path);
// Renames a complete temporary file over target and makes the rename reach
// the disk; on failure the temporary file is removed and target stays.
Outcome ReplaceFile(const QString &temporary, const QString &target);
