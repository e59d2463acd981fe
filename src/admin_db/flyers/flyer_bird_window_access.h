#pragma once

#include <QString>

// What the flyer window needs of the bird window when a flyer read from the
// clock is entered: storing the received birds, showing the new flyer there.
// Each call reports its own failures to the user.
class BirdWindowAccess {
public:
    virtual ~BirdWindowAccess() = default;
    // Stores the received records for the flyer named in the received
    // header, counting into the shared birds-updated and birds-added
    // counters. false when it failed.
    virtual bool InsertNewData() = 0;
    virtual void FillBirdFlyerList() = 0;
    // Selects the first line of the bird window's flyer list that reads
    // name once both are trimmed.
    virtual void selectFlyer(const QString &name) = 0;
};
