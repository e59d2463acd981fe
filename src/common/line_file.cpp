#include "common/line_file.h"

#include "common/whole_file.h"

Outcome WriteLineFile(const QString &path, const QList<QByteArray> &lines, const QByteArray &kept)
{
    QByteArray content = kept;
    for (const QByteArray &line : lines)
        content += line + "\r\n";
    return WriteWholeFile(path, content);
}
