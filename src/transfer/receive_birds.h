#pragma once

#include <QString>

class Database;
struct AdminSharedState;
struct TransferContext;

// How a receive ended, for the windows.
struct ReceiveEnd {
    enum class Then {
        Nothing,
        ShowFlyer,    // merged: flyerName's birds are in the database
        EnterClub,    // no club yet: the club window adds one first
        EnterFlyer,   // the module's flyer is new: the flyer window enters
                      // flyerName, his birds waiting in the shared state
    };
    Then then = Then::Nothing;
    QString flyerName;
    // With ShowFlyer: the closing message, for the bird window to show once
    // the flyer's birds are on screen.
    QString closing = {};
};

// The bird window's "Receive Birds": reads the module's admin data and
// merges its birds for the flyer it names, all in one transaction, with the
// closing counts.
ReceiveEnd ReceiveBirds(TransferContext &context, Database &db, AdminSharedState &shared);
