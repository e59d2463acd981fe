#include "common/line_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

Outcome WriteLineFile(const QString &path, const QList<QByteArray> &lines, const QByteArray &kept)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Outcome::failure(QStringLiteral("the folder cannot be created"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Outcome::failure(file.errorString());
    file.write(kept);
    for (const QByteArray &line : lines) {
        file.write(line);
        file.write("\r\n", 2);
    }
    if (!file.commit())
        return Outcome::failure(file.errorString());
    return Outcome::success();
}
