#pragma once

#include <QByteArray>

// The lines of the arrival list and of the report text file.

// The text file's column headings, 80 characters.
QByteArray ReportHeadingLine();
// Its second line: 80 dashes for a race, the training mark for a training.
QByteArray ReportSecondLine(bool training);

// One arrival in List1: position (3), owner (20), blank, band as clocked
// (15), blank, hh:mm:ss, blank, MM/DD.
QByteArray ArrivalListLine(int position, const QByteArray &owner, const QByteArray &arrival);
// The same arrival in the report text file.
QByteArray ArrivalFileLine(int position, const QByteArray &owner, const QByteArray &arrival);

inline constexpr char UnknownFlyer[] = "Unknown flyer";
