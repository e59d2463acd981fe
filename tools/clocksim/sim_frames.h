#pragma once

#include <QByteArray>

// The stand-in's framing, written apart from the program's: a fault in the
// program's checksum then breaks every exchange instead of being matched by
// the same fault on the clock's side.
QByteArray SimChecksum(const QByteArray &body);
// STX, body, checksum, ETX.
QByteArray SimFrame(const QByteArray &body);
