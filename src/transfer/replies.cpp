#include "transfer/replies.h"

bool IsSingleByte(const QByteArray &reply, char byte)
{
    return reply.size() == 1 && reply.at(0) == byte;
}

bool IsFaultyReply(const QByteArray &reply)
{
    const bool resultCode = reply.size() == 2 && reply.at(0) == 'E' && reply.at(1) >= '0' && reply.at(1) <= '9';
    return reply.isEmpty() || resultCode;
}
