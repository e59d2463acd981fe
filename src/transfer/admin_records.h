#pragma once

#include <QByteArray>

struct BirdRecord;

// The admin data a memory module keeps for one flyer: three header records
// (combine, club, flyer) and one record per bird, each sent as one command
// and given back unchanged by the admin readout.

// "S1": the combine name (20) and the national organisation (2).
QByteArray CombineRecord(const QByteArray &combineName, const QByteArray &nationalOrg);
// "S2": combine number, club number (at least two digits), club name (20),
// concourse number.
QByteArray ClubRecord(const QByteArray &combine, qint64 clubId, const QByteArray &clubName,
                      const QByteArray &concourse);
// "S3": combine number, club number (at least two digits), flyer number (at
// least three digits), flyer name (20), fourteen zeros.
QByteArray FlyerRecord(const QByteArray &combine, qint64 clubId, qint64 flyerId, const QByteArray &flyerName);
// "Z": the bird's fields joined as stored; firmware above 3.37 takes the
// colour's first character last, older firmware the type.
QByteArray BirdAdminRecord(const BirdRecord &bird, double lmdVersion);

enum class AdminRecordKind { Combine, Club, Flyer, Bird, Other };
AdminRecordKind KindOf(const QByteArray &record);

// The flyer name of an S3 record, blanks included: the 20 characters before
// its closing zeros. A club number of 100 or more, or a flyer number of 1000
// or more, widens the record and moves the name from positions 13 to 32.
// Empty for a record that is no S3 record or too short.
QByteArray FlyerNameOf(const QByteArray &flyerRecord);
