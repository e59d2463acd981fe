#pragma once

// The password every copy of tamreldata.mdb is keyed with; fixed in the
// program so that the delivered file and the program always agree.
inline constexpr char DatabasePassword[] = "BrennikTQX";
