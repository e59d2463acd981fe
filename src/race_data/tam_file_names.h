#pragma once

#include <QByteArray>

// TAM race files are named from the first line of the image, a header.

// Concourse, combine and club number, ".", flyer number: 12340102.005.
QByteArray NormalTamName(const QByteArray &firstLine);

// For keeping an existing file: clock set date (MMDDYY), club number, ".",
// flyer number: 05102402.005.
QByteArray AlternativeTamName(const QByteArray &firstLine);

// Whether a name can be created in the race folder on every platform: eight
// characters, ".", three characters, none of them a path separator, a
// wildcard or anything else a file name cannot hold.
bool IsUsableTamName(const QByteArray &name);
