#pragma once

#include "module.h"

#include <QByteArray>
#include <optional>

// Identity values as the command line and the module file write them. Each
// reader returns nothing for a text it cannot take.

std::optional<ClockModel> ParseModel(const QByteArray &text);
QByteArray ModelName(ClockModel model);

// "1.57" -> 157; at most two decimals, at most maxHundredths.
std::optional<int> ParseVersion(const QByteArray &text, int maxHundredths);
QByteArray VersionText(int hundredths);

// One decimal digit.
std::optional<char> ParseState(const QByteArray &text);

// Exactly `digits` hexadecimal digits.
std::optional<QByteArray> ParseHex(const QByteArray &text, int digits);

// The replies hold the module's version in four digits, the HCU's in three.
inline constexpr int MaxLmdVersion = 9999;
inline constexpr int MaxHcuVersion = 999;
