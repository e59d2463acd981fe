#include "clock/clock_link.h"

#include "clock/control_chars.h"
#include "clock/framing.h"
#include "clock/port_device.h"
#include "common/line_breaks.h"
#include "common/prompter.h"

#include <QFileInfo>

namespace {
// Waits are cut into slices so that windows can repaint in between.
constexpr int kWaitSliceMs = 50;

bool IsControlReply(char byte)
{
    return byte == Ctl::ACK || byte == Ctl::NAK || byte == Ctl::EOT || byte == Ctl::ESC;
}
} // namespace

bool IsLinkFailure(const QByteArray &reply)
{
    return reply == "E0" || reply == "E1" || reply == "E2" || reply == "E3" || reply == "E5";
}

QString LinkMessages::checklist()
{
    return CRLF + CRLF + QStringLiteral("Assure all of the following: ") + CRLF + CRLF
         + QStringLiteral("1) The correct COMM Port is entered on the Configuration screen") + CRLF + CRLF
         + QStringLiteral("2) The appropriate cable is used ") + CRLF
         + QStringLiteral("    a) Cable # 7413 for the KORVE ") + CRLF
         + QStringLiteral("    b) USB for the TALMI") + CRLF + CRLF
         + QStringLiteral("3) The TAMREL power is on, the LMD is inserted AND the") + CRLF
         + QStringLiteral("    TAMREL is ready for logging or Race Entry");
}

QString LinkMessages::forCode(const QByteArray &code)
{
    if (code == "E0")
        return QStringLiteral("Output string format error");
    if (code == "E1")
        return QStringLiteral("Transmission Failure, Check Connection") + checklist();
    if (code == "E2")
        return QStringLiteral("No Tamrel detected. Please check connection.") + checklist();
    if (code == "E3")
        return QStringLiteral("Communication Timeout, Check Connection") + checklist();
    if (code == "E5")
        return QStringLiteral("Invalid comport number, check system configuration.");
    return {};
}

QString LinkMessages::portRefused(const QString &device, const QString &reason)
{
    const QFileInfo file(device);
    QString why;
    if (!file.isReadable() || !file.isWritable()) {
        why = QStringLiteral("you have no permission to use it.");
#ifdef Q_OS_LINUX
        why += CRLF + CRLF + QStringLiteral("Your user must be in the \"dialout\" group to use serial ports: ask for it, "
                                            "then log out and in again.");
#endif
    } else {
        why = QStringLiteral("it is in use by another program, or it is not a serial port.");
    }
    return QStringLiteral("The serial port %1 cannot be opened: ").arg(device) + why + CRLF + CRLF
         + QStringLiteral("(%1)").arg(reason);
}

QString LinkMessages::damagedReply()
{
    return QStringLiteral("The Tamrel answered, but its answer was damaged on the way. Please try again.") + checklist();
}

ClockLink::ClockLink(SerialPort &port, MonotonicClock &clock, Prompter &prompter)
    : m_port(port), m_clock(clock), m_prompter(prompter)
{
}

void ClockLink::setPortNumber(int number)
{
    if (!m_port.isOpen())
        m_portNumber = number;
}

void ClockLink::setChosenDevice(const QString &device)
{
    if (!m_port.isOpen())
        m_chosenDevice = device;
}

QString ClockLink::device() const
{
    return DeviceInUse(m_portNumber, m_chosenDevice);
}

template <typename Condition>
ClockLink::Wait ClockLink::waitFor(Condition done, int limitMs, bool forWrite)
{
    const qint64 start = m_clock.nowMs();
    while (!done()) {
        if (m_port.broken())
            return Wait::Broken;
        const qint64 left = limitMs - (m_clock.nowMs() - start);
        if (left <= 0)
            return Wait::TimedOut;
        const int slice = int(qMin<qint64>(left, kWaitSliceMs));
        if (forWrite)
            m_port.waitForBytesWritten(slice);
        else
            m_port.waitForReadyRead(slice);
        if (m_waitHook)
            m_waitHook();
    }
    return Wait::Done;
}

QByteArray ClockLink::fail(const QByteArray &code, const QString &message)
{
    m_port.close();
    m_prompter.message(Message{message, LinkMessages::title(), MsgIcon::None, MsgButtons::Ok, 0, false});
    return code;
}

