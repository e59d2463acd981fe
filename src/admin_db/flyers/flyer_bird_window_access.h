#pragma once

#include <QString>

// What the flyer window needs of the bird window when a flyer read from the
// clock is entered: showing the new flyer there. Each call reports its own
// failures to the user.
class BirdWindowAccess {
public:
    virtual ~BirdWindowAccess() = default;
    virtual void FillBirdFlyerList() = 0;
    // Selects the first line of the bird window's flyer list that reads
    // name once both are trimmed.
    virtual void selectFlyer(const QString &name) = 0;
};
