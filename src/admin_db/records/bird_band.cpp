#include "admin_db/records/bird_band.h"

#include "common/text_helpers.h"
#include "common/latin1.h"

namespace {

QString padded(const QString &typed, int width, char padChar)
{
    return toText(FixWidth(toBytes(typed), width, padChar, false));
}

} // namespace

QStringList NatOrgCodes()
{
    const QString joined = QStringLiteral("AUCACUIFMXNPUS");
    QStringList codes;
    for (qsizetype i = 0; i < joined.size(); i += 2)
        codes.append(joined.mid(i, 2));
    return codes;
}

bool IsNatOrg(const QString &typed)
{
    return NatOrgCodes().contains(typed.toUpper());
}

QString NatOrgMessage()
{
    QStringList codes = NatOrgCodes();
    const QString last = codes.takeLast();
    return QStringLiteral("Only ") + codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last
         + QStringLiteral(" are allowed for Nat Org.");
}

QString PaddedYear(const QString &typed)
{
    return padded(typed, 2, '0');
}

QString PaddedClub(const QString &typed)
{
    return padded(typed, 4, ' ');
}

QString PaddedIdNumber(const QString &typed)
{
    return padded(typed, 6, '0');
}
