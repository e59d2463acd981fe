#include "common/character_rules.h"

#include <QString>
#include <algorithm>

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsLatinLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsNameCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x7e) || (u >= 0xa0 && u <= 0xff);
}

bool IsCodeCharacter(QChar c)
{
    return IsDigit(c) || IsLatinLetter(c) || c == QLatin1Char('_');
}

bool FitsField(const QString &text, int limit, CharacterRule accepts)
{
    return text.size() <= limit && std::all_of(text.cbegin(), text.cend(), accepts);
}

bool FitsNameField(const QString &text, int limit)
{
    return FitsField(text, limit, IsNameCharacter);
}
