#include "clock/control_chars.h"
#include "sim_frames.h"
#include "command_handler.h"
#include "frame_parser.h"

#include <QTest>

Q_DECLARE_METATYPE(ClockModel)

namespace {

const QByteArray Prefix(1, char(0x81));

QByteArray frame(const QByteArray &body)
{
    return SimFrame(body);
}

// "module v", "hcu e00", "bare 06", "broken"
QStringList parse(const QByteArray &stream)
{
    FrameParser parser;
    QStringList out;
    for (char b : stream) {
        const auto r = parser.feed(b);
        if (!r)
            continue;
        switch (r->kind) {
        case Request::Kind::Command:
            out.append(QString::fromLatin1((r->prefixed ? "module " : "hcu ") + r->command));
            break;
        case Request::Kind::Bare:
            out.append(QStringLiteral("bare ") + QString::fromLatin1(r->command.toHex()));
            break;
        case Request::Kind::Broken:
            out.append(QStringLiteral("broken"));
            break;
        }
    }
    return out;
}


Request module(const QByteArray &command) { return {Request::Kind::Command, true, command, command}; }
Request hcu(const QByteArray &command) { return {Request::Kind::Command, false, command, command}; }
Request bare(char byte) { return {Request::Kind::Bare, false, QByteArray(1, byte), QByteArray(1, byte)}; }

// A request written as "W", "hcu:e00" or "<ACK>" / "<EOT>" / "<NAK>".
Request parseStep(const QString &step)
{
    if (step == QLatin1String("<ACK>"))
        return bare(Ctl::ACK);
    if (step == QLatin1String("<EOT>"))
        return bare(Ctl::EOT);
    if (step == QLatin1String("<NAK>"))
        return bare(Ctl::NAK);
    if (step.startsWith(QLatin1String("hcu:")))
        return hcu(step.mid(4).toLatin1());
    return module(step.toLatin1());
}

// A reply written the same way: a single control byte by its name, a frame
// by its payload (what the program keeps of it), anything else as "?".
QString describe(const QByteArray &reply)
{
    if (reply.size() == 1) {
        switch (reply.at(0)) {
        case Ctl::ACK: return QStringLiteral("<ACK>");
        case Ctl::EOT: return QStringLiteral("<EOT>");
        case Ctl::ESC: return QStringLiteral("<ESC>");
        case Ctl::NAK: return QStringLiteral("<NAK>");
        }
    }
    const QByteArray data = reply.mid(1, reply.size() - 4);
    if (reply.size() >= 5 && reply == SimFrame(data))
        return QString::fromLatin1(data.mid(1));
    return QStringLiteral("?");
}

Module sampleModule()
{
    Module m;
    m.raceLines = {"header", "arrival"};
    m.adminRecords = {"S1 combine", "ZUS23"};
    return m;
}

} // namespace

class TestClocksim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requests_data();
    void requests();
    void conversation_data();
    void conversation();
    void recordsAreStored();
    void memoryLimits_data();
    void memoryLimits();
};

void TestClocksim::conversation_data()
{
    QTest::addColumn<bool>("directData");
    QTest::addColumn<bool>("emptyModule");
    QTest::addColumn<QStringList>("requests");
    QTest::addColumn<QStringList>("replies");

    QTest::newRow("identification")
        << false << false << QStringList{"v", "hcu:v", "hcu:e00"}
        << QStringList{"v01570150000012AB34CD", "v123", "e000A1B"};
    QTest::newRow("race memory, one block per ACK")
        << false << false << QStringList{"W", "<ACK>", "<ACK>", "<ACK>", "<ACK>"}
        << QStringList{"<ACK>", "header", "arrival", "<EOT>", "<EOT>"};
    QTest::newRow("race memory straight away, then over again")
        << true << false << QStringList{"W", "W", "W", "W"} << QStringList{"header", "arrival", "<EOT>", "header"};
    QTest::newRow("EOT breaks a readout off")
        << false << false << QStringList{"X", "<ACK>", "<EOT>", "<ACK>"}
        << QStringList{"<ACK>", "S1 combine", "<ACK>", "<EOT>"};
    QTest::newRow("X starts the admin data over")
        << false << false << QStringList{"X", "<ACK>", "X", "<ACK>"}
        << QStringList{"<ACK>", "S1 combine", "<ACK>", "S1 combine"};
    QTest::newRow("module without admin data or races")
        << false << true << QStringList{"X", "<ACK>", "<ACK>", "W", "<ACK>"}
        << QStringList{"<ACK>", "*****", "<EOT>", "<ACK>", "<EOT>"};
    QTest::newRow("what the clock does not know")
        << false << false << QStringList{"Q", "hcu:W", "hcu:e01", "<NAK>", "hcu:X"}
        << QStringList{"<ESC>", "<ESC>", "<ESC>", "<ESC>", "<ESC>"};
}

