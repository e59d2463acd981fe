#include "race_data/tam_file_names.h"

namespace {

QByteArray field(const QByteArray &line, int position, int length)
{
    return line.mid(position - 1, length);
}

bool isNameCharacter(char c)
{
    static const QByteArray forbidden = QByteArrayLiteral("\\/:*?\"<>|");
    return c >= ' ' && c <= '~' && !forbidden.contains(c);
}

} // namespace

QByteArray NormalTamName(const QByteArray &firstLine)
{
    return field(firstLine, 1, 8) + '.' + field(firstLine, 9, 3);
}

QByteArray AlternativeTamName(const QByteArray &firstLine)
{
    return field(firstLine, 20, 6) + field(firstLine, 7, 2) + '.' + field(firstLine, 9, 3);
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
