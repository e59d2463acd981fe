#include "race_data/ventaro_file.h"

#include "common/text_items.h"
#include "race_data/ventaro_dates.h"

#include <QFile>
#include <QFileInfo>

VentaroFile LookAtVentaroFile(const QString &path, const QDate &reference)
{
    VentaroFile file;
    QFile f(path);
    if (!f.exists())
        return file;
    if (!f.open(QIODevice::ReadOnly)) {
        file.kind = VentaroFile::Kind::Unreadable;
        return file;
    }
    file.content = f.readAll();
    if (file.content.trimmed().isEmpty())
        return file;
    const std::optional<QDate> date = DateOfRecordZero(ReadItems(file.content).value(0), reference);
    file.kind = date ? VentaroFile::Kind::Existing : VentaroFile::Kind::Unreadable;
    file.firstDate = date.value_or(QDate());
    return file;
}

bool HoldsAnotherSeason(const VentaroFile &file, const QDate &liberation)
{
    return file.kind == VentaroFile::Kind::Existing && liberation.daysTo(file.firstDate) < -350;
}

QString OldSeasonPath(const QString &path, const QDate &firstDate)
{
    const QString extension = QStringLiteral(".O") + firstDate.toString(QStringLiteral("yy"));
    QString base = path;
    if (base.endsWith(QLatin1String(".D00"), Qt::CaseInsensitive))
        base.chop(4);
    QString candidate = base + extension;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n) + extension;
    return candidate;
}

QByteArray KeptForAppending(const VentaroFile &file)
{
    if (file.kind != VentaroFile::Kind::Existing)
        return {};
    if (file.content.endsWith('\n'))
        return file.content;
    return file.content + "\r\n";
}
