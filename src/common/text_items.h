#pragma once

#include <QByteArray>
#include <QList>

// The items of a text file as the program and the older DOS program write
// them: an item ends at a line end or at a comma; an item written in double
// quotes is taken without them, commas inside included. Empty lines give no
// item.
QList<QByteArray> ReadItems(const QByteArray &text);
