#include "dos_import/dos_files.h"

#include "common/field.h"
#include "common/text_items.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr int FlyerNameEnd = 32;
constexpr int BirdItemLength = 26;

// DOS editors end a text file with Ctrl-Z; what follows it is no text.
QList<QByteArray> dosItems(const QByteArray &file)
{
    const qsizetype end = file.indexOf('\x1a');
    return ReadItems(end < 0 ? file : file.left(end));
}

bool holdsControlBytes(const QByteArray &item)
{
    return std::any_of(item.cbegin(), item.cend(), [](char c) { return uchar(c) < 0x20 || c == 0x7F; });
}

} // namespace

FileEntries<DosFlyer> ReadDosFlyers(const QByteArray &adminFile)
{
    FileEntries<DosFlyer> read;
    for (const QByteArray &item : dosItems(adminFile)) {
        if (!item.startsWith("S3"))
            continue;
        if (item.size() < FlyerNameEnd || holdsControlBytes(item)) {
            ++read.unreadable;
            continue;
        }
        read.entries.append({Field(item, 6, 2), Field(item, 8, 2), Field(item, 10, 3), Field(item, 13, 20),
                             Field(item, 33, 7).trimmed(), Field(item, 40, 7).trimmed()});
    }
    return read;
}

QString InventoryFileName(const DosFlyer &flyer)
{
    return QString::fromLatin1("Z" + flyer.combine + flyer.club + "." + flyer.number);
}

FileEntries<BirdRecord> ReadDosBirds(const QByteArray &inventoryFile)
{
    FileEntries<BirdRecord> read;
    for (const QByteArray &item : dosItems(inventoryFile)) {
        if (item.trimmed().isEmpty())
            continue;
        if (item.size() < BirdItemLength || holdsControlBytes(item)) {
            ++read.unreadable;
            continue;
        }
        BirdRecord bird;
        bird.natOrg = Field(item, 1, 2);
        bird.hatchYr = Field(item, 3, 2);
        bird.clubletters = Field(item, 5, 4);
        bird.bnumber = Field(item, 9, 6);
        bird.sex = Field(item, 15, 1);
        bird.elecnumber = Field(item, 16, 10);
        bird.color = "NONE";
        bird.type = Field(item, 26, 1);
        // Junk would be stored as a bird and sent to the clock: refused, counted.
        if (!IsReadableBird(bird)) {
            ++read.unreadable;
            continue;
        }
        read.entries.append(bird);
    }
    return read;
}

QString FileInFolder(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    const QStringList all = dir.entryList(QDir::Files, QDir::Name);
    for (const QString &candidate : all) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(candidate);
    }
    return dir.filePath(name);
}

QStringList AdminFilesIn(const QString &folder)
{
    static const QRegularExpression adminName(QStringLiteral("^S.{6}\\.DAT$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList files;
    const QStringList all = QDir(folder).entryList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : all) {
        if (adminName.match(name).hasMatch())
            files.append(name);
    }
    return files;
}
