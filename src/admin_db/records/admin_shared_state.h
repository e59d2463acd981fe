#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the data windows and the receive transfer share for the whole run.
// The main window owns one and hands it to them by reference.
struct AdminSharedState {
    // Raised by the receive transfer when it finds no club; the club window
    // then opens straight into adding; lowered when a club is added.
    bool noClubs = false;
    // Raised by the receive transfer while the flyer window adds the flyer of
    // the module just read; lowered when that flyer is stored.
    bool receiveMode = false;
    // The bird records last read from a module, as it sent them, kept while
    // the flyer window enters their flyer; and the module's firmware, which
    // says what their last character is.
    QList<QByteArray> receivedRecords;
    double receivedLmdVersion = 0;
    // What the closing message adds about that readout (replies that could
    // not be read, records left out); empty when nothing was amiss.
    QString receivedNotes;
};
