#pragma once

#include <QByteArray>
#include <QString>

class ClockLink;

// What became of one admin record or liberation command sent to the clock.
enum class RecordReply {
    Taken,
    LinkFailed,    // no connection; the link has told the user
    Refused,       // the memory module answered ESC: no room, or not wanted
    NotReceived,   // the clock could not read the frame, twice (NAK)
};

// Sends one record. Only a failure is examined: a clock that answers with
// anything but a failure has taken the record.
RecordReply SendRecord(ClockLink &link, const QByteArray &record);

// Why a run of records stopped, for the user; empty after a link failure,
// which the link has told already.
QString StopReason(RecordReply reply);
