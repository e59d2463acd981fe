#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <random>

enum class FaultKind { None, Nak, Checksum, Lose, Silence, Slow, DoubleAck, StxPause };

QByteArray FaultName(FaultKind kind);

// How often each fault strikes, in percent of the requests.
struct FaultRates {
    // Nak, Checksum, Lose, Silence, Slow, DoubleAck, StxPause
    std::array<int, 7> percent{};
    // Not a rate: after each ACK to a record it stores, the clock is busy
    // for this long and drops what arrives meanwhile.
    int busyMs = 0;
    static constexpr int MaxBusyMs = 10000;

    // "nak=5,checksum=5,busy=20": every kind at most once, the rates add up
    // to 100 at most.
    static std::optional<FaultRates> parse(const QString &text, QString *error);
};

// A reply as it goes on the line: pieces, each after a pause.
struct ReplyPiece {
    int pauseMs = 0;
    QByteArray bytes;
};
using TimedReply = QList<ReplyPiece>;

// Picks faults and spoils replies, from a seeded generator so that a run can
// be repeated exactly.
class FaultInjector {
public:
    FaultInjector(const FaultRates &rates, quint32 seed);

    // The fault for the next request. Nak and Silence mean the request never
    // reached the clock; the others spoil the reply on its way back.
    FaultKind draw();

    // The reply as spoiled by a fault; *applied is None when the fault cannot
    // touch this reply (a checksum needs a frame).
    TimedReply spoil(FaultKind fault, const QByteArray &reply, FaultKind *applied);

    int busyMs() const { return m_rates.busyMs; }

    // Slow replies outlast the program's 2.5 s wait for a first byte, or its
    // 5 s wait for the end of a reply, or arrive in pieces within them.
    static constexpr int LateStartMs = 3000;
    static constexpr int StalledEndMs = 6000;
    static constexpr int PieceGapMs = 300;
    // A second ACK follows the first this much later; a frame stops this
    // long after its STX, past the program's wait for a second byte.
    static constexpr int DoubleAckGapMs = 10;
    static constexpr int StxPauseMs = 150;

private:
    int below(int n) { return int(m_random() % quint32(n)); }
    QByteArray corruptChecksum(QByteArray frame);
    QByteArray loseBytes(QByteArray frame);
    TimedReply slow(const QByteArray &reply);

    FaultRates m_rates;
    std::mt19937 m_random;
};
