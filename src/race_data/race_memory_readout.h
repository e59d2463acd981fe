#pragma once

#include "race_data/race_lines.h"
#include "transfer/transfer_context.h"

#include <optional>

struct RaceReadout {
    enum class End {
        Complete,     // the clock said EOT
        NoClock,      // the identification failed; the link has told the user
        BrokenOff,    // the readout stopped short and the user was told
    };
    End end = End::Complete;
    RaceImage blocks;
    // Blocks read to the clock's end but beyond the list's capacity.
    int blocksLeftOut = 0;
    // Replies lost to a bad checksum or a damaged frame.
    int faultyReplies = 0;
};

// Far beyond any module's race memory.
inline constexpr int RaceReadoutReplyLimit = 10000;

// Reads the race memory of the inserted module, block by block, counting the
// blocks in the progress window. Keeps at most capacity blocks but reads on
// to the clock's EOT. The progress window stays open unless the readout broke
// off; the caller closes it and the port.
RaceReadout ReadRaceMemory(TransferContext &context, int capacity);

// The readout a race data save starts with: ends with the port closed and
// the progress window gone. nullopt when it broke off, or after telling the
// user emptyMessage when the memory holds fewer than two lines.
std::optional<RaceReadout> ReadRaceMemoryToSave(TransferContext &context, int capacity,
                                                const QString &emptyMessage);

// What the user should know about a readout that is not quite the race
// memory; empty when it is.
QString ReadoutNotes(const RaceReadout &readout);
