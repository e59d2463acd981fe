#pragma once

#include <QString>
#include <array>

// The bird colours: the clock stores a colour as a numeric code, the birds
// table as the character with that code.
struct ColorSlot {
    QString abbreviation;
    QString name;
};

class BirdColors {
public:
    static constexpr int SlotCount = 97;   // codes 0 to 96
    static constexpr int ColorCount = 58;

    // The clock system's own routines, under their own names.

    // Slots by code: codes below 64 without a colour read "1", codes from 64
    // without one are empty.
    std::array<ColorSlot, SlotCount> ColorTable;
    // The codes in display order, and the last display position.
    std::array<int, ColorCount> ColorOrder{};
    int ColorLast = -1;

    void BuildColorTable();

    // The slot of any code; codes outside the table have an empty slot.
    const ColorSlot &slot(int code) const;
};
