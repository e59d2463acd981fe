// The link's handling of any reply, a port that never sends or breaks
// included: it returns a result code, a lone byte, an empty text for a
// damaged frame, or a payload no longer than what arrived; it sends a frame
// at most twice and tells the user at most once.
#include "clock/clock_link.h"
#include "fuzz_check.h"
#include "scripted_line.h"

#include <cstdint>

namespace {

bool isResultCode(const QByteArray &r)
{
    return r == "E0" || r == "E1" || r == "E2" || r == "E3" || r == "E5" || r == "E8";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    qputenv("TAMREL_COM1", "/dev/null");
    ScriptedLine line(data, size);
    CountingPrompter prompter;
    ClockLink link(line, line, prompter);
    for (const QByteArray &command : {QByteArrayLiteral("v"), QByteArray(1, char(0x06))}) {
        const int writesBefore = line.writes();
        const int messagesBefore = prompter.messages;
        const QByteArray r = link.SendCommand(command);
        FUZZ_CHECK(isResultCode(r) || r.size() <= line.bytesDelivered());
        FUZZ_CHECK(line.writes() - writesBefore <= 2);
        FUZZ_CHECK(prompter.messages - messagesBefore <= 1);
        // A failure that closes the port is always told.
        if (r == "E1" || r == "E2" || r == "E3")
            FUZZ_CHECK(prompter.messages - messagesBefore == 1 && !line.isOpen());
    }
    return 0;
}
