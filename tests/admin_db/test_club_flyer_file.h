#pragma once

#include "admin_db/db/connection.h"
#include "admin_db/db/transaction.h"
#include "scratch_database.h"

#include <QList>
#include <QStringList>

// One scratch file for a whole test run: opening a keyed file costs a key
// derivation, so each case empties the tables instead of copying a new file.
// Connections the windows opened stay open from case to case.
struct ClubFlyerFile {
    explicit ClubFlyerFile(const QString &name) : scratch(name) { scratch.openOwn(own); }

    // Empty tables, numbers counting from 1 again, then clubs
    // ("number|name"), flyers ("name|club number", numbered from 1) and
    // the given number of birds for each flyer in turn.
    void fill(const QStringList &clubs, const QStringList &flyers = {}, const QList<int> &birds = {})
    {
        Transaction together(own);
        for (const char *sql : {"DELETE FROM clubs", "DELETE FROM flyerlist", "DELETE FROM birds",
                                "DELETE FROM sqlite_sequence"})
            own.execute(sql);
        InsertRows(own, "INSERT INTO clubs (ClubID, ClubName) VALUES (?, ?)", clubs);
        InsertRows(own, "INSERT INTO flyerlist (Name, ClubID) VALUES (?, ?)", flyers);
        QStringList owned;
        for (qsizetype owner = 0; owner < birds.size(); ++owner) {
            for (int n = 0; n < birds.at(owner); ++n)
                owned.append(QStringLiteral("%1|%2").arg(owner + 1).arg(1000 + n));
        }
        InsertRows(own, "INSERT INTO birds (BirdFlyerID, bnumber) VALUES (?, ?)", owned);
        together.commit();
    }
    // The first column of every row the query gives.
    QStringList rows(const char *sql) { return Rows(own, sql); }

    ScratchDatabase scratch;
    Connection own;
};
