#pragma once

#include <QByteArray>

// A field of a fixed-width line, with positions counted from 1 as the record
// layouts give them; what lies beyond the line's end is left out.
inline QByteArray Field(const QByteArray &line, int position, int length)
{
    return line.mid(position - 1, length);
}
