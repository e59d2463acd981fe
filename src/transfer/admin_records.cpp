#include "transfer/admin_records.h"

#include "admin_db/records/bird_record.h"
#include "common/text_helpers.h"

namespace {

const QByteArray FlyerRecordEnd(14, '0');
constexpr int NameWidth = 20;

QByteArray name(const QByteArray &text)
{
    return FixWidth(text, NameWidth, ' ', true);
}

// At least minimumDigits digits, wider numbers whole.
QByteArray number(qint64 n, int minimumDigits)
{
    return QByteArray::number(n).rightJustified(minimumDigits, '0');
}

} // namespace

QByteArray CombineRecord(const QByteArray &combineName, const QByteArray &nationalOrg)
{
    return FixWidth("S1", 12, ' ', true) + name(combineName) + nationalOrg;
}

QByteArray ClubRecord(const QByteArray &combine, qint64 clubId, const QByteArray &clubName,
                      const QByteArray &concourse)
{
    return "S2   " + combine + number(clubId, 2) + "   " + name(clubName) + ' ' + concourse;
}

QByteArray FlyerRecord(const QByteArray &combine, qint64 clubId, qint64 flyerId, const QByteArray &flyerName)
{
    return "S3   " + combine + number(clubId, 2) + number(flyerId, 3) + name(flyerName) + FlyerRecordEnd;
}

QByteArray BirdAdminRecord(const BirdRecord &bird, double lmdVersion)
{
    const QByteArray last = lmdVersion > 3.37 ? bird.color.left(1) : bird.type;
    return 'Z' + bird.natOrg + bird.hatchYr + bird.clubletters + bird.bnumber + bird.sex + bird.elecnumber + last;
}

AdminRecordKind KindOf(const QByteArray &record)
{
    if (record.startsWith("S1"))
        return AdminRecordKind::Combine;
    if (record.startsWith("S2"))
        return AdminRecordKind::Club;
    if (record.startsWith("S3"))
        return AdminRecordKind::Flyer;
    if (record.startsWith('Z'))
        return AdminRecordKind::Bird;
    return AdminRecordKind::Other;
}

QByteArray FlyerNameOf(const QByteArray &flyerRecord)
{
    const qsizetype nameEnd = flyerRecord.size() - FlyerRecordEnd.size();
    // "S3", three blanks, two digits each at least for combine and club,
    // three for the flyer come first.
    if (KindOf(flyerRecord) != AdminRecordKind::Flyer || nameEnd - NameWidth < 12
        || !flyerRecord.endsWith(FlyerRecordEnd))
        return {};
    return flyerRecord.mid(nameEnd - NameWidth, NameWidth);
}
