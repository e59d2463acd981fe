#pragma once

#include "reports/header_boxes.h"

#include <QByteArray>
#include <QList>

// What preview and print take from the report window: the boxes and the
// arrival list as they stand, never the race file.
struct ReportOnScreen {
    QByteArray flight;            // the chooser's text: the flight's ordinal in the file
    HeaderBoxes boxes;
    QList<QByteArray> listLines;
};

inline constexpr char RuleLine[] = "______________________________________________________________";

// A List1 line as preview and print show it, numbered by its ordinal k + 1
// in the list: "   1) " and the owner, band, time and date cut out of it.
QByteArray OutputArrivalLine(const QByteArray &listLine, int k);

// The module serial with at least six digits: 12345 gives 012345.
QByteArray MemoryModuleText(const QByteArray &lmdSerial);
