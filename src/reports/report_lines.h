#pragma once

#include <QByteArray>
#include <QStringList>

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

// The same arrival as a spreadsheet row: position, owner as stored (letters
// outside Latin-1 kept), band (14 characters, as the text file has
// it), hh:mm:ss, MM/DD.
QStringList ArrivalTableHeadings();
QStringList ArrivalTableRow(int position, const QString &owner, const QByteArray &arrival);

inline constexpr char UnknownFlyer[] = "Unknown flyer";
