#include "clock/qt_serial_port.h"

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

bool QtSerialPort::open(const QString &device)
{
    m_port.setPortName(device);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(0);
    return m_port.open(QIODevice::ReadWrite);
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

void QtSerialPort::clear()
{
    if (!m_port.isOpen())
        return;
    // What the driver still holds goes first, then what Qt has buffered.
    m_port.clear(QSerialPort::AllDirections);
    m_port.readAll();
}

bool QtSerialPort::broken() const
{
    const auto e = m_port.error();
    if (e == QSerialPort::ResourceError || e == QSerialPort::DeviceNotFoundError
        || e == QSerialPort::PermissionError)
        return true;
#ifdef Q_OS_UNIX
    // A terminal whose far end is gone (an adapter pulled, a pseudo-terminal
    // closed) only hangs up; Qt makes no error of that until it reads, and
    // its waits never read on a hang-up alone.
    if (m_port.isOpen()) {
        pollfd line{int(m_port.handle()), 0, 0};
        if (::poll(&line, 1, 0) == 1 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)))
            return true;
    }
#endif
    return false;
}
