#include "reports/race_file_reading.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A race header and its CR, and one more: after the CR is taken off, a cut
// line is still too long to be anything.
constexpr qsizetype KeptPerLine = 76;

void endLine(QByteArray &line, RaceImage &lines)
{
    if (line.endsWith('\r'))
        line.chop(1);
    lines.append(line);
    line.clear();
}

} // namespace

RaceFileLines RaceFileLinesFrom(const QByteArray &bytes, bool cutShort)
{
    RaceFileLines read;
    QByteArray line;
    for (const char c : bytes) {
        if (c == '\n')
            endLine(line, read.lines);
        else if (line.size() < KeptPerLine)
            line.append(c);
    }
    if (!line.isEmpty())
        endLine(line, read.lines);
    read.cutShort = cutShort;
    return read;
}

std::optional<RaceFileLines> ReadRaceFileLines(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(RaceFileReadLimit);
    return RaceFileLinesFrom(bytes, !file.atEnd());
}
