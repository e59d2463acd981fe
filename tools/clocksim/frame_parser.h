#pragma once

#include <QByteArray>
#include <optional>

// One request as the clock sees it on the line.
struct Request {
    enum class Kind {
        Command,    // a frame with a good checksum
        Bare,       // a lone ACK, NAK or EOT
        Broken,     // a frame with a bad checksum, without command, or too long
    };
    Kind kind = Kind::Broken;
    bool prefixed = false;      // addressed to the module rather than the HCU
    QByteArray command;         // Command: the text behind the prefix; Bare: the byte
    QByteArray raw;             // the bytes as received (an overlong frame: its start)
};

// Cuts the byte stream from the program into requests. Bytes outside a frame
// other than ACK, NAK and EOT are noise; an STX inside a frame starts it over.
class FrameParser {
public:
    // The program's transmit queue holds 512 bytes; no frame is longer.
    static constexpr qsizetype MaxFrameBytes = 512;

    // The request this byte completes, if any.
    std::optional<Request> feed(char byte);

private:
    Request finish(bool overlong);

    enum class State { Idle, InFrame, Overlong };
    State m_state = State::Idle;
    QByteArray m_frame;     // from STX on
};
