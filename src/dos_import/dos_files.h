#pragma once

#include "admin_db/records/bird_record.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The files of the older DOS program: an admin file per concourse and
// combine ("S" + concourse + combine + ".DAT") listing the flyers, and a
// pigeon inventory file per flyer listing his birds.

// A flyer of an admin file, fields as the file has them.
struct DosFlyer {
    QByteArray combine;     // 2
    QByteArray club;        // 2
    QByteArray number;      // 3
    QByteArray name;        // 20, blank-filled
    QByteArray longitude;   // 7
    QByteArray latitude;    // 7
};

// What a file gave, and how many of its items could not be read (cut short,
// holding control bytes, or a bird whose fields are not what they should be).
template <typename Entry>
struct FileEntries {
    QList<Entry> entries;
    int unreadable = 0;
};

// The "S3" items of an admin file, one a flyer.
FileEntries<DosFlyer> ReadDosFlyers(const QByteArray &adminFile);
// "Z" + combine + club + "." + flyer number.
QString InventoryFileName(const DosFlyer &flyer);
// The birds of a pigeon inventory file, without owner: band (14), sex,
// ring (10), type; colour "NONE".
FileEntries<BirdRecord> ReadDosBirds(const QByteArray &inventoryFile);

// The file of that name in folder, its letters in any case, as DOS names
// them; the name as given when none is there.
QString FileInFolder(const QString &folder, const QString &name);

// The admin files of a folder ("S??????.DAT" in any case), by name.
QStringList AdminFilesIn(const QString &folder);
