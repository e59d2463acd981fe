#pragma once

#include "admin_db/db/connection.h"
#include "scratch_files.h"
#include "sample_race_lines.h"
#include "scratch_database.h"

#include <QByteArray>
#include <QDir>
#include <QList>

// A race folder beside a scratch database that knows a few of the rings:
// 101 and 102 of 2024 belong to Jan Smith, 103 to a flyer who is not in the
// database, 101 of 2023 to Ann Baker.
struct ReportWorld {
    explicit ReportWorld(const QString &name) : scratch(name)
    {
        QDir().mkpath(scratch.folders.raceDir());
        Connection own;
        scratch.openOwn(own);
        InsertRows(own, "INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (?, 2, ?)",
                   {"5|Jan Smith", "6|Ann Baker"});
        InsertRows(own, "INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber) "
                        "VALUES (?, 'AU', ?, 'DEMO', ?)",
                   {"5|24|000101", "5|24|000102", "99|24|000103", "6|23|000101"});
    }

    QString raceFile(const QString &name) const { return scratch.folders.inRaceDir(name); }

    // Writes lines as the TAM writer does, each ended by CR LF.
    QString writeRaceFile(const QString &name, const QList<QByteArray> &lines) const
    {
        writeBytes(name, lines.join("\r\n") + "\r\n");
        return raceFile(name);
    }

    void writeBytes(const QString &name, const QByteArray &bytes) const
    {
        if (!WriteFileBytes(raceFile(name), bytes))
            qFatal("cannot write the race file");
    }

    ScratchDatabase scratch;
};
