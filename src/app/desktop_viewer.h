#pragma once

#include <QString>

// Whether the desktop would open a document of this kind with some program:
// on Windows a help file always opens; elsewhere the desktop's MIME
// database is asked.
bool DesktopHasViewerFor(const QString &path);
