#include "clock/control_chars.h"
#include "clock/framing.h"
#include "faults.h"
#include "line_pacing.h"

#include <QTest>

using Rates = decltype(FaultRates::percent);   // nak, checksum, lose, silence, slow, dupack, stxpause
Q_DECLARE_METATYPE(Rates)
Q_DECLARE_METATYPE(FaultKind)

namespace {

QByteArray joined(const TimedReply &reply)
{
    QByteArray all;
    for (const ReplyPiece &p : reply)
        all += p.bytes;
    return all;
}

bool isSubsequence(const QByteArray &part, const QByteArray &whole)
{
    qsizetype at = 0;
    for (char c : whole) {
        if (at < part.size() && part.at(at) == c)
            ++at;
    }
    return at == part.size();
}

const QByteArray Reply = FrameReply("\x81v01570150000012AB34CD");

} // namespace

class TestClocksimLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rates_data();
    void rates();
    void drawsFollowRatesAndSeed();
    void spoiledFrames_data();
    void spoiledFrames();
    void pacingDoesNotDrift();
};

void TestClocksimLine::rates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<Rates>("percent");

    QTest::newRow("three kinds") << "nak=5,checksum=5,lose=5" << true << Rates{5, 5, 5, 0, 0};
    QTest::newRow("all of one") << "slow=100" << true << Rates{0, 0, 0, 0, 100};
    QTest::newRow("every kind") << "silence=1,slow=2,lose=3,checksum=4,nak=5,dupack=6,stxpause=7" << true
                                << Rates{5, 4, 3, 1, 2, 6, 7};
    QTest::newRow("busy is a time, not a rate") << "busy=500,nak=100" << true << Rates{100};
    QTest::newRow("busy twice") << "busy=5,busy=5" << false << Rates{};
    QTest::newRow("more than all") << "nak=50,lose=51" << false << Rates{};
    QTest::newRow("twice the same") << "nak=5,nak=5" << false << Rates{};
    QTest::newRow("unknown kind") << "drop=5" << false << Rates{};
    QTest::newRow("no number") << "nak=" << false << Rates{};
    QTest::newRow("negative") << "nak=-1" << false << Rates{};
    QTest::newRow("above 100") << "lose=101" << false << Rates{};
}

void TestClocksimLine::rates()
{
    QFETCH(QString, text);
    QString error;
    const auto r = FaultRates::parse(text, &error);
    QTEST(r.has_value(), "valid");
    if (r) {
        QTEST(r->percent, "percent");
        QCOMPARE(r->busyMs, text.startsWith(QLatin1String("busy=500")) ? 500 : 0);
    } else {
        QVERIFY(!error.isEmpty());
    }
}

void TestClocksimLine::drawsFollowRatesAndSeed()
{
    QString error;
    const FaultRates rates = *FaultRates::parse(QStringLiteral("nak=5,checksum=10,silence=20"), &error);
    FaultInjector a(rates, 42), b(rates, 42), c(rates, 43);
    constexpr int Draws = 20000;
    QMap<FaultKind, int> counts;
    bool otherSeedDiffers = false;
    for (int i = 0; i < Draws; ++i) {
        const FaultKind k = a.draw();
        QCOMPARE(b.draw(), k);
        otherSeedDiffers |= c.draw() != k;
        ++counts[k];
    }
    QVERIFY(otherSeedDiffers);
    // Expected counts 1000, 2000, 4000 and 13000; a binomial count strays
    // by far less than 15 % from them.
    const auto near = [](int count, int expected) { return qAbs(count - expected) < expected * 15 / 100; };
    QVERIFY(near(counts[FaultKind::Nak], 1000));
    QVERIFY(near(counts[FaultKind::Checksum], 2000));
    QVERIFY(near(counts[FaultKind::Silence], 4000));
    QVERIFY(near(counts[FaultKind::None], 13000));
    QCOMPARE(counts.value(FaultKind::Lose) + counts.value(FaultKind::Slow), 0);
}

void TestClocksimLine::spoiledFrames_data()
{
    QTest::addColumn<FaultKind>("fault");
    QTest::newRow("checksum") << FaultKind::Checksum;
    QTest::newRow("lose") << FaultKind::Lose;
    QTest::newRow("slow") << FaultKind::Slow;
    QTest::newRow("stxpause") << FaultKind::StxPause;
}

void TestClocksimLine::spoiledFrames()
{
    QFETCH(FaultKind, fault);
    FaultInjector faults({}, 7);
    for (int i = 0; i < 300; ++i) {
        FaultKind applied = FaultKind::None;
        const TimedReply pieces = faults.spoil(fault, Reply, &applied);
        QCOMPARE(applied, fault);
        const QByteArray sent = joined(pieces);
        const QByteArray data = sent.mid(1, sent.size() - 4);
        const bool checksumHolds = sent.startsWith(Ctl::STX) && FrameChecksum(data) == sent.right(3).left(2);
        switch (fault) {
        case FaultKind::Checksum:
            QCOMPARE(sent.size(), Reply.size());
            QCOMPARE(sent.left(Reply.size() - 3), Reply.left(Reply.size() - 3));
            QCOMPARE(sent.back(), Ctl::ETX);
            QVERIFY(!checksumHolds);
            break;
        case FaultKind::Lose:
            QVERIFY(sent.size() < Reply.size() && sent.size() >= Reply.size() - 3);
            QVERIFY(isSubsequence(sent, Reply));
            // The end never goes, so the program need not wait out its limit.
            QCOMPARE(sent.back(), Ctl::ETX);
            QVERIFY(!checksumHolds);
            break;
        default:
            QCOMPARE(sent, Reply);
            QVERIFY(pieces.size() >= 1);
            break;
        }
    }
}

void TestClocksimLine::pacingDoesNotDrift()
{
    LinePacing line(9600);
    const qint64 start = 5'000'000'000;
    // 960 bytes take exactly one second at 9600 baud, with a pause on top.
    const auto out = line.schedule(start, {{0, QByteArray(480, 'a')}, {250, QByteArray(480, 'b')}});
    QCOMPARE(qsizetype(out.size()), 960);
    QCOMPARE(out.front().atNs, start + 1'041'666);
    QCOMPARE(out.back().atNs, start + 1'250'000'000);
    QCOMPARE(out[480].atNs - out[479].atNs, 250'000'000 + 1'041'666);

    // Bytes read at once arrive one after the other; after a quiet line the
    // next one starts afresh.
    QCOMPARE(line.arrival(start), start + 1'041'666);
    QCOMPARE(line.arrival(start), start + 2'083'333);
    QCOMPARE(line.arrival(start + 10'000'000), start + 11'041'666);

    LinePacing unpaced(0);
    QCOMPARE(unpaced.arrival(start), start);
    QCOMPARE(unpaced.schedule(start, {{300, "xy"}}).back().atNs, start + 300'000'000);
}

QTEST_GUILESS_MAIN(TestClocksimLine)
#include "test_clocksim_line.moc"
