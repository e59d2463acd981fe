#include "admin_db/records/name_rule.h"

#include <QString>
#include <algorithm>

bool IsNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7e) || (u >= 0xa0 && u <= 0xff);
}

bool FitsNameField(const QString &text, int limit)
{
    return text.size() <= limit && std::all_of(text.cbegin(), text.cend(), IsNameCharacter);
}
