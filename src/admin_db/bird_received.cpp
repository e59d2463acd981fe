#include "admin_db/bird_received.h"

#include "admin_db/admin_shared_state.h"
#include "admin_db/bird_store.h"
#include "admin_db/transaction.h"
#include "common/latin1.h"

namespace {

// Closes on leaving the connections that were closed on entering.
class OpenedForTheCall {
public:
    explicit OpenedForTheCall(Database &db)
        : m_db(db), m_flyersWereOpen(db.isOpen(Table::flyerlist)), m_birdsWereOpen(db.isOpen(Table::birds)) {}
    ~OpenedForTheCall()
    {
        if (!m_flyersWereOpen)
            m_db.close(Table::flyerlist);
        if (!m_birdsWereOpen)
            m_db.close(Table::birds);
    }
    OpenedForTheCall(const OpenedForTheCall &) = delete;
    OpenedForTheCall &operator=(const OpenedForTheCall &) = delete;

private:
    Database &m_db;
    bool m_flyersWereOpen;
    bool m_birdsWereOpen;
};

} // namespace

bool StoreReceivedBirds(Database &db, AdminSharedState &shared)
{
    OpenedForTheCall scope(db);
    BirdStore store(db);
    const QString name = toText(shared.receivedHeader.mid(12, 20)).trimmed();
    const std::optional<qint64> flyerId = store.flyerIdByName(name);
    if (!flyerId)
        return false;
    qint16 added = 0;
    qint16 updated = 0;
    Transaction transaction(store.birds());
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
