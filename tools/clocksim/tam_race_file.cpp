#include "tam_race_file.h"

#include "module.h"

#include "file_bytes.h"

std::optional<QList<QByteArray>> ParseTamRaceFile(const QByteArray &text, QString *error)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray &line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (!FitsInFrame(line)) {
            *error = QStringLiteral("line %1 holds a frame control byte").arg(i + 1);
            return std::nullopt;
        }
    }
    return lines;
}

std::optional<QList<QByteArray>> ReadTamRaceFile(const QString &path, QString *error)
{
    return ParseFile(path, error, ParseTamRaceFile);
}
