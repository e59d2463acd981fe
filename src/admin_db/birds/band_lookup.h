#pragma once

#include "admin_db/db/statement.h"

#include <QByteArray>
#include <QList>
#include <optional>

class Connection;

// A clocked bird by the band the race memory gives: the whole band first, as
// two hatch years may share club letters and serial; then club letters and
// serial alone, for files of older clocks. Prepared once for a whole race.
class BandLookup {
public:
    struct Bird {
        qint64 flyerId = 0;
        QByteArray color;
    };

    // Throws JetError.
    explicit BandLookup(Connection &birds);
    // band: the 14 characters of an arrival line. Throws JetError.
    std::optional<Bird> find(const QByteArray &band);

    // Both queries, for benchmarks to show that indexes serve them.
    static QList<QByteArray> queries();

private:
    Statement m_wholeBand;
    Statement m_clubAndSerial;
};
