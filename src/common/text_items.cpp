#include "common/text_items.h"

namespace {

bool endsItem(char c)
{
    return c == ',' || c == '\r' || c == '\n';
}

} // namespace

QList<QByteArray> ReadItems(const QByteArray &text)
{
    QList<QByteArray> items;
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size) {
        // Blanks before an item do not count; a line end alone is no item.
        while (at < size && text.at(at) == ' ')
            ++at;
        if (at < size && (text.at(at) == '\r' || text.at(at) == '\n')) {
            ++at;
            continue;
        }
        QByteArray item;
        if (at < size && text.at(at) == '"') {
            const qsizetype close = text.indexOf('"', at + 1);
            const qsizetype end = close < 0 ? size : close;
            item = text.mid(at + 1, end - at - 1);
            at = end + 1;
            while (at < size && !endsItem(text.at(at)))
                ++at;
        } else {
            const qsizetype start = at;
            while (at < size && !endsItem(text.at(at)))
                ++at;
            item = text.mid(start, at - start);
        }
        items.append(item);
        ++at;   // past the comma or line end
    }
    return items;
}
