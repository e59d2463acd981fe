#include "transfer/received_birds_merge.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"
#include "admin_db/records/bird_record.h"

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

} // namespace

MergeCounts MergeReceivedBirds(Connection &connection, qint64 flyerId, const QList<QByteArray> &records,
                               double lmdVersion)
{
    MergeCounts counts;
    Transaction together(connection);
    for (const QByteArray &record : records) {
        std::optional<BirdRecord> bird = ReceivedBird(record, flyerId);
        if (!bird)
            continue;
        const std::optional<StoredBird> stored = birdWithBand(connection, bird->band());
        // A changed ring must be this bird's alone too, or two birds would
        // answer to one ring at the clock.
        if (ringTaken(connection, bird->elecnumber, stored ? stored->key : 0)) {
            counts.duplicateRings.append(bird->elecnumber);
            continue;
        }
        if (stored) {
            ++counts.updated;
            if (stored->ring != bird->elecnumber) {
                ++counts.assignmentsChanged;
                connection.prepare("UPDATE birds SET elecnumber = ?, color = ? WHERE rowid = ?")
                    .bind(1, bird->elecnumber).bind(2, bird->color).bind(3, stored->key).run();
            }
            continue;
        }
        // Older firmware sends the type where newer sends the colour.
        if (lmdVersion <= 3.37) {
            bird->type = bird->color;
            bird->color = "NONE";
        }
        addBird(connection, *bird);
        ++counts.added;
    }
    together.commit();
    return counts;
}
