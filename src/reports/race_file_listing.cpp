#include "reports/race_file_listing.h"

#include "common/character_rules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

constexpr qsizetype TrainingMarkAt = 44;

const QStringList SkippedPrefixes = {QStringLiteral("Z"), QStringLiteral("ST6UNST"), QStringLiteral("LMD")};

std::optional<bool> isTraining(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray start = file.read(TrainingMarkAt + 1);
    const qsizetype end = start.indexOf('\n');
    if (end >= 0)
        start.truncate(end);
    return start.size() > TrainingMarkAt && start.at(TrainingMarkAt) == '*';
}

} // namespace

QString RaceFileEntry::text() const
{
    return training ? fileName + QStringLiteral(" T") : fileName;
}

bool IsListedRaceFileName(const QString &name)
{
    for (const QString &prefix : SkippedPrefixes) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            return false;
    }
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot + 1 >= name.size())
        return false;
    return IsDigit(name.at(dot + 1));
}

QList<RaceFileEntry> ListRaceFiles(const QString &folder)
{
    const QDir dir(folder);
    QList<RaceFileEntry> entries;
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        // A link to a pipe or a device is listed among the files too, and
        // opening a pipe waits for ever.
        if (!IsListedRaceFileName(name) || !QFileInfo(dir.filePath(name)).isFile())
            continue;
        if (const std::optional<bool> training = isTraining(dir.filePath(name)))
            entries.append({name, *training});
    }
    return entries;
}

QString ListedCountText(qsizetype count)
{
    return QString::number(count) + QStringLiteral(" file(s) listed");
}
