#include "race_data/race_lines.h"

namespace {
constexpr qsizetype ShortHeaderLength = 72;
constexpr qsizetype FullHeaderLength = 74;
} // namespace

RaceLineKind KindOfRaceLine(const QByteArray &line)
{
    const qsizetype n = line.size();
    if (n >= 56 && n <= FullHeaderLength)
        return RaceLineKind::RaceHeader;
    if (n >= 49 && n <= 55)
        return RaceLineKind::TrainingHeader;
    if (n == 25 || n == 26)
        return RaceLineKind::Arrival;
    return RaceLineKind::Other;
}

bool IsUnknownRing(const QByteArray &arrivalLine)
{
    return arrivalLine.startsWith("Unknown");
}

QByteArray HeaderAsRead(const QByteArray &header, char filler)
{
    if (header.size() != ShortHeaderLength)
        return header;
    // Only trailing blanks go: a leading blank is part of the concourse
    // field, and dropping it would shift every field after it.
    qsizetype end = header.size();
    while (end > 0 && header.at(end - 1) == ' ')
        --end;
    return header.left(end) + QByteArray(FullHeaderLength - end, filler);
}
