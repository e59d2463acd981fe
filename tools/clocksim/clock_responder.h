#pragma once

#include "command_handler.h"
#include "exchange_log.h"
#include "faults.h"
#include "frame_parser.h"

// The clock's side of one exchange: which fault strikes, what the clock
// answers, and the log line for it.
class ClockResponder {
public:
    ClockResponder(CommandHandler &commands, FaultInjector &faults, ExchangeLog &log)
        : m_commands(commands), m_faults(faults), m_log(log)
    {
    }

    TimedReply answer(const Request &request);
    // How long the clock is busy storing after the last answer, dropping
    // what arrives.
    int busyMs() const { return m_busyMs; }

private:
    CommandHandler &m_commands;
    FaultInjector &m_faults;
    ExchangeLog &m_log;
    int m_busyMs = 0;
};
