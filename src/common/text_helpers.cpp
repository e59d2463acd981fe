#include "common/text_helpers.h"

QByteArray FixWidth(const QByteArray &text, int width, char padChar, bool leftAlign)
{
    if (width <= 0)
        return {};
    const QByteArray t = text.trimmed();
    const int n = int(t.size());
    if (n >= width)
        return leftAlign ? t.left(width) : t.right(width);
    const QByteArray fill(width - n, padChar);
    return leftAlign ? t + fill : fill + t;
}

double HexToNumber(const QByteArray &text)
{
    // The clock's serial numbers never exceed eight digits; the weights are
    // 32-bit like the clock's own, so longer texts keep only their last eight.
    const QByteArray t = text.right(8);
    double sum = 0;
    double weight = 1;
    for (qsizetype i = t.size() - 1; i >= 0; --i) {
        const char c = t.at(i);
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        sum += d * weight;
        weight *= 16;
    }
    return sum;
}

double LenientNumber(const QByteArray &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text.at(i) == ' ' || text.at(i) == '\t'))
        ++i;
    const qsizetype begin = i;
    if (i < n && (text.at(i) == '-' || text.at(i) == '+'))
        ++i;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text.at(i) >= '0' && text.at(i) <= '9')
            ++i;
        return i > from;
    };
    bool any = digits();
    if (i < n && text.at(i) == '.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0;
    return text.mid(begin, i - begin).toDouble();
}

QByteArray SignedNumberText(qint64 n)
{
    const QByteArray digits = QByteArray::number(n);
    return n < 0 ? digits : ' ' + digits;
}
