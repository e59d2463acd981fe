#pragma once

#include "admin_db/birds/bird_transfers.h"

#include <QList>
#include <functional>

class ClockLink;
class ClockStatusBar;
class Configuration;
class Database;
class Folders;
class Prompter;
class QWidget;
struct AdminSharedState;
struct ClockIdentity;
struct LiberationRace;
struct TransferContext;

// The clock commands of the windows and menus, each run over a progress
// window of its own over the window that asked: the bird window's send and
// receive, the liberation window's send, the two race data saves.
class ClockCommands : public BirdTransfers {
public:
    // What the main window does for a receive that hands over to another
    // window.
    struct Handover {
        std::function<void()> enterClub;
        std::function<void(const QString &name)> enterFlyer;
    };

    ClockCommands(ClockLink &link, ClockIdentity &identity, Prompter &prompter, ClockStatusBar &statusBar,
                  Database &db, AdminSharedState &shared, Configuration &configuration, Handover handover);

    BirdTransferEnd sendBirds(const BirdSendRequest &request) override;
    BirdTransferEnd receiveBirds() override;
    void sendLiberationPoints(const QList<LiberationRace> &races);
    void saveTamRaceData(const Folders &folders);
    void saveVentaroRaceData(const Folders &folders);

private:
    template <typename Command>
    auto withContext(const Command &command);

    ClockLink &m_link;
    ClockIdentity &m_identity;
    Prompter &m_prompter;
    ClockStatusBar &m_statusBar;
    Database &m_db;
    AdminSharedState &m_shared;
    Configuration &m_configuration;
    Handover m_handover;
};
