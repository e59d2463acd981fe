#include "reports/report_on_screen.h"

#include "common/field.h"
#include "common/text_helpers.h"

namespace {

QByteArray cut(const QByteArray &line, int first, int last, int width)
{
    return FixWidth(Field(line, first, last - first + 1), width, ' ', true);
}

} // namespace

QByteArray OutputArrivalLine(const QByteArray &listLine, int k)
{
    return FixWidth(QByteArray::number(k + 1), 4, ' ', false) + ") " + cut(listLine, 4, 23, 22)
         + cut(listLine, 25, 38, 15) + cut(listLine, 41, 48, 9) + cut(listLine, 50, 54, 6);
}

QByteArray MemoryModuleText(const QByteArray &lmdSerial)
{
    const qint64 value = qint64(LenientNumber(lmdSerial));
    const QByteArray digits = QByteArray::number(qAbs(value)).rightJustified(6, '0');
    return value < 0 ? '-' + digits : digits;
}
