#include "faults.h"

#include "clock/control_chars.h"

namespace {

constexpr std::array<FaultKind, 7> Kinds = {FaultKind::Nak,  FaultKind::Checksum,  FaultKind::Lose,
                                            FaultKind::Silence, FaultKind::Slow, FaultKind::DoubleAck,
                                            FaultKind::StxPause};
const QString BusyName = QStringLiteral("busy");

bool isFrame(const QByteArray &reply)
{
    // STX, at least one data byte, two checksum bytes, ETX
    return reply.size() >= 5 && reply.front() == Ctl::STX && reply.back() == Ctl::ETX;
}

} // namespace

QByteArray FaultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::None: return "none";
    case FaultKind::Nak: return "nak";
    case FaultKind::Checksum: return "checksum";
    case FaultKind::Lose: return "lose";
    case FaultKind::Silence: return "silence";
    case FaultKind::Slow: return "slow";
    case FaultKind::DoubleAck: return "dupack";
    case FaultKind::StxPause: return "stxpause";
    }
    return {};
}

std::optional<FaultRates> FaultRates::parse(const QString &text, QString *error)
{
    FaultRates rates;
    std::array<bool, Kinds.size() + 1> seen{};   // the last for busy
    int sum = 0;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        bool isNumber = false;
        const int percent = item.section(QLatin1Char('='), 1).toInt(&isNumber);
        if (name == BusyName) {
            if (seen.back() || !isNumber || percent < 0 || percent > MaxBusyMs) {
                *error = QStringLiteral("cannot read the fault \"%1\"").arg(item);
                return std::nullopt;
            }
            seen.back() = true;
            rates.busyMs = percent;
            continue;
        }
        qsizetype k = 0;
        while (k < qsizetype(Kinds.size()) && QString::fromLatin1(FaultName(Kinds[k])) != name)
            ++k;
        if (k == qsizetype(Kinds.size()) || seen[k] || !isNumber || percent < 0 || percent > 100) {
            *error = QStringLiteral("cannot read the fault \"%1\"").arg(item);
            return std::nullopt;
        }
        seen[k] = true;
        rates.percent[k] = percent;
        sum += percent;
    }
    if (sum > 100) {
        *error = QStringLiteral("the fault rates add up to more than 100 percent");
        return std::nullopt;
    }
    return rates;
}

FaultInjector::FaultInjector(const FaultRates &rates, quint32 seed) : m_rates(rates), m_random(seed)
{
}

FaultKind FaultInjector::draw()
{
    int roll = below(100);
    for (std::size_t k = 0; k < Kinds.size(); ++k) {
        if (roll < m_rates.percent[k])
            return Kinds[k];
        roll -= m_rates.percent[k];
    }
    return FaultKind::None;
}

TimedReply FaultInjector::spoil(FaultKind fault, const QByteArray &reply, FaultKind *applied)
{
    *applied = fault;
    switch (fault) {
    case FaultKind::Nak:
        return {{0, QByteArray(1, Ctl::NAK)}};
    case FaultKind::Silence:
        return {};
    case FaultKind::Checksum:
        if (isFrame(reply))
            return {{0, corruptChecksum(reply)}};
        break;
    case FaultKind::Lose:
        if (isFrame(reply))
            return {{0, loseBytes(reply)}};
        break;
    case FaultKind::Slow:
        return slow(reply);
    case FaultKind::DoubleAck:
        if (reply == QByteArray(1, Ctl::ACK))
            return {{0, reply}, {DoubleAckGapMs, reply}};
        break;
    case FaultKind::StxPause:
        if (isFrame(reply))
            return {{0, reply.left(1)}, {StxPauseMs, reply.mid(1)}};
        break;
    case FaultKind::None:
        break;
    }
    *applied = FaultKind::None;
    return {{0, reply}};
}

QByteArray FaultInjector::corruptChecksum(QByteArray frame)
{
    // Flipping the lowest bit keeps a checksum byte above the control bytes.
    const qsizetype at = frame.size() - 3 + below(2);
    frame[at] = char(frame.at(at) ^ 0x01);
    return frame;
}

QByteArray FaultInjector::loseBytes(QByteArray frame)
{
    // The end stays, so the program sees a bad frame at once rather than
    // waiting out its time limit; a lost end is what Slow is for.
    const int count = 1 + below(3);
    for (int i = 0; i < count && frame.size() > 1; ++i)
        frame.remove(below(int(frame.size() - 1)), 1);
    return frame;
}

TimedReply FaultInjector::slow(const QByteArray &reply)
{
    switch (below(3)) {
    case 0:
        return {{LateStartMs, reply}};
    case 1:
        if (reply.size() > 1)
            return {{0, reply.chopped(1)}, {StalledEndMs, reply.right(1)}};
        return {{StalledEndMs, reply}};
    default: {
        TimedReply pieces;
        const qsizetype step = qMax<qsizetype>(1, (reply.size() + 2) / 3);
        for (qsizetype at = 0; at < reply.size(); at += step)
            pieces.append({PieceGapMs, reply.mid(at, step)});
        return pieces;
    }
    }
}
