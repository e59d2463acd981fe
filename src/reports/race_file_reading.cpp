#include "reports/race_file_reading.h"

#include <QFile>
#include <QFileInfo>

namespace {

// A race header and its CR, and one more: after the CR is taken off, a cut
// line is still too long to be anything.
constexpr qsizetype KeptPerLine = 76;
constexpr qint64 ChunkBytes = 64 * 1024;

void endLine(QByteArray &line, RaceImage &lines)
{
    if (line.endsWith('\r'))
        line.chop(1);
    lines.append(line);
    line.clear();
}

} // namespace

std::optional<RaceFileLines> ReadRaceFileLines(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    RaceFileLines read;
    QByteArray line;
    qint64 total = 0;
    while (total < RaceFileReadLimit) {
        const QByteArray chunk = file.read(qMin(ChunkBytes, RaceFileReadLimit - total));
        if (chunk.isEmpty())
            break;
        total += chunk.size();
        for (const char c : chunk) {
            if (c == '\n')
                endLine(line, read.lines);
            else if (line.size() < KeptPerLine)
                line.append(c);
        }
    }
    if (!line.isEmpty())
        endLine(line, read.lines);
    read.cutShort = !file.atEnd();
    return read;
}
