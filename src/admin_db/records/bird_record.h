#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class BirdColors;

// One row of table birds, as the bird window keeps it beside its list line.
struct BirdRecord {
    qint64 key = 0;     // rowid
    qint64 flyerId = 0;
    QByteArray natOrg;
    QByteArray hatchYr;
    QByteArray clubletters;
    QByteArray bnumber;
    QByteArray sex;
    QByteArray elecnumber;
    QByteArray color;
    QByteArray type;

    // 14 characters for a bird stored by this program.
    QByteArray band() const { return natOrg + hatchYr + clubletters + bnumber; }
};

// The ring of a bird added by hand.
inline const QByteArray NoElectronicRing = QByteArrayLiteral("0000000000");

// The colour code a stored colour stands for. "NONE" (no colour known) and
// anything else that is not one character stands for none.
std::optional<int> ColorCodeOf(const QByteArray &color);

// " AU07  AB000123C 0000000000 BL": the band at positions 2 to 15, the sex,
// the ring at 18 to 27 and the colour's abbreviation from 29.
QString BirdListLine(const BirdRecord &bird, const BirdColors &colors);
// The same columns for a spreadsheet: band, sex, ring, the colour's
// abbreviation and its name.
QStringList BirdTableHeadings();
QStringList BirdTableRow(const BirdRecord &bird, const BirdColors &colors);

// Whether a bird read from outside (a memory module, a DOS file) has the
// fields its layout says: letters for the organisation, digits for the hatch
// year and the serial number, printable club letters and sex, a ring of
// letters and digits. Control bytes and blank rings are no bird.
bool IsReadableBird(const BirdRecord &bird);

// A bird record read from a memory module: band at positions 2 to 15, sex at
// 16, ring at 17 to 26, colour character at 27. nullopt for a record too
// short to hold them or not readable as a bird.
std::optional<BirdRecord> ReceivedBird(const QByteArray &record, qint64 flyerId);
