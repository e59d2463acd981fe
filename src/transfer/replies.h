#pragma once

#include <QByteArray>

// What a reply of the link is, for the transfers that look at it.

bool IsSingleByte(const QByteArray &reply, char byte);
// A connection failure the link has told the user about: E0, E1, E2, E3, E5.
bool IsLinkFailure(const QByteArray &reply);
// A reply that carries nothing usable: a result code ("E2" and the like) or
// a reply lost to a bad checksum.
bool IsFaultyReply(const QByteArray &reply);
