// The identification on any replies: a clock is either identified, with a
// serial of at most eight characters and a state, or not, with no serial;
// the user hears of it at most once.
#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "fuzz_check.h"
#include "scripted_line.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    qputenv("TAMREL_COM1", "/dev/null");
    ScriptedLine line(data, size);
    CountingPrompter prompter;
    ClockLink link(line, line, prompter);
    ClockIdentity identity;
    const QByteArray result = ReadClockInfo(link, identity);
    FUZZ_CHECK(result.isEmpty() == identity.connected());
    FUZZ_CHECK(identity.LmdSerial.size() <= 8);
    if (identity.connected())
        FUZZ_CHECK(identity.LmdState.size() >= 1 && identity.LmdState.size() <= 2);
    FUZZ_CHECK(prompter.messages <= 1);
    StatusTextsFor(identity);
    return 0;
}
