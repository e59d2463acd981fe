#pragma once

#include "admin_db/birds/band_lookup.h"
#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/transaction.h"
#include "reports/owner_names.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Finds the owner of a clocked bird: the bird by its band (BandLookup), then
// its flyer, on the program's one connection, all in one read transaction.
// Holds the birds and flyerlist tables for one report build and nothing
// between builds: end it before asking the user anything.
class OwnerLookup : public OwnerNames {
public:
    explicit OwnerLookup(Database &db);

    // The owner's name; nothing when the bird or its flyer is not in the
    // database, or the database cannot be read.
    std::optional<QString> ownerOf(const QByteArray &band) override;

    // The flyer by key, as the primary key serves it.
    static QByteArray flyerQuery();

    // Why names could not be looked up, when they could not.
    const std::optional<JetError> &failure() const { return m_failure; }

private:
    std::optional<QString> lookUp(const QByteArray &band);

    CallHold m_birdsHold;
    CallHold m_flyersHold;
    std::optional<ReadTransaction> m_reading;
    std::optional<BandLookup> m_birds;
    std::optional<Statement> m_flyer;
    std::optional<JetError> m_failure;
};
