#pragma once

#include <QByteArray>
#include <QList>

// What the data windows and the receive transfer share for the whole run.
// The main window owns one and hands it to them by reference.
struct AdminSharedState {
    // Raised by the receive transfer when it finds no club; the club window
    // then opens straight into adding; lowered when a club is added.
    bool noClubs = false;
    // Raised by the receive transfer while the flyer window adds the flyer of
    // the module just read; lowered when that flyer is stored.
    bool receiveMode = false;
    // Kept by InsertNewData for the closing message of a receive.
    qint16 birdsUpdated = 0;
    qint16 birdsAdded = 0;
    // The bird window's received-records array: the header record read from
    // the module (the flyer name at positions 13 to 32) and up to 1,000 bird
    // records, positions as the module sends them.
    static constexpr int MaxReceivedRecords = 1000;
    QByteArray receivedHeader;
    QList<QByteArray> receivedRecords;
};
