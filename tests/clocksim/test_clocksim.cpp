#include "clock/control_chars.h"
#include "clocksim_session.h"
#include "command_handler.h"
#include "frame_parser.h"
#include "scratch_files.h"
#include "sim_frames.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ClockModel)

namespace {

const QByteArray Prefix(1, char(0x81));

// "module v", "hcu e00", "bare 06", "broken"
QStringList parse(const QByteArray &stream)
{
    FrameParser parser;
    QStringList out;
    for (char b : stream) {
        const auto r = parser.feed(b);
        if (r && r->kind == Request::Kind::Command)
            out.append(QString::fromLatin1((r->prefixed ? "module " : "hcu ") + r->command));
        else if (r && r->kind == Request::Kind::Bare)
            out.append(QStringLiteral("bare ") + QString::fromLatin1(r->command.toHex()));
        else if (r)
            out.append(QStringLiteral("broken"));
    }
    return out;
}

const QMap<QString, char> ControlNames{
    {"<ACK>", Ctl::ACK}, {"<EOT>", Ctl::EOT}, {"<ESC>", Ctl::ESC}, {"<NAK>", Ctl::NAK}};

Request module(const QByteArray &command) { return {Request::Kind::Command, true, command, command}; }

// A request written as "W", "hcu:e00" or "<ACK>" / "<EOT>" / "<NAK>".
Request parseStep(const QString &step)
{
    if (ControlNames.contains(step)) {
        const QByteArray byte(1, ControlNames.value(step));
        return {Request::Kind::Bare, false, byte, byte};
    }
    const bool toHcu = step.startsWith(QLatin1String("hcu:"));
    const QByteArray command = step.mid(toHcu ? 4 : 0).toLatin1();
    return {Request::Kind::Command, !toHcu, command, command};
}

// A reply written the same way: a single control byte by its name, a frame
// by its payload (what the program keeps of it), anything else as "?".
QString describe(const QByteArray &reply)
{
    if (reply.size() == 1 && ControlNames.values().contains(reply.at(0)))
        return ControlNames.key(reply.at(0));
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

// What each SendCommand must have returned, by what the clock's log says
// happened on the line: a NAK is sent once more, a second one is the result.
QMap<QByteArray, int> outcomesFromLog(const QString &path)
{
    QMap<QByteArray, int> outcomes;
    bool resent = false;
    for (const QByteArray &line : FileBytes(path).split('\n')) {
        const QByteArray f = line.split('|').value(2).trimmed();
        resent = f == "nak" && !resent;
        if (!line.isEmpty() && !resent)
            ++outcomes[f == "none" ? "ok" : f == "nak" ? QByteArray(1, Ctl::NAK) : QByteArray()];
    }
    return outcomes;
}

} // namespace

class TestClocksim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requests_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QStringList>("expected");

