#include "app/clock_commands.h"

#include "app/configuration.h"
#include "clock/clock_link.h"
#include "clock/clock_status_bar.h"
#include "common/latin1.h"
#include "race_data/save_tam_race_data.h"
#include "race_data/save_ventaro_race_data.h"
#include "transfer/data_trans_window.h"
#include "transfer/receive_birds.h"
#include "transfer/send_birds.h"
#include "transfer/send_liberation_points.h"
#include "transfer/transfer_context.h"

#include <QApplication>

ClockCommands::ClockCommands(ClockLink &link, ClockIdentity &identity, Prompter &prompter,
                             ClockStatusBar &statusBar, Database &db, AdminSharedState &shared,
                             Configuration &configuration, Handover handover)
    : m_link(link), m_identity(identity), m_prompter(prompter), m_statusBar(statusBar), m_db(db), m_shared(shared),
      m_configuration(configuration), m_handover(std::move(handover))
{
    m_statusBar.setDeviceSource([&link = m_link] { return link.device(); });
}

template <typename Command>
auto ClockCommands::withContext(const Command &command)
{
    DataTransWindow progress(QApplication::activeWindow());
    TransferContext context{m_link, m_identity, m_prompter, progress,
                            [this] { ShowClockStatus(m_identity, m_statusBar); }};
    return command(context);
}

BirdTransferEnd ClockCommands::sendBirds(const BirdSendRequest &request)
{
    m_configuration.loadIfSaved();
    const ConfigFields &fields = m_configuration.fields();
    const AdminHeaderSettings settings{toBytes(fields.combineName), toBytes(fields.nationalOrg),
                                       toBytes(fields.combine), toBytes(fields.concourse)};
    return withContext([&](TransferContext &context) { return SendBirds(context, m_db, settings, request); });
}

BirdTransferEnd ClockCommands::receiveBirds()
{
    const ReceiveEnd end = withContext([this](TransferContext &context) {
        return ReceiveBirds(context, m_db, m_shared);
    });
    switch (end.then) {
    case ReceiveEnd::Then::Nothing:
        return {};
    case ReceiveEnd::Then::ShowFlyer:
        return {BirdTransferEnd::Then::ShowFlyer, end.flyerName, end.closing};
    case ReceiveEnd::Then::EnterClub:
        m_handover.enterClub();
        break;
    case ReceiveEnd::Then::EnterFlyer:
        m_handover.enterFlyer(end.flyerName);
        break;
    }
    return {BirdTransferEnd::Then::Close, {}};
}

void ClockCommands::sendLiberationPoints(const QList<LiberationRace> &races)
{
    withContext([&](TransferContext &context) { SendLiberationPoints(context, races); });
}

void ClockCommands::saveTamRaceData(const Folders &folders)
{
    withContext([&](TransferContext &context) { SaveTamRaceData(context, folders); });
}

void ClockCommands::saveVentaroRaceData(const Folders &folders)
{
    withContext([&](TransferContext &context) {
        SaveVentaroRaceData(context, m_db, folders, QDate::currentDate());
    });
}
