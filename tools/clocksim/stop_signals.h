#pragma once

#include <QString>

// SIGINT and SIGTERM, blocked for the whole process and read from a
// descriptor, so that the serve loop can wait for them beside the line and
// still clean up.
class StopSignals {
public:
    StopSignals() = default;
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    bool open(QString *error);
    int fd() const { return m_fd; }

private:
    int m_fd = -1;
};
