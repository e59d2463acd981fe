#pragma once

#include <QByteArray>
#include <QList>

class Connection;

// What merging one readout's birds did.
struct MergeCounts {
    int added = 0;
    int updated = 0;
    int assignmentsChanged = 0;
    // Rings another bird already has, one a refused bird.
    QList<QByteArray> duplicateRings;
};

// Merges the bird records of one admin readout into the database for the
// flyer flyerId: a band already stored is updated (its ring and colour when
// the ring changed), a new band is added unless its ring belongs to another
// bird ("0000000000" is no ring). Records too short to hold a bird are left
// out. All of it in one transaction: on a JetError nothing is stored.
MergeCounts MergeReceivedBirds(Connection &connection, qint64 flyerId, const QList<QByteArray> &records,
                               double lmdVersion);
