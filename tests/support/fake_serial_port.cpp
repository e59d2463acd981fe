#include "fake_serial_port.h"

bool FakeSerialPort::open(const QString &device)
{
    openedDevices.append(device);
    m_open = !refuseOpen;
    return m_open;
}

qint64 FakeSerialPort::write(const QByteArray &bytes)
{
    written.append(bytes);
    if (m_responder && !m_broken) {
        for (const Piece &p : m_responder(bytes))
            m_pending.append(Piece{m_clock.now + p.afterMs, p.bytes});
    }
    return bytes.size();
}

void FakeSerialPort::deliverDue()
{
    for (qsizetype i = 0; i < m_pending.size();) {
        if (m_pending.at(i).afterMs <= m_clock.now) {
            m_received += m_pending.at(i).bytes;
            m_pending.removeAt(i);
        } else {
            ++i;
        }
    }
}

qint64 FakeSerialPort::bytesAvailable() const
{
    return m_received.size();
}

QByteArray FakeSerialPort::readAll()
{
    deliverDue();
    return std::exchange(m_received, {});
}

bool FakeSerialPort::waitForBytesWritten(int ms)
{
    if (m_stuckOutput || m_broken) {
        m_clock.now += ms;
        return false;
    }
    return true;
}

bool FakeSerialPort::waitForReadyRead(int ms)
{
    qint64 next = -1;
    for (const Piece &p : m_pending) {
        if (next < 0 || p.afterMs < next)
            next = p.afterMs;
    }
    if (next < 0 || next > m_clock.now + ms) {
        m_clock.now += ms;
        return false;
    }
    m_clock.now = qMax(m_clock.now, next);
    deliverDue();
    return true;
}
