#pragma once

#include <QByteArray>

// What a reply of the link is, for the transfers that look at it.

bool IsSingleByte(const QByteArray &reply, char byte);
// A reply that carries nothing usable: a result code ("E2" and the like) or
// a reply lost to a bad checksum.
bool IsFaultyReply(const QByteArray &reply);
