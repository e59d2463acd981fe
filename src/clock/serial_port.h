#pragma once

#include <QByteArray>
#include <QString>

// What the link needs of a serial port. The real one wraps QSerialPort; tests
// use a scripted one that runs in virtual time.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device at 9600 baud, 8 data bits, no parity, 1 stop bit.
    virtual bool open(const QString &device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Empties both queues.
    virtual void clear() = 0;
    virtual qint64 write(const QByteArray &bytes) = 0;
    virtual qint64 bytesToWrite() const = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    // Block at most ms milliseconds; true when something happened.
    virtual bool waitForBytesWritten(int ms) = 0;
    virtual bool waitForReadyRead(int ms) = 0;
    // The device failed for good (unplugged adapter, closed peer).
    virtual bool broken() const = 0;
    virtual QString errorText() const = 0;
};

// Monotonic time for the link's time-outs.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 nowMs() = 0;
};
