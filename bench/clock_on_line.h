#pragma once

#include "clock/clock_link.h"
#include "clock/qt_serial_port.h"
#include "clocksim_process.h"
#include "stderr_prompter.h"

#include <QElapsedTimer>
#include <QStringList>
#include <optional>

// The speed of the clock's line.
inline constexpr int LineBaud = 9600;

// tamrel-clocksim beside the benchmark, paced like a 9600 baud line or not at
// all, and the program's own link to it through the real serial port. Counts
// every byte that crosses the line.
class ClockOnLine {
public:
    ClockOnLine(bool paced, const QStringList &simArguments);

    // False when the clock stand-in did not start; told on stderr.
    bool isReady() const;

    ClockLink &link() { return m_link; }
    StderrPrompter &prompter() { return m_prompter; }

    void resetWireBytes() { m_wireBytes = 0; }
    // What the bytes counted since need on the line: ten bits a byte.
    double wireSeconds() const { return double(m_wireBytes) * 10 / LineBaud; }
    // Since the clock's last reply: the program's own work after it.
    double secondsSinceLastReply() const { return double(m_sinceReply.nsecsElapsed()) / 1e9; }

private:
    ClocksimProcess m_sim;
    QtSerialPort m_port;
    SteadyClock m_clock;
    StderrPrompter m_prompter;
    ClockLink m_link;
    qint64 m_wireBytes = 0;
    QElapsedTimer m_sinceReply;
};

// Whether a benchmark on the line runs paced: its one option is
// --no-pace. nullopt after showing how the sub-command is called.
std::optional<bool> PacedOf(const QStringList &arguments, const char *subCommand);

// Wall and processor time of one measured stretch.
class Stopwatch {
public:
    Stopwatch();
    double elapsedSeconds() const { return double(m_wall.nsecsElapsed()) / 1e9; }
    double cpuSeconds() const;

private:
    QElapsedTimer m_wall;
    double m_cpuStart;
};

// "elapsed_s=X wire_s=W ratio=R cpu_ratio=C" for a stretch against its wire time.
QByteArray LineFigures(const Stopwatch &watch, double wireSeconds);
