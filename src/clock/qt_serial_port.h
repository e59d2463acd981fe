#pragma once

#include "clock/serial_port.h"

#include <QElapsedTimer>
#include <QSerialPort>

class QtSerialPort : public SerialPort {
public:
    bool open(const QString &device) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    void clear() override;
    qint64 write(const QByteArray &bytes) override { return m_port.write(bytes); }
    qint64 bytesToWrite() const override { return m_port.bytesToWrite(); }
    qint64 bytesAvailable() const override { return m_port.bytesAvailable(); }
    QByteArray readAll() override { return m_port.readAll(); }
    bool waitForBytesWritten(int ms) override { return m_port.waitForBytesWritten(ms); }
    bool waitForReadyRead(int ms) override { return m_port.waitForReadyRead(ms); }
    bool broken() const override;
    QString errorText() const override { return m_port.errorString(); }

private:
    QSerialPort m_port;
};

class SteadyClock : public MonotonicClock {
public:
    SteadyClock() { m_timer.start(); }
    qint64 nowMs() override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
