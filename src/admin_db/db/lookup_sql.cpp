#include "admin_db/db/lookup_sql.h"

QString PrefixLikeText(const QString &typed)
{
    QString escaped;
    escaped.reserve(typed.size());
    for (QChar c : typed) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}
