#include "admin_db/birds/bird_received.h"

#include "admin_db/records/admin_shared_state.h"
#include "admin_db/birds/bird_store.h"
#include "admin_db/db/transaction.h"
#include "common/latin1.h"

namespace {

const QString ReceiveHolder = QStringLiteral("InsertNewData");

// Releases on leaving what the call held.
class HeldForTheCall {
public:
    explicit HeldForTheCall(BirdStore &store) : m_store(store) {}
    ~HeldForTheCall() { m_store.close(); }
    HeldForTheCall(const HeldForTheCall &) = delete;
    HeldForTheCall &operator=(const HeldForTheCall &) = delete;

private:
    BirdStore &m_store;
};

} // namespace

bool StoreReceivedBirds(Database &db, AdminSharedState &shared)
{
    BirdStore store(db, ReceiveHolder);
    const HeldForTheCall scope(store);
    const QString name = toText(shared.receivedHeader.mid(12, 20)).trimmed();
    // The flyer stays found until every bird is in.
    Transaction transaction(store.birds());
    const std::optional<qint64> flyerId = store.flyerIdByName(name);
    if (!flyerId)
        return false;
    qint16 added = 0;
    qint16 updated = 0;
    for (const QByteArray &record : shared.receivedRecords.mid(0, AdminSharedState::MaxReceivedRecords)) {
        const std::optional<BirdRecord> bird = ReceivedBird(record, *flyerId);
        if (!bird)
            continue;
        if (store.bandTaken(bird->band())) {
            ++updated;
        } else {
            store.add(*bird);
            ++added;
        }
    }
    transaction.commit();
    // Counted only once stored: a failed commit stored nothing.
    shared.birdsAdded = added;
    shared.birdsUpdated = updated;
    return true;
}
