#include "clock/port_device.h"

#include <QFileInfo>
#include <QSerialPortInfo>

QString DeviceForPort(int portNumber)
{
    if (portNumber < 1)
        return {};
    const QString fromEnv = qEnvironmentVariable(qPrintable(QStringLiteral("TAMREL_COM%1").arg(portNumber)));
    if (!fromEnv.isEmpty())
        return fromEnv;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const int index = portNumber - 1;
    for (const char *stem : {"/dev/ttyUSB", "/dev/ttyACM"}) {
        const QString path = QLatin1String(stem) + QString::number(index);
        if (QFileInfo::exists(path))
            return path;
    }
    return QStringLiteral("/dev/ttyS%1").arg(index);
#endif
}

bool DeviceExists(const QString &device)
{
    if (device.isEmpty())
        return false;
    if (QFileInfo::exists(device))
        return true;
    // Windows port names are no files.
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (info.portName().compare(device, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
