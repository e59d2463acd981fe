#pragma once

#include <QByteArray>

// The records of a Ventaro race file, built from the clock's race header and
// arrival lines.

// Who flew a race: the club and flyer numbers of its header, three digits
// each.
struct RaceOwner {
    QByteArray club;
    QByteArray flyer;
};
RaceOwner OwnerOfRace(const QByteArray &header);

// What the program and the clock are, for record "1".
struct VentaroVersions {
    QByteArray program;   // major.minor.revision
    double lmdVersion = 0;
    double modelCode = 0;
};

// "0" and the liberation date, DDMMYY.
QByteArray VentaroRecordZero(const QByteArray &liberationDate);
// "1": owner, arrival count, flyer name (20), the header from its race
// number on, the versions.
QByteArray VentaroRaceRecord(const QByteArray &header, int arrivals, const QByteArray &flyerName,
                             const VentaroVersions &versions);
// "2": owner and the clock's set, verified and knock-off times.
QByteArray VentaroClockRecord(const QByteArray &header);
// "3": owner, ring, race number, arrival day and time, the rest of the line
// filled with zeros, the bird's colour.
QByteArray VentaroArrivalRecord(const QByteArray &header, const QByteArray &arrival, const QByteArray &color);
