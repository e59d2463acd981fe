#pragma once

#include "reports/header_boxes.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class OwnerNames;
struct RaceFileModel;

// One flight of a race file as the report window shows it and as its
// report text file holds it.
struct FlightReport {
    bool training = false;
    HeaderBoxes boxes;
    QList<QByteArray> listLines;       // List1
    QList<QByteArray> textFileLines;   // the report text file, line by line
    QList<QStringList> table;          // the arrivals for a spreadsheet, headings first
};

// The report of the flight CurrentRaceIndex names: tfillform for a training
// header, fillform for any other.
FlightReport BuildChosenFlight(const RaceFileModel &model, OwnerNames &owners);

FlightReport fillform(const RaceFileModel &model, OwnerNames &owners);
FlightReport tfillform(const RaceFileModel &model, OwnerNames &owners);
