#include "race_data/tam_file_names.h"

#include "common/field.h"

namespace {

bool isNameCharacter(char c)
{
    static const QByteArray forbidden = QByteArrayLiteral("\\/:*?\"<>|");
    return c >= ' ' && c <= '~' && !forbidden.contains(c);
}

} // namespace

QByteArray NormalTamName(const QByteArray &firstLine)
{
    return Field(firstLine, 1, 8) + '.' + Field(firstLine, 9, 3);
}

QByteArray AlternativeTamName(const QByteArray &firstLine)
{
    return Field(firstLine, 20, 6) + Field(firstLine, 7, 2) + '.' + Field(firstLine, 9, 3);
}

bool IsUsableTamName(const QByteArray &name)
{
    if (name.size() != 12 || name.at(8) != '.')
        return false;
    // Windows drops a trailing blank or dot, which would name another file.
    if (name.endsWith(' ') || name.endsWith('.'))
        return false;
    for (char c : name) {
        if (!isNameCharacter(c))
            return false;
    }
    return true;
}
