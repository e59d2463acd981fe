#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class ClockLink;

// Who the clock is, as its last identification said. Lives for the whole run.
struct ClockIdentity {
    // The clock system's own values, under their own names.
    double LmdVersion = 0;
    double ModelCode = 0;      // 1.50 KORVE, 2.16 TALMI
    QByteArray LmdState;       // one digit; empty until identified
    QByteArray LmdSerial;      // 8 hex digits; empty: no clock answered
    double HcuVersion = 0;
    QByteArray HcuSerial;      // 4 hex digits

    bool connected() const { return !LmdSerial.isEmpty(); }
};

// Asks the memory module and the HCU who they are. Returns an empty text on
// success, else the failing result ("E1" ... "E9"; "E8" also for a damaged
// reply, which is told to the user).
QByteArray ReadClockInfo(ClockLink &link, ClockIdentity &identity);

// What the status bar panels show for an identity. Panel 1 is unset for a
// model code the program does not know, which leaves the panel as it was.
struct ClockStatusTexts {
    std::optional<QString> model;     // panel 1
    QString lmdVersion;               // panel 3
    QString lmdSerial;                // panel 5
    QString hcuVersion;               // panel 7
    QString hcuSerial;                // panel 9
    QString lmdState;                 // panel 11
};

ClockStatusTexts StatusTextsFor(const ClockIdentity &identity);
QString LmdStateText(const QByteArray &state);
