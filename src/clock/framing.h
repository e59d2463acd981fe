#pragma once

#include <QByteArray>

// Request and reply frames of the clock: STX, body, checksum low, checksum
// high, ETX. Shared by the program and the clock stand-in.

// The two checksum bytes of a text; neither is ever below 32.
QByteArray FrameChecksum(const QByteArray &text);

// The request frame for a command: ACK, NAK and EOT go out alone; any other
// command is framed behind the address prefix. Empty for an empty command.
QByteArray FrameCommand(const QByteArray &prefix, const QByteArray &command);

// A reply frame around data, as the clock builds it.
QByteArray FrameReply(const QByteArray &data);
