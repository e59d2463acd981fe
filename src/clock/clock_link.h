#pragma once

#include "clock/serial_port.h"

#include <QByteArray>
#include <QString>
#include <functional>

class Prompter;

// The one road to the clock: frames a command, sends it, waits for the reply
// and checks it. Returns the reply payload, a single reply byte, or a result
// code: "E0" empty command, "E1" not sent, "E2" no reply, "E3" reply without
// end, "E5" no such port, "E8" empty reply, "" bad checksum or short reply.
// Shows its own message for E0, E1, E2, E3 and E5.
class ClockLink {
public:
    // The address of the clock and its memory module; the HCU takes none.
    static inline const QByteArray ClockPrefix = QByteArray(1, char(0x81));

    ClockLink(SerialPort &port, MonotonicClock &clock, Prompter &prompter);

    // How long a one-byte reply is listened after.
    enum class Pace {
        // Nothing is stored: a control byte is a whole reply after a short
        // quiet time.
        Quick,
        // The module stores what was sent: the whole second-byte wait, which
        // is also the clock's time to store it before the next record.
        Stored,
    };
    QByteArray SendCommand(const QByteArray &command, Pace pace = Pace::Quick);

    const QByteArray &addressPrefix() const { return m_addressPrefix; }
    void setAddressPrefix(const QByteArray &prefix) { m_addressPrefix = prefix; }

    int portNumber() const { return m_portNumber; }
    // The number only changes while the port is closed.
    void setPortNumber(int number);
    // A device chosen by name (see DeviceInUse); empty for the number's own.
    // Only changes while the port is closed.
    void setChosenDevice(const QString &device);
    // The device the next exchange opens.
    QString device() const;
    bool isPortOpen() const { return m_port.isOpen(); }
    void closePort() { m_port.close(); }

    // Where the link's own messages go; callers that find a reply unusable
    // tell the user the same way.
    Prompter &prompter() { return m_prompter; }

    // The frame the last call built, for diagnostics.
    const QByteArray &lastFrame() const { return m_lastFrame; }

    // Called while the link waits, so windows can repaint; never serves
    // user input.
    void setWaitHook(std::function<void()> hook) { m_waitHook = std::move(hook); }
    // Sees every request ("->") and reply ("<-") as it crosses the port.
    using Trace = std::function<void(const char *direction, const QByteArray &bytes)>;
    void setTrace(Trace trace) { m_trace = std::move(trace); }

    // The time limits, in milliseconds.
    static constexpr int SendLimitMs = 125;
    static constexpr int FirstByteLimitMs = 2500;
    static constexpr int SecondByteWaitMs = 100;
    // After a one-byte ACK, NAK, EOT or ESC where nothing is stored: about
    // three character times at 9600 baud.
    static constexpr int ControlReplyQuietMs = 3;
    static constexpr int EndOfReplyLimitMs = 5000;

private:
    enum class Wait { Done, TimedOut, Broken };
    template <typename Condition>
    Wait waitFor(Condition done, int limitMs, bool forWrite);
    enum class Open { Opened, NoDevice, Refused };
    Open openPort();
    QByteArray fail(const QByteArray &code, const QString &message);
    QByteArray drained(const QByteArray &result);
    void trace(const char *direction, const QByteArray &bytes);

    SerialPort &m_port;
    MonotonicClock &m_clock;
    Prompter &m_prompter;
    QByteArray m_addressPrefix = ClockPrefix;
    QByteArray m_lastFrame;
    int m_portNumber = 1;
    QString m_chosenDevice;
    std::function<void()> m_waitHook;
    Trace m_trace;
};

// A connection failure the link has told the user about: E0, E1, E2, E3, E5.
bool IsLinkFailure(const QByteArray &reply);

// The texts of the link's messages.
namespace LinkMessages {
QString checklist();
QString forCode(const QByteArray &code);
QString damagedReply();
// A port that is there but cannot be opened, and why.
QString portRefused(const QString &device, const QString &reason);
inline QString title() { return QStringLiteral("Communications Error!"); }
} // namespace LinkMessages
