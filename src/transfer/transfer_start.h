#pragma once

struct TransferContext;

// The opening every clock command shares: the clock's address, a fresh
// identification, the status bar. False, the port closed, when no clock
// answered; the link has told the user.
bool StartTransfer(TransferContext &context);

// The closing: the progress window goes, the port is closed.
void EndTransfer(TransferContext &context);
