#include "admin_db/records/bird_record.h"

#include "admin_db/records/bird_colors.h"
#include "common/character_rules.h"
#include "common/latin1.h"

namespace {

bool holds(const QByteArray &field, qsizetype width, CharacterRule accepts)
{
    return field.size() == width && FitsField(toText(field), int(width), accepts);
}

bool isLetterOrDigit(QChar c)
{
    return IsLatinLetter(c) || IsDigit(c);
}

} // namespace

std::optional<int> ColorCodeOf(const QByteArray &color)
{
    if (color.size() != 1)
        return std::nullopt;
    return int(uchar(color.at(0)));
}

QString BirdListLine(const BirdRecord &bird, const BirdColors &colors)
{
    // Padded but never trimmed: positions 2 to 15 must read back as the band
    // that is stored.
    const auto column = [](const QByteArray &text, int width) { return text.leftJustified(width, ' ', true); };
    const std::optional<int> code = ColorCodeOf(bird.color);
    const QByteArray line = ' ' + column(bird.natOrg, 2) + column(bird.hatchYr, 2) + column(bird.clubletters, 4)
                          + column(bird.bnumber, 6) + column(bird.sex, 1) + ' ' + column(bird.elecnumber, 10) + ' ';
    return toText(line) + (code ? colors.slot(*code).abbreviation : QString());
}

QStringList BirdTableHeadings()
{
    return {QStringLiteral("Band Number"), QStringLiteral("Sex"), QStringLiteral("Electronic Ring"),
            QStringLiteral("Colour"), QStringLiteral("Colour Name")};
}

QStringList BirdTableRow(const BirdRecord &bird, const BirdColors &colors)
{
    const std::optional<int> code = ColorCodeOf(bird.color);
    const ColorSlot none;
    const ColorSlot &color = code ? colors.slot(*code) : none;
    return {toText(bird.band()), toText(bird.sex), toText(bird.elecnumber), color.abbreviation, color.name};
}

std::optional<BirdRecord> ReceivedBird(const QByteArray &record, qint64 flyerId)
{
    if (record.size() < 27)
        return std::nullopt;
    BirdRecord bird;
    bird.flyerId = flyerId;
    bird.natOrg = record.mid(1, 2);
    bird.hatchYr = record.mid(3, 2);
    bird.clubletters = record.mid(5, 4);
    bird.bnumber = record.mid(9, 6);
    bird.sex = record.mid(15, 1);
    bird.elecnumber = record.mid(16, 10);
    bird.color = record.mid(26, 1);
    bird.type = QByteArrayLiteral("1");
    if (!IsReadableBird(bird))
        return std::nullopt;
    return bird;
}

bool IsReadableBird(const BirdRecord &bird)
{
    return holds(bird.natOrg, 2, IsLatinLetter) && holds(bird.hatchYr, 2, IsDigit)
        && holds(bird.clubletters, 4, IsNameCharacter) && holds(bird.bnumber, 6, IsDigit)
        && holds(bird.sex, 1, IsNameCharacter) && holds(bird.elecnumber, 10, isLetterOrDigit);
}
