#include "admin_db/clubs/club_list_line.h"

#include "common/text_helpers.h"
#include "common/latin1.h"

QString ClubListLine(const Club &club)
{
    return toText(FixWidth(QByteArray::number(club.key), 3, ' ', false)) + QStringLiteral(" - ") + club.name;
}

QString ClubNumberText(qint64 key)
{
    return QStringLiteral("%1").arg(key, 2, 10, QLatin1Char('0'));
}

QString ClubComboItem(const Club &club)
{
    return QString::number(club.key) + QLatin1Char(' ') + club.name;
}

QString ListedCountLine(qsizetype count, const QString &what)
{
    const QString number = count == 0 ? QStringLiteral("0") : toText(SignedNumberText(count));
    return number + QLatin1Char(' ') + what;
}
