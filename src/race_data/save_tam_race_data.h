#pragma once

#include "race_data/race_memory_readout.h"

class Folders;

// "Save Race Data ("TAM" style)": reads the race memory of the inserted
// module and saves it unchanged as a TAM race file in the race folder.
void SaveTamRaceData(TransferContext &context, const Folders &folders);

// The most blocks a TAM race file keeps.
inline constexpr int TamBlockCapacity = 1010;
