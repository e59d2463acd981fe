#pragma once

#include <QString>

// Pushes a file's contents to the disk; false when that fails.
bool SyncFile(const QString &path);
// Makes a rename inside the folder durable where the platform needs it.
void SyncFolder(const QString &folder);
