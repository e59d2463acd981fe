#pragma once

#include "admin_db/db/connection.h"
#include "admin_db/db/jet_error.h"
#include "reports/owner_names.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Database;

// Finds the owner of a clocked bird: the bird by club letters and band
// serial, then its flyer. Holds a connection of its own for one report
// build, so it never takes the birds or flyerlist connection from a data
// window that has it open, and holds nothing between builds.
class OwnerLookup : public OwnerNames {
public:
    explicit OwnerLookup(const Database &db);

    // The owner's name; nothing when the bird or its flyer is not in the
    // database, or the database cannot be read.
    std::optional<QString> ownerOf(const QByteArray &clubLettersAndBand) override;

    // The bird by club letters and band serial, then its flyer by key, as
    // the indexes serve them; one parameter each.
    static QByteArray birdQuery();
    static QByteArray flyerQuery();

    // Why names could not be looked up, when they could not.
    const std::optional<JetError> &failure() const { return m_failure; }

private:
    std::optional<QString> lookUp(const QByteArray &clubLettersAndBand);

    Connection m_connection;
    std::optional<Statement> m_bird;
    std::optional<Statement> m_flyer;
    std::optional<JetError> m_failure;
};
