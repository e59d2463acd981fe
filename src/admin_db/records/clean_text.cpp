#include "admin_db/records/clean_text.h"

QString CleanText(QString &text)
{
    for (QChar &c : text) {
        if (c == QLatin1Char('|') || c == QLatin1Char('"') || c == QLatin1Char('\''))
            c = QLatin1Char(' ');
    }
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}
