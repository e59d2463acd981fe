#pragma once

#include "clock/serial_port.h"

#include <QList>
#include <functional>

// Virtual time: only waits move it.
class FakeClock : public MonotonicClock {
public:
    qint64 nowMs() override { return now; }
    qint64 now = 0;
};

// A port whose peer is a script. For every frame written, the responder
// returns the pieces of the reply and when each arrives (milliseconds after
// the write). Waiting advances the fake clock to the next arrival or by the
// whole wait when nothing comes.
class FakeSerialPort : public SerialPort {
public:
    struct Piece {
        qint64 afterMs;
        QByteArray bytes;
    };
    using Responder = std::function<QList<Piece>(const QByteArray &frame)>;

    explicit FakeSerialPort(FakeClock &clock) : m_clock(clock) {}

    void setResponder(Responder r) { m_responder = std::move(r); }

    bool open(const QString &device) override;
    void close() override { m_open = false; m_pending.clear(); m_received.clear(); }
    bool isOpen() const override { return m_open; }
    void clear() override { m_received.clear(); }
    qint64 write(const QByteArray &bytes) override;
    qint64 bytesToWrite() const override { return m_stuckOutput ? 1 : 0; }
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    bool waitForBytesWritten(int ms) override;
    bool waitForReadyRead(int ms) override;
    bool broken() const override { return m_broken; }
    QString errorText() const override { return QStringLiteral("fake failure"); }

    // What was written, one entry per write.
    QList<QByteArray> written;
    QStringList openedDevices;
    bool refuseOpen = false;
    bool m_stuckOutput = false;   // the transmit queue never drains
    bool m_broken = false;        // the device vanished

private:
    void deliverDue();

    FakeClock &m_clock;
    Responder m_responder;
    bool m_open = false;
    QList<Piece> m_pending;       // absolute arrival times
    QByteArray m_received;
};
