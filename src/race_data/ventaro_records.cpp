#include "race_data/ventaro_records.h"

#include "common/field.h"
#include "common/text_helpers.h"

namespace {

QByteArray digits(const QByteArray &text, int width)
{
    return FixWidth(text, width, '0', false);
}

QByteArray ownerFields(const QByteArray &header)
{
    const RaceOwner owner = OwnerOfRace(header);
    return owner.club + owner.flyer;
}

} // namespace

RaceOwner OwnerOfRace(const QByteArray &header)
{
    return {digits(Field(header, 7, 2), 3), Field(header, 9, 3)};
}

QByteArray VentaroRecordZero(const QByteArray &liberationDate)
{
    return '0' + liberationDate;
}

QByteArray VentaroRaceRecord(const QByteArray &header, int arrivals, const QByteArray &flyerName,
                             const VentaroVersions &versions)
{
    return '1' + ownerFields(header) + digits(QByteArray::number(arrivals), 3) + FixWidth(flyerName, 20, ' ', true)
         + header.mid(55) + '-' + versions.program + '-' + QByteArray::number(versions.lmdVersion) + '-'
         + QByteArray::number(versions.modelCode);
}

QByteArray VentaroClockRecord(const QByteArray &header)
{
    const auto f = [&header](int position, int length) { return Field(header, position, length); };
    return '2' + ownerFields(header) + '0' + f(22, 2) + f(20, 2) + f(26, 6) + f(46, 2) + f(44, 2) + f(38, 6)
         + f(50, 6);
}

QByteArray VentaroArrivalRecord(const QByteArray &header, const QByteArray &arrival, const QByteArray &color)
{
    const auto f = [&arrival](int position, int length) { return Field(arrival, position, length); };
    const QByteArray race = digits(QByteArray::number(qint64(LenientNumber(Field(header, 56, 2)))), 2);
    const char clocked = f(16, 6) == "000000" ? '0' : '1';
    return '3' + ownerFields(header) + f(1, 14) + f(15, 1) + race + clocked + f(24, 2) + f(22, 2) + f(16, 6)
         + FixWidth(f(26, 1), 28, '0', true) + color;
}
