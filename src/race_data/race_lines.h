#pragma once

#include <QByteArray>
#include <QList>

// The race memory image: the blocks of one readout in the order received,
// each exactly as the link returned it.
using RaceImage = QList<QByteArray>;

// A line's kind follows from its length alone.
enum class RaceLineKind { RaceHeader, TrainingHeader, Arrival, Other };

RaceLineKind KindOfRaceLine(const QByteArray &line);

// The clocking of a ring that has no bird record.
bool IsUnknownRing(const QByteArray &arrivalLine);

// A race header as the readers use it: one of 72 characters loses its
// trailing blanks and is filled up to 74 with filler; any other is unchanged.
QByteArray HeaderAsRead(const QByteArray &header, char filler);
