#pragma once

#include <QByteArray>

// Small text routines shared by the link, the records and the reports.
// They work on byte texts: one character is one byte.

// A trimmed text filled with padChar or cut to exactly width characters.
// leftAlign: fill on the right and keep the first characters; otherwise fill
// on the left and keep the last ones.
QByteArray FixWidth(const QByteArray &text, int width, char padChar, bool leftAlign);

// Hexadecimal text to number; characters that are no hex digit count as 0.
double HexToNumber(const QByteArray &text);

// Lenient decimal reading: leading blanks skipped, reading stops at the first
// character that cannot continue the number, no digits gives 0.
double LenientNumber(const QByteArray &text);

// The number-to-text conversion that gives non-negative numbers a leading blank.
QByteArray SignedNumberText(qint64 n);
