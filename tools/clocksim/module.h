#pragma once

#include <QByteArray>
#include <QList>

enum class ClockModel { Korve, Talmi };

// Who the clock says it is. Versions are kept in hundredths so that they go
// on the wire exactly as configured.
struct ModuleIdentity {
    ClockModel model = ClockModel::Korve;
    int lmdVersion = 157;
    char state = '0';
    QByteArray serial = "12AB34CD";
    int hcuVersion = 123;
    QByteArray hcuSerial = "0A1B";
};

// The memory module's contents, texts exactly as they went over the link.
struct Module {
    ModuleIdentity identity;
    QList<QByteArray> raceLines;
    QList<QByteArray> adminRecords;
    QList<QByteArray> liberationPoints;
};

// How many bird records and liberation points the module has room for.
int BirdLimit(ClockModel model);
inline constexpr int LiberationLimit = 99;

// A text can travel inside a reply frame only without STX and ETX.
bool FitsInFrame(const QByteArray &text);
