#pragma once

#include <QList>
#include <QString>

// The birds the bird window asks to load into a memory module.
struct BirdSendRequest {
    qint64 flyerId = 0;
    QString flyerName;
    bool onlySelected = false;
    // The selected birds' keys, in list order; only with onlySelected.
    QList<qint64> selectedKeys;
};

// What the bird window does once a transfer has run.
struct BirdTransferEnd {
    enum class Then {
        Nothing,
        RefreshBirds,   // the chosen flyer's birds read anew
        RefillFlyers,   // the flyer list read anew, the first flyer chosen
        ShowFlyer,      // the flyer list read anew, flyerName chosen
        Close,          // another window takes over
    };
    Then then = Then::Nothing;
    QString flyerName;
    // Told once the window shows what the transfer did.
    QString closing = {};
};

// The bird window's clock commands. They live above the data windows, so the
// program hands them in.
class BirdTransfers {
public:
    virtual ~BirdTransfers() = default;
    virtual BirdTransferEnd sendBirds(const BirdSendRequest &request) = 0;
    virtual BirdTransferEnd receiveBirds() = 0;
};
