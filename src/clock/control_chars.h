#pragma once

#include <QByteArray>
#include <array>

// The link's control bytes.
namespace Ctl {
inline constexpr char STX = 0x02;
inline constexpr char ETX = 0x03;
inline constexpr char EOT = 0x04;
inline constexpr char ACK = 0x06;
inline constexpr char NAK = 0x15;
inline constexpr char ESC = 0x1B;
} // namespace Ctl

// The bytes 0 to 32 as one-byte texts, with readable names for showing them
// (index = byte value).
struct ControlChars {
    std::array<QByteArray, 33> bytes;
    std::array<QByteArray, 33> names;
};

ControlChars InitControlChars();

// A byte text with control bytes written as their names, e.g. "<STX>v<ETX>".
QByteArray ReadableBytes(const QByteArray &bytes, const ControlChars &chars);
