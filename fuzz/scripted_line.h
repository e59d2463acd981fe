#pragma once

#include "clock/serial_port.h"
#include "common/prompter.h"

#include <QList>
#include <deque>

// A serial port and its clock in virtual time, whose peer plays the fuzz
// input: the first byte says how the port misbehaves (bit 0: the transmit
// queue never empties; bit 1: the device breaks; bit 2: it cannot be
// opened); then pieces follow, each a delay byte (ms / 4, the top bit ending
// the reply to one request), a length byte and that many bytes.
class ScriptedLine : public SerialPort, public MonotonicClock {
public:
    ScriptedLine(const uint8_t *data, size_t size);

    bool open(const QString &) override { return m_open = !m_refuseOpen; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void clear() override { m_received.clear(); }
    qint64 write(const QByteArray &bytes) override;
    qint64 bytesToWrite() const override { return m_stuck ? 1 : 0; }
    qint64 bytesAvailable() const override { return m_received.size(); }
    QByteArray readAll() override { return std::exchange(m_received, {}); }
    bool waitForBytesWritten(int ms) override;
    bool waitForReadyRead(int ms) override;
    bool broken() const override { return m_broken && m_writes > 0; }
    QString errorText() const override { return QStringLiteral("scripted failure"); }
    qint64 nowMs() override { return m_now; }

    int writes() const { return m_writes; }
    qint64 bytesDelivered() const { return m_delivered; }

private:
    struct Piece {
        qint64 atMs;
        QByteArray bytes;
    };
    struct ScriptPiece {
        int delayMs;
        bool endsReply;
        QByteArray bytes;
    };

    std::deque<ScriptPiece> m_script;
    std::deque<Piece> m_pending;
    QByteArray m_received;
    qint64 m_now = 0;
    qint64 m_delivered = 0;
    int m_writes = 0;
    bool m_open = false;
    bool m_stuck = false;
    bool m_broken = false;
    bool m_refuseOpen = false;
};

// Answers every question with its default and counts the messages.
class CountingPrompter : public Prompter {
public:
    MsgAnswer message(const Message &m) override
    {
        ++messages;
        return answersOf(m.buttons).value(m.defaultButton);
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const SaveFileRequest &) override { return {}; }
    void beep() override {}

    int messages = 0;
};
