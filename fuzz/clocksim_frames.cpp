// The clock stand-in's frame parser and command handler on any bytes: every
// request is answered, and every frame it writes back carries a correct
// checksum.
#include "clock/control_chars.h"
#include "clock/framing.h"
#include "command_handler.h"
#include "frame_parser.h"
#include "fuzz_check.h"
#include "module.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Module module;
    module.raceLines = {"123401020050001234505102419000005122418000505122418000001 05/11 BRIGHTON00"};
    CommandHandler handler(module, size > 0 && data[0] & 1, [] {});
    FrameParser parser;
    for (size_t i = 0; i < size; ++i) {
        const std::optional<Request> request = parser.feed(char(data[i]));
        if (!request)
            continue;
        FUZZ_CHECK(request->raw.size() <= FrameParser::MaxFrameBytes + 1);   // and its ETX
        const QByteArray reply = handler.handle(*request);
        FUZZ_CHECK(!reply.isEmpty());
        if (reply.size() == 1)
            continue;
        const qsizetype n = reply.size();
        FUZZ_CHECK(reply.startsWith(Ctl::STX) && reply.endsWith(Ctl::ETX) && n >= 4);
        FUZZ_CHECK(FrameChecksum(reply.mid(1, n - 4)) == reply.mid(n - 3, 2));
    }
    return 0;
}
