#include "frame_parser.h"

#include "clock/control_chars.h"
#include "sim_frames.h"

namespace {
const char Prefix = char(0x81);
} // namespace

std::optional<Request> FrameParser::feed(char byte)
{
    if (byte == Ctl::STX) {
        m_state = State::InFrame;
        m_frame = QByteArray(1, byte);
        return std::nullopt;
    }
    switch (m_state) {
    case State::Idle:
        if (byte == Ctl::ACK || byte == Ctl::NAK || byte == Ctl::EOT)
            return Request{Request::Kind::Bare, false, QByteArray(1, byte), QByteArray(1, byte)};
        return std::nullopt;
    case State::InFrame:
    case State::Overlong:
        if (byte == Ctl::ETX) {
            const bool overlong = m_state == State::Overlong;
            m_state = State::Idle;
            return finish(overlong);
        }
        if (m_frame.size() < MaxFrameBytes)
            m_frame += byte;
        else
            m_state = State::Overlong;
        return std::nullopt;
    }
    return std::nullopt;
}

Request FrameParser::finish(bool overlong)
{
    Request r;
    r.raw = m_frame + Ctl::ETX;
    // STX, body, two checksum bytes
    const QByteArray body = m_frame.mid(1, m_frame.size() - 3);
    if (overlong || m_frame.size() < 4 || SimChecksum(body) != m_frame.right(2))
        return r;
    r.prefixed = body.startsWith(Prefix);
    r.command = r.prefixed ? body.mid(1) : body;
    if (!r.command.isEmpty())
        r.kind = Request::Kind::Command;
    return r;
}
