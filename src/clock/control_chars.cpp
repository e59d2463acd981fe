#include "clock/control_chars.h"

ControlChars InitControlChars()
{
    static const char *const kNames[33] = {
        "<NUL>", "<SOH>", "<STX>", "<ETX>", "<EOT>", "<ENQ>", "<ACK>", "<BEL>", "<BS>",
        "<HT>",  "<LF>",  "<VT>",  "<FF>",  "<CR>",  "<SO>",  "<SI>",  "<DLE>", "<DC1>",
        "<DC2>", "<DC3>", "<DC4>", "<NAK>", "<SYN>", "<ETB>", "<CAN>", "<EM>",  "<EOF>",
        "<ESC>", "<FS>",  "<GS>",  "<RS>",  "<US>",  "<SP>"};
    ControlChars chars;
    for (int i = 0; i < 33; ++i) {
        chars.bytes[i] = QByteArray(1, char(i));
        chars.names[i] = QByteArray(kNames[i]);
    }
    return chars;
}

QByteArray ReadableBytes(const QByteArray &bytes, const ControlChars &chars)
{
    QByteArray out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32)
            out += chars.names[b];
        else if (b >= 0x7F)
            // A log is read as text: a raw byte up there is no character.
            out += "\\x" + QByteArray::number(b, 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}
