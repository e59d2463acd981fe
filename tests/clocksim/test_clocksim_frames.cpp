#include "clock/framing.h"
#include "frame_parser.h"

#include <QTest>

namespace {

const QByteArray Prefix(1, char(0x81));

QByteArray frame(const QByteArray &body)
{
    return FrameCommand({}, body);
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

} // namespace

class TestClocksimFrames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requests_data();
    void requests();
};

void TestClocksimFrames::requests_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QStringList>("expected");

    const QByteArray v = frame(Prefix + "v");
    QTest::newRow("module command") << v << QStringList{"module v"};
    QTest::newRow("hcu command") << frame("e00") << QStringList{"hcu e00"};
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

void TestClocksimFrames::requests()
{
    QFETCH(QByteArray, stream);
    QTEST(parse(stream), "expected");
}

QTEST_GUILESS_MAIN(TestClocksimFrames)
#include "test_clocksim_frames.moc"