void TestClocksim::conversation()
{
    QFETCH(bool, directData);
    QFETCH(bool, emptyModule);
    QFETCH(QStringList, requests);
    Module m = emptyModule ? Module{} : sampleModule();
    CommandHandler handler(m, directData, [] {});
    QStringList replies;
    for (const QString &step : requests)
        replies.append(describe(handler.handle(parseStep(step))));
    QTEST(replies, "replies");
}

void TestClocksim::recordsAreStored()
{
    Module m = sampleModule();
    int changes = 0;
    CommandHandler handler(m, false, [&] { ++changes; });
    const QList<QByteArray> commands = {"S1 new", "S2 club", "S3 flyer", "ZUS24", "IC0", "I0011405Lakeside1",
                                        "IC0", "I0022105Millbank1"};
    for (const QByteArray &c : commands)
        QCOMPARE(describe(handler.handle(module(c))), QStringLiteral("<ACK>"));
    QCOMPARE(changes, commands.size());
    // S1 begins a new set; the records go back exactly as sent.
    QCOMPARE(m.adminRecords, (QList<QByteArray>{"S1 new", "S2 club", "S3 flyer", "ZUS24"}));
    QCOMPARE(m.liberationPoints, QList<QByteArray>{"022105Millbank1"});
    QCOMPARE(m.raceLines, sampleModule().raceLines);
}

void TestClocksim::memoryLimits_data()
{
    QTest::addColumn<ClockModel>("model");
    QTest::addColumn<int>("birds");
    QTest::newRow("KORVE") << ClockModel::Korve << 500;
    QTest::newRow("TALMI") << ClockModel::Talmi << 999;
}

void TestClocksim::memoryLimits()
{
    QFETCH(ClockModel, model);
    QFETCH(int, birds);
    Module m;
    m.identity.model = model;
    CommandHandler handler(m, false, [] {});
    QCOMPARE(describe(handler.handle(module("S1"))), QStringLiteral("<ACK>"));
    for (int i = 0; i < birds; ++i)
        QCOMPARE(describe(handler.handle(module("Z" + QByteArray::number(i)))), QStringLiteral("<ACK>"));
    QCOMPARE(describe(handler.handle(module("Zone too many"))), QStringLiteral("<ESC>"));
    QCOMPARE(m.adminRecords.size(), birds + 1);

    for (int i = 0; i < LiberationLimit; ++i)
        QCOMPARE(describe(handler.handle(module("I0" + QByteArray::number(i)))), QStringLiteral("<ACK>"));
    QCOMPARE(describe(handler.handle(module("I0one too many"))), QStringLiteral("<ESC>"));
    QCOMPARE(m.liberationPoints.size(), LiberationLimit);
}

void TestClocksim::requests_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("expected");

    // Written out: the stand-in's framing must agree with the clock's, not with the program's.
    const QByteArray v("\x02\x81v\xf7\x80\x03", 6);
    QTest::newRow("module command") << v << QStringList{"module v"};
    QTest::newRow("hcu command") << QByteArray("\x02" "e00\xc5\x80\x03") << QStringList{"hcu e00"};
    QTest::newRow("record with blanks and high bytes")
        << frame(Prefix + "S3   0102005J\xe9r\xf4me   ") << QStringList{QString::fromLatin1("module S3   0102005J\xe9r\xf4me   ")};
    QTest::newRow("bare bytes") << QByteArray("\x06\x04\x15") << QStringList{"bare 06", "bare 04", "bare 15"};
    QTest::newRow("noise around a frame") << "xyz\x03\x81" + v + "\xff\x7f" << QStringList{"module v"};
    QTest::newRow("bad checksum") << QByteArray("\x02\x81v\xf7\x81\x03") << QStringList{"broken"};
    QTest::newRow("prefix without command") << frame(Prefix) << QStringList{"broken"};
    QTest::newRow("too short for a checksum") << QByteArray("\x02\x81\x03\x02v\x03") << QStringList{"broken", "broken"};
    QTest::newRow("STX starts a broken frame over") << "\x02\x81Wab" + v << QStringList{"module v"};
    QTest::newRow("overlong frame, then a good one")
        << "\x02" + QByteArray(100000, 'A') + "\x03" + v << QStringList{"broken", "module v"};
    // STX, body, two checksum bytes: the body may have 3 bytes fewer than a frame
    const qsizetype longest = FrameParser::MaxFrameBytes - 3;
    QTest::newRow("longest frame") << frame(QByteArray(longest, 'Z'))
                                   << QStringList{"hcu " + QString(longest, QLatin1Char('Z'))};
    QTest::newRow("one byte longer") << frame(QByteArray(longest + 1, 'Z')) << QStringList{"broken"};
}

void TestClocksim::requests()
{
    QFETCH(QByteArray, stream);
    QTEST(parse(stream), "expected");
}

QTEST_GUILESS_MAIN(TestClocksim)
#include "test_clocksim.moc"
