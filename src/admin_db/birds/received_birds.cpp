#include "admin_db/birds/received_birds.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/database.h"
#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"
#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/bird_record.h"
#include "admin_db/records/clean_text.h"
#include "common/latin1.h"
#include "common/prompter.h"

#include <optional>

namespace {

struct StoredBird {
    qint64 key;
    QByteArray ring;
};

std::optional<StoredBird> birdWithBand(Connection &c, const QByteArray &band)
{
    Statement find = c.prepare(QByteArray("SELECT rowid, elecnumber FROM birds WHERE ") + LookupSql::BandIs);
    find.bind(1, band);
    if (!find.next())
        return std::nullopt;
    return StoredBird{find.number(0), find.bytes(1)};
}

// Whether a bird other than except wears ring; no ring is nobody's.
bool ringTaken(Connection &c, const QByteArray &ring, qint64 except)
{
    if (ring == NoElectronicRing)
        return false;
    Statement find = c.prepare("SELECT 1 FROM birds WHERE elecnumber = ? AND rowid <> ? LIMIT 1");
    find.bind(1, ring).bind(2, except);
    return find.next();
}

void addBird(Connection &c, const BirdRecord &bird)
{
    c.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, bird.flyerId).bind(2, bird.natOrg).bind(3, bird.hatchYr).bind(4, bird.clubletters)
        .bind(5, bird.bnumber).bind(6, bird.sex).bind(7, bird.elecnumber).bind(8, bird.color).bind(9, bird.type)
        .run();
}

bool flyerStored(Connection &c, qint64 flyerId)
{
    Statement find = c.prepare("SELECT 1 FROM flyerlist WHERE FlyerID = ?");
    find.bind(1, flyerId);
    return find.next();
}

const QString ReceiveHolder = QStringLiteral("InsertNewData");

} // namespace

std::optional<MergeCounts> MergeReceivedBirds(Connection &connection, qint64 flyerId,
                                              const QList<QByteArray> &records, double lmdVersion)
{
    MergeCounts counts;
    Transaction together(connection);
    // Birds of a flyer deleted meanwhile would show nowhere and keep their
    // bands for ever.
    if (!flyerStored(connection, flyerId))
        return std::nullopt;
    for (const QByteArray &record : records) {
        std::optional<BirdRecord> bird = ReceivedBird(record, flyerId);
        if (!bird)
            continue;
        const std::optional<StoredBird> stored = birdWithBand(connection, bird->band());
        const bool ringChanges = !stored || stored->ring != bird->elecnumber;
        // A new or changed ring must be this bird's alone, or two birds
        // would answer to one ring at the clock.
        if (ringChanges && ringTaken(connection, bird->elecnumber, stored ? stored->key : 0)) {
            counts.duplicateRings.append(bird->elecnumber);
            continue;
        }
        // Older firmware sends the type where newer sends the colour.
        const bool sendsType = lmdVersion <= 3.37;
        if (stored) {
            ++counts.updated;
            if (ringChanges) {
                ++counts.assignmentsChanged;
                // The type character of older firmware is no colour: the
                // stored colour stays.
                Statement update = connection.prepare(sendsType
                    ? "UPDATE birds SET elecnumber = ?2 WHERE rowid = ?1"
                    : "UPDATE birds SET elecnumber = ?2, color = ?3 WHERE rowid = ?1");
                update.bind(1, stored->key).bind(2, bird->elecnumber);
                if (!sendsType)
                    update.bind(3, bird->color);
                update.run();
            }
            continue;
        }
        if (sendsType) {
            bird->type = bird->color;
            bird->color = "NONE";
        }
        addBird(connection, *bird);
        ++counts.added;
    }
    together.commit();
    return counts;
}

std::optional<MergeCounts> InsertNewData(Database &db, const AdminSharedState &shared, qint64 flyerId)
{
    CallHold flyers(db, Table::flyerlist, ReceiveHolder);
    CallHold birds(db, Table::birds, ReceiveHolder);
    // Held too: the merge checks the flyer is still there.
    flyers.connection();
    return MergeReceivedBirds(birds.connection(), flyerId, shared.receivedRecords, shared.receivedLmdVersion);
}

std::optional<FlyerEntry> FlyerOfModuleName(Database &db, const QByteArray &moduleName)
{
    CallHold flyers(db, Table::flyerlist, ReceiveHolder);
    QString cleaned = toText(moduleName);
    const QString asSent = cleaned.trimmed();
    const QString asStored = CleanText(cleaned);
    Statement find = flyers.connection().prepare(
        "SELECT FlyerID, Name FROM flyerlist WHERE Name = ? OR Name = ? ORDER BY Name = ? DESC, FlyerID LIMIT 1");
    find.bind(1, asSent).bind(2, asStored).bind(3, asSent);
    if (!find.next())
        return std::nullopt;
    return FlyerEntry{find.number(0), find.text(1)};
}

void TellDuplicateRings(Prompter &prompter, const MergeCounts &counts)
{
    for (const QByteArray &ring : counts.duplicateRings)
        prompter.inform(QStringLiteral("Duplicate electronic numbers (") + toText(ring)
                        + QStringLiteral(") not allowed."));
}
