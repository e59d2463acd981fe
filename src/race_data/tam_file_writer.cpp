#include "race_data/tam_file_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool WriteTamRaceFile(const QString &path, const RaceImage &image, QString *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("the folder cannot be created");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    for (const QByteArray &block : image) {
        file.write(block);
        file.write("\r\n", 2);
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
