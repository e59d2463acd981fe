#include "transfer/transfer_start.h"

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "common/progress_view.h"
#include "transfer/transfer_context.h"

bool StartTransfer(TransferContext &context)
{
    context.link.setAddressPrefix(ClockLink::ClockPrefix);
    context.identity.LmdSerial.clear();
    ReadClockInfo(context.link, context.identity);
    if (!context.identity.connected()) {
        // A damaged or strange answer leaves the port open.
        context.link.closePort();
        return false;
    }
    context.showClockStatus();
    return true;
}

void EndTransfer(TransferContext &context)
{
    context.progress.closeProgress();
    context.link.closePort();
}
