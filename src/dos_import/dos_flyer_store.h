#pragma once

#include "admin_db/clubs/club_store.h"
#include "admin_db/db/database.h"
#include "dos_import/dos_files.h"

inline const QString ImportWindowName = QStringLiteral("frmImportFiles");

// What storing one flyer did.
struct ImportedFlyer {
    bool stored = false;   // false: a flyer of that name is there already
    // Bands another bird has, one a refused bird.
    QList<QByteArray> duplicateBands;
};

// The import window's statements on tables clubs, flyerlist and birds, held
// in the window's name. Every call but close() throws JetError.
class DosFlyerStore {
public:
    explicit DosFlyerStore(Database &db);

    // Never fails.
    void close();

    // Table order.
    QList<Club> clubs();
    // How many stored flyers bear name, in any case.
    int flyersNamed(const QString &name);
    // The flyer, named name, with his birds in one transaction: a failure
    // stores nothing of him. Inside a batch (below) he is stored with it.
    ImportedFlyer store(qint64 clubId, const DosFlyer &flyer, const QString &name, const QList<BirdRecord> &birds);

    // The connection the flyers are stored on, for a batch of them in one
    // commit.
    Connection &connection();

private:
    Database &m_db;
    ClubStore m_clubs;
};

// A DOS flyer name as the flyer window stores names: trimmed, quotes and
// bars as blanks.
QString StoredFlyerName(const QByteArray &dosName);
