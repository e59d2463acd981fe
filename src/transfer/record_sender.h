#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class ClockLink;

// What became of one admin record or liberation command sent to the clock.
enum class RecordReply {
    Taken,
    LinkFailed,    // no connection; the link has told the user
    Refused,       // the memory module answered ESC: no room, or not wanted
    NotReceived,   // the clock could not read the frame, twice (NAK)
    Unclear,       // an answer other than a lone ACK: maybe not stored
};

// How a run of records went.
struct SentRecords {
    int taken = 0;
    // What stopped the run; Taken when every record was.
    RecordReply stop = RecordReply::Taken;

    bool complete() const { return stop == RecordReply::Taken; }
};

// Sends records in order until one is not taken; counted(records taken so
// far) runs after each one taken. A record is taken only when its reply is a
// lone ACK; the clock is given its time to store it before the next.
SentRecords SendRecords(ClockLink &link, const QList<QByteArray> &records,
                        const std::function<void(int taken)> &counted = {});

// For a run that broke off: why (a link failure the link has told already),
// "Sending stopped after N of M <what>." and the advice.
QString StoppedMessage(const SentRecords &run, qsizetype meant, const QString &what, const QString &advice);