        // Written out: the stand-in's framing must agree with the clock's, not with the program's.
        const QByteArray v("\x02\x81v\xf7\x80\x03", 6);
        QTest::newRow("module command") << v << QStringList{"module v"};
        QTest::newRow("hcu command") << QByteArray("\x02" "e00\xc5\x80\x03") << QStringList{"hcu e00"};
        QTest::newRow("record with blanks and high bytes")
            << SimFrame(Prefix + "S3   0102005J\xe9r\xf4me   ")
            << QStringList{QString::fromLatin1("module S3   0102005J\xe9r\xf4me   ")};
        QTest::newRow("bare bytes") << QByteArray("\x06\x04\x15") << QStringList{"bare 06", "bare 04", "bare 15"};
        QTest::newRow("noise around a frame") << "xyz\x03\x81" + v + "\xff\x7f" << QStringList{"module v"};
        QTest::newRow("bad checksum") << QByteArray("\x02\x81v\xf7\x81\x03") << QStringList{"broken"};
        QTest::newRow("prefix without command") << SimFrame(Prefix) << QStringList{"broken"};
        QTest::newRow("too short for a checksum") << QByteArray("\x02\x81\x03\x02v\x03") << QStringList{"broken", "broken"};
        QTest::newRow("STX starts a broken frame over") << "\x02\x81Wab" + v << QStringList{"module v"};
        QTest::newRow("overlong frame, then a good one")
            << "\x02" + QByteArray(100000, 'A') + "\x03" + v << QStringList{"broken", "module v"};
        // STX, body, two checksum bytes: the body may have 3 bytes fewer than a frame
        const qsizetype longest = FrameParser::MaxFrameBytes - 3;
        QTest::newRow("longest frame") << SimFrame(QByteArray(longest, 'Z'))
                                       << QStringList{"hcu " + QString(longest, QLatin1Char('Z'))};
        QTest::newRow("one byte longer") << SimFrame(QByteArray(longest + 1, 'Z')) << QStringList{"broken"};
    }

    void requests()
    {
        QFETCH(QByteArray, stream);
        QTEST(parse(stream), "expected");
    }

    void conversation_data()
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
        // S1 begins a new set; the records go back exactly as sent.
        QTest::newRow("records stored")
            << false << false << QStringList{"S1 new", "S2 club", "ZUS24", "X", "<ACK>", "<ACK>", "<ACK>", "<ACK>"}
            << QStringList{"<ACK>", "<ACK>", "<ACK>", "<ACK>", "S1 new", "S2 club", "ZUS24", "<EOT>"};
        QTest::newRow("what the clock does not know")
            << false << false << QStringList{"Q", "hcu:W", "hcu:e01", "<NAK>", "hcu:X"}
            << QStringList{"<ESC>", "<ESC>", "<ESC>", "<ESC>", "<ESC>"};
    }

    void conversation()
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

    void memoryLimits_data()
    {
        QTest::addColumn<ClockModel>("model");
        QTest::addColumn<int>("birds");
        QTest::newRow("KORVE") << ClockModel::Korve << 500;
        QTest::newRow("TALMI") << ClockModel::Talmi << 999;
    }

    void memoryLimits()
    {
        QFETCH(ClockModel, model);
        QFETCH(int, birds);
        Module m;
        m.identity.model = model;
        int changes = 0;
        CommandHandler handler(m, false, [&] { ++changes; });
        QCOMPARE(describe(handler.handle(module("S1"))), QStringLiteral("<ACK>"));
        for (int i = 0; i < birds; ++i)
            QCOMPARE(describe(handler.handle(module("Z" + QByteArray::number(i)))), QStringLiteral("<ACK>"));
        QCOMPARE(describe(handler.handle(module("Zone too many"))), QStringLiteral("<ESC>"));
        QCOMPARE(m.adminRecords.size(), birds + 1);

        for (int i = 0; i < LiberationLimit; ++i)
            QCOMPARE(describe(handler.handle(module("I0" + QByteArray::number(i)))), QStringLiteral("<ACK>"));
        QCOMPARE(describe(handler.handle(module("I0one too many"))), QStringLiteral("<ESC>"));
        QCOMPARE(m.liberationPoints.size(), LiberationLimit);
        QCOMPARE(m.liberationPoints.constFirst(), QByteArray("0"));
        QCOMPARE(describe(handler.handle(module("IC0"))), QStringLiteral("<ACK>"));
        QVERIFY(m.liberationPoints.isEmpty());
        // Each change is saved; a refused record is none.
        QCOMPARE(changes, 1 + birds + LiberationLimit + 1);
    }

    void faultsComeBackAsResultCodes()
    {
        const QString log = m_dir.filePath(QStringLiteral("faults.log"));
        ClocksimSession s({"--fault", "nak=5,checksum=5,lose=5", "--seed", "4711", "--log", log});
        QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));

        constexpr int Exchanges = 1000;
        QMap<QByteArray, int> byResult;
        for (int i = 0; i < Exchanges; ++i) {
            const QByteArray r = s.link.SendCommand("v");
            ++byResult[r == "v01570150000012AB34CD" ? QByteArray("ok") : r];
        }

        QVERIFY(s.sim.isRunning());
        // Time-outs (E2, E3) would show here, with their messages.
        QCOMPARE(s.prompter.messages.size(), 0);
        QCOMPARE(byResult, outcomesFromLog(log));
        QVERIFY2(byResult.value("") > 0 && byResult.value("ok") > Exchanges * 8 / 10,
                 qPrintable(QStringLiteral("ok %1, bad frames %2").arg(byResult.value("ok")).arg(byResult.value(""))));
    }

    // The options win over the module file; a clock that goes then ends the
    // next exchange in a code, not a hang.
    void identifiedThenVanished()
    {
        const QString lmd = m_dir.filePath(QStringLiteral("identification.lmd"));
        QVERIFY(QFile::copy(QStringLiteral(TAMREL_SAMPLE_LMD), lmd));
        ClocksimSession s({"--lmd", lmd, "--model", "talmi", "--lmd-version", "3.5", "--state", "8", "--serial",
                           "DEADBEEF", "--hcu-version", "2.05", "--hcu-serial", "FFFF"});
        QVERIFY2(s.sim.isReady(), qPrintable(s.sim.errorText()));
        QCOMPARE(ReadClockInfo(s.link, s.identity), QByteArray());
        QCOMPARE(s.identity.LmdVersion, 3.5);
        QCOMPARE(s.identity.ModelCode, 2.16);
        QCOMPARE(s.identity.LmdState, QByteArray("8"));
        QCOMPARE(s.identity.LmdSerial, QByteArray("DEADBEEF"));
        QCOMPARE(s.identity.HcuVersion, 2.05);
        QCOMPARE(s.identity.HcuSerial, QByteArray("FFFF"));
        QVERIFY(s.prompter.messages.isEmpty());
        QVERIFY(s.link.isPortOpen());

        s.sim.kill();
        // Seen on the port at once, not after a wait for a reply.
        QVERIFY(s.port.broken());
        const QByteArray first = s.link.SendCommand("v");
        QVERIFY2(first == "E1" || first == "E2" || first == "E3", first.constData());
        QCOMPARE(s.prompter.messages.size(), 1);
        QCOMPARE(s.prompter.messages[0].title, QStringLiteral("Communications Error!"));
        QVERIFY(!s.link.isPortOpen());
        // The link went with the clock: the port is gone now.
        QCOMPARE(s.link.SendCommand("v"), QByteArray("E5"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestClocksim)
#include "test_clocksim.moc"
