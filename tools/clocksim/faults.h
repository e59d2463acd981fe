#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <random>

enum class FaultKind { None, Nak, Checksum, Lose, Silence, Slow };

QByteArray FaultName(FaultKind kind);

// How often each fault strikes, in percent of the requests.
struct FaultRates {
    // Nak, Checksum, Lose, Silence, Slow
    std::array<int, 5> percent{};

    // "nak=5,checksum=5": every kind at most once, the sum at most 100.
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

    // Slow replies outlast the program's 2.5 s wait for a first byte, or its
    // 5 s wait for the end of a reply, or arrive in pieces within them.
    static constexpr int LateStartMs = 3000;
    static constexpr int StalledEndMs = 6000;
    static constexpr int PieceGapMs = 300;

private:
    int below(int n) { return int(m_random() % quint32(n)); }
    QByteArray corruptChecksum(QByteArray frame);
    QByteArray loseBytes(QByteArray frame);
    TimedReply slow(const QByteArray &reply);

    FaultRates m_rates;
    std::mt19937 m_random;
};
