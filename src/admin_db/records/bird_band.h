#pragma once

#include <QString>
#include <QStringList>

// The four parts of a band number as the bird window's fields hold them.
struct BandFields {
    QString org;
    QString year;
    QString club;
    QString idNumber;

    bool anyEmpty() const { return org.isEmpty() || year.isEmpty() || club.isEmpty() || idNumber.isEmpty(); }
};

// "AU", "CA", "CU", "IF", "MX", "NP", "US".
QStringList NatOrgCodes();
// Without regard to case; a part of a code is none.
bool IsNatOrg(const QString &typed);
// "Only AU, CA, CU, IF, MX, NP or US are allowed for Nat Org."
QString NatOrgMessage();

// The parts at the widths the list line and the module records need:
// year "7" is "07", club "ab" is "  ab", ID number "123" is "000123".
QString PaddedYear(const QString &typed);
QString PaddedClub(const QString &typed);
QString PaddedIdNumber(const QString &typed);
