#include "admin_db/records/bird_colors.h"

namespace {

struct ColorRow {
    int code;
    const char *abbreviation;
    const char *name;
};

// In display order.
constexpr ColorRow Rows[BirdColors::ColorCount] = {
    {91, "BLS", "Barless"},
    {62, "BLK", "Black"},
    {49, "BKC", "Black Check"},
    {69, "BKCP", "Black Ck Pied"},
    {50, "BKCW", "Blk Chk White Fl"},
    {51, "BKCWP", "Blk Chk W F Pied"},
    {73, "BKP", "Black Pied"},
    {34, "BKW", "Black White Flight"},
    {66, "BKWP", "Black WF Pied"},
    {74, "BL", "Blue"},
    {72, "BBAR", "Blue Bar"},
    {36, "BCH", "Blue Check"},
    {67, "BCP", "Blue Check Pied"},
    {37, "BCW", "Blue Chk Wh Flight"},
    {38, "BCWP", "Blue Chk WF Pied"},
    {35, "BP", "Blue Pied"},
    {75, "BWF", "Blue White Flight"},
    {33, "BWP", "Blue W F Pied"},
    {63, "BR", "Bronze"},
    {64, "BRW", "Bronze White Flight"},
    {65, "BRWP", "Bronze W F Pied"},
    {77, "CH", "Check"},
    {78, "CHP", "Check Pied"},
    {79, "CHWF", "Check White Flight"},
    {53, "CHO", "Chocolate"},
    {54, "CHOC", "Choc Check"},
    {56, "CHOP", "Choc Pied"},
    {55, "CHOW", "Choc White Flight"},
    {46, "DC", "Dark Check"},
    {68, "DCP", "Dark Check Pied"},
    {47, "DCW", "Dark Ck W F"},
    {48, "DCWP", "Dark Ck W F Pied"},
    {86, "DG", "Dark Grizzle"},
    {80, "DP", "Dark Pied"},
    {52, "G", "Gray"},
    {83, "GP", "Gray Pied"},
    {85, "GR", "Grizzle"},
    {81, "ML", "Mealy"},
    {82, "MP", "Mealy Pied"},
    {60, "M", "Mosaic"},
    {88, "PEN", "Pencil"},
    {40, "R", "Red"},
    {43, "RC", "Red Check"},
    {70, "RCP", "Red Check Pied"},
    {44, "RCW", "Red Chk Wh Flight"},
    {45, "RCWP", "Red Chk W F Pied"},
    {87, "RG", "Red Grizzle"},
    {76, "RP", "Red Pied"},
    {41, "RW", "Red White Flight"},
    {42, "RWP", "Red W F Pied"},
    {89, "SIL", "Silver"},
    {58, "SLAT", "Slate"},
    {59, "SMOK", "Smokey"},
    {93, "ST", "Strawberry"},
    {39, "W", "White"},
    {84, "WG", "White Grizzle"},
    {57, "YELL", "Yellow"},
    {32, "____", "Other"},
};

} // namespace

void BirdColors::BuildColorTable()
{
    ColorTable = {};
    for (int code = 0; code < 64; ++code)
        ColorTable[code] = {QStringLiteral("1"), QStringLiteral("1")};
    for (int pos = 0; pos < ColorCount; ++pos) {
        const ColorRow &row = Rows[pos];
        ColorTable[row.code] = {QString::fromLatin1(row.abbreviation), QString::fromLatin1(row.name)};
        ColorOrder[pos] = row.code;
    }
    ColorLast = ColorCount - 1;
}

const ColorSlot &BirdColors::slot(int code) const
{
    static const ColorSlot none;
    return code >= 0 && code < SlotCount ? ColorTable[code] : none;
}