ClockLink::Open ClockLink::openPort()
{
    const QString device = this->device();
    if (!DeviceExists(device)) {
        m_prompter.message(Message{LinkMessages::forCode("E5"), {}, MsgIcon::None, MsgButtons::Ok, 0, false});
        return Open::NoDevice;
    }
    if (!m_port.open(device)) {
        m_prompter.message(Message{LinkMessages::portRefused(device, m_port.errorText()), LinkMessages::title(),
                                   MsgIcon::None, MsgButtons::Ok, 0, false});
        m_port.close();
        return Open::Refused;
    }
    m_port.clear();
    return Open::Opened;
}

void ClockLink::trace(const char *direction, const QByteArray &bytes)
{
    if (m_trace)
        m_trace(direction, bytes);
}

// The rest of a faulty reply would be taken for the next one's: the line
// is read until it has stayed quiet for a second-byte wait.
QByteArray ClockLink::drained(const QByteArray &result)
{
    const qint64 start = m_clock.nowMs();
    while (m_clock.nowMs() - start < EndOfReplyLimitMs
           && waitFor([this] { return !m_port.readAll().isEmpty(); }, SecondByteWaitMs, false) == Wait::Done) {
    }
    return result;
}

QByteArray ClockLink::SendCommand(const QByteArray &command, Pace pace)
{
    m_port.clear();
    if (!m_port.isOpen()) {
        switch (openPort()) {
        case Open::Opened: break;
        // A port that is there but refuses us is no usable port either; it
        // has had its own message, and the callers stop quietly on E5.
        case Open::NoDevice:
        case Open::Refused: return QByteArrayLiteral("E5");
        }
    }

    m_lastFrame = FrameCommand(m_addressPrefix, command);
    if (m_lastFrame.isEmpty()) {
        m_lastFrame = QByteArrayLiteral("E0");
        return fail("E0", LinkMessages::forCode("E0"));
    }

    QByteArray provisional;
    for (int attempts = 1;; ++attempts) {
        trace("->", m_lastFrame);
        m_port.write(m_lastFrame);

        switch (waitFor([this] { return m_port.bytesToWrite() == 0; }, SendLimitMs, true)) {
        case Wait::Done: break;
        case Wait::TimedOut:
        case Wait::Broken: return fail("E1", LinkMessages::forCode("E1"));
        }
        switch (waitFor([this] { return m_port.bytesAvailable() >= 1; }, FirstByteLimitMs, false)) {
        case Wait::Done: break;
        case Wait::TimedOut:
        case Wait::Broken: return fail("E2", LinkMessages::forCode("E2"));
        }
        // A second byte tells a framed reply from a single byte. Where
        // nothing is stored, a control byte is a whole reply once the line
        // has stayed quiet for a few character times after it.
        QByteArray reply = m_port.readAll();
        const bool quick = pace == Pace::Quick && reply.size() == 1 && IsControlReply(reply.at(0));
        waitFor(
            [&] {
                reply += m_port.readAll();
                return reply.size() >= 2;
            },
            quick ? ControlReplyQuietMs : SecondByteWaitMs, false);

        // An STX begins a frame, which is read to its end however long the
        // clock pauses after it; taken alone, the rest of the frame would
        // become the next request's reply.
        if (reply.size() == 1 && reply.at(0) != Ctl::STX) {
            provisional = reply;
            const char b = reply.at(0);
            if (b != Ctl::NAK) {
                trace("<-", reply);
                return IsControlReply(b) ? reply : drained(reply);
            }
        } else {
            provisional.clear();
            const auto hasEnd = [&] {
                reply += m_port.readAll();
                return reply.contains(Ctl::ETX);
            };
            if (waitFor(hasEnd, EndOfReplyLimitMs, false) != Wait::Done) {
                trace("<-", reply);
                return fail("E3", LinkMessages::forCode("E3"));
            }
        }
        trace("<-", reply);

        if (reply.size() == 1 && reply.at(0) == Ctl::NAK) {
            if (attempts == 1)
                continue;
            return reply;
        }
        if (reply.isEmpty())
            return QByteArrayLiteral("E8");
        const qsizetype n = reply.size();
        if (n < 4)
            return drained(provisional);
        const QByteArray data = reply.mid(1, n - 4);
        if (FrameChecksum(data) == reply.mid(n - 3, 2))
            return data.mid(1);
        return drained({});
    }
}
