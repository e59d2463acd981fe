#include "clock/control_chars.h"
#include "clock/framing.h"
#include "clock_responder.h"
#include "command_handler.h"

#include <QTest>

Q_DECLARE_METATYPE(ClockModel)

namespace {

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
    if (reply.size() >= 5 && reply == FrameReply(data))
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

class TestClocksimCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conversation_data();
    void conversation();
    void recordsAreStored();
    void memoryLimits_data();
    void memoryLimits();
    void faultsKeepRequestsFromTheModule_data();
    void faultsKeepRequestsFromTheModule();
};

void TestClocksimCommands::conversation_data()
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

void TestClocksimCommands::conversation()
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

void TestClocksimCommands::recordsAreStored()
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

void TestClocksimCommands::memoryLimits_data()
{
    QTest::addColumn<ClockModel>("model");
    QTest::addColumn<int>("birds");
    QTest::newRow("KORVE") << ClockModel::Korve << 500;
    QTest::newRow("TALMI") << ClockModel::Talmi << 999;
}

void TestClocksimCommands::memoryLimits()
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

void TestClocksimCommands::faultsKeepRequestsFromTheModule_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("stored");

    QTest::newRow("nak") << "nak=100" << "<NAK>" << false;
    QTest::newRow("silence") << "silence=100" << "" << false;
    QTest::newRow("none") << "nak=0" << "<ACK>" << true;
    // A reply lost on its way back: the record is in, the program cannot know.
    QTest::newRow("slow") << "slow=100" << "<ACK>" << true;
}

void TestClocksimCommands::faultsKeepRequestsFromTheModule()
{
    QFETCH(QString, fault);
    QFETCH(bool, stored);
    QString error;
    Module m;
    CommandHandler handler(m, false, [] {});
    FaultInjector faults(*FaultRates::parse(fault, &error), 3);
    ExchangeLog log;
    ClockResponder responder(handler, faults, log);

    QByteArray sent;
    for (const ReplyPiece &p : responder.answer(module("S1 combine")))
        sent += p.bytes;
    QTEST(sent.isEmpty() ? QString() : describe(sent), "reply");
    QCOMPARE(m.adminRecords.size(), stored ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestClocksimCommands)
#include "test_clocksim_commands.moc"
