#pragma once

#include "admin_db/db/connection.h"
#include "scratch_database.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>

// Race file lines laid out like the clock's: concourse 1234, combine 01,
// club 02, flyer 005, memory module 00012345, clock set 05/10/24 19:00:00.
namespace ReportLines {

inline QByteArray raceHeader(const QByteArray &verified = "051224180005", const QByteArray &clock = "051224180000",
                             const QByteArray &race = "01", const QByteArray &liberation = "BRIGHTON")
{
    return "12340102005" "00012345" "051024190000" + verified + clock + race + " 05/11 " + liberation + "00";
}

inline QByteArray trainingHeader()
{
    return "1234010200500012345051524070000000000000000************";
}

// ring: 14 characters, as clocked.
inline QByteArray arrival(const QByteArray &ring, const QByteArray &time = "103512",
                          const QByteArray &monthDay = "0511")
{
    return ring + '0' + time + monthDay;
}

inline QByteArray demoRing(int band)
{
    return "AU24DEMO" + QByteArray::number(band).rightJustified(6, '0');
}

} // namespace ReportLines

// A race folder beside a scratch database that knows a few of the rings:
// 101 and 102 belong to Jan Smith, 103 to a flyer who is not in the database.
struct ReportWorld {
    explicit ReportWorld(const QString &name) : scratch(name)
    {
        QDir().mkpath(scratch.folders.raceDir());
        Connection own;
        scratch.openOwn(own);
        own.prepare("INSERT INTO flyerlist (FlyerID, ClubID, Name) VALUES (5, 2, 'Jan Smith')").run();
        for (const auto &[band, flyer] : {std::pair{101, 5}, {102, 5}, {103, 99}}) {
            Statement add = own.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber) "
                                        "VALUES (?, 'AU', '24', 'DEMO', ?)");
            add.bind(1, flyer).bind(2, QByteArray::number(band).rightJustified(6, '0')).run();
        }
    }

    QString raceFile(const QString &name) const { return scratch.folders.inRaceDir(name); }

    // Writes lines as the TAM writer does, each ended by CR LF.
    QString writeRaceFile(const QString &name, const QList<QByteArray> &lines) const
    {
        QByteArray bytes;
        for (const QByteArray &line : lines)
            bytes += line + "\r\n";
        writeBytes(name, bytes);
        return raceFile(name);
    }

    void writeBytes(const QString &name, const QByteArray &bytes) const
    {
        QFile file(raceFile(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the race file");
    }

    ScratchDatabase scratch;
};
