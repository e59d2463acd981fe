#pragma once

#include "common/character_rules.h"

// A club name is a name field of this many characters.
inline constexpr int ClubNameLimit = 20;
