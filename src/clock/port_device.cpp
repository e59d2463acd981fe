#include "clock/port_device.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace {

bool fileExists(const QString &device)
{
    return QFileInfo::exists(device);
}

QString fromEnvironment(int portNumber)
{
    return qEnvironmentVariable(qPrintable(QStringLiteral("TAMREL_COM%1").arg(portNumber)));
}

// The /dev/serial/by-id link that leads to device, if any.
QString stableNameOf(const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        if (link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    }
    return {};
}

} // namespace

QString DeviceForPort(int portNumber, const DeviceExistsCheck &exists)
{
    if (portNumber < 1)
        return {};
    const QString fromEnv = fromEnvironment(portNumber);
    if (!fromEnv.isEmpty())
        return fromEnv;
#ifdef Q_OS_WIN
    Q_UNUSED(exists);
    return QStringLiteral("COM%1").arg(portNumber);
#else
    const int index = portNumber - 1;
    for (const char *stem : {"/dev/ttyUSB", "/dev/ttyACM"}) {
        const QString path = QLatin1String(stem) + QString::number(index);
        if (exists ? exists(path) : fileExists(path))
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

QString DeviceInUse(int portNumber, const QString &chosenDevice, const DeviceExistsCheck &exists)
{
    // The environment points tests and the stand-in at their port whatever was chosen.
    if (portNumber >= 1 && !fromEnvironment(portNumber).isEmpty())
        return fromEnvironment(portNumber);
    return chosenDevice.isEmpty() ? DeviceForPort(portNumber, exists) : chosenDevice;
}

int PortNumberOfDevice(const QString &device, const DeviceExistsCheck &exists)
{
#ifdef Q_OS_WIN
    static const QRegularExpression numbered(QStringLiteral("^COM(\\d{1,2})$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const int offset = 0;
#else
    static const QRegularExpression numbered(QStringLiteral("^/dev/tty(?:USB|ACM|S)(\\d{1,2})$"));
    const int offset = 1;
#endif
    const QRegularExpressionMatch match = numbered.match(device);
    if (!match.hasMatch())
        return 0;
    const int number = match.captured(1).toInt() + offset;
    // The field holds two digits; ttyACM0 beside a ttyUSB0 has no number of its own.
    return number >= 1 && number <= 99 && DeviceForPort(number, exists) == device ? number : 0;
}

QList<SerialPortEntry> PresentSerialPorts()
{
    QList<SerialPortEntry> entries;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        const QString device = info.portName();
#else
        const QString device = info.systemLocation();
#endif
        entries.append({device, info.description(), info.manufacturer(), stableNameOf(device)});
    }
    return entries;
}

QString PortEntryText(const SerialPortEntry &entry)
{
    QString text = entry.device;
    if (!entry.description.isEmpty() || !entry.maker.isEmpty()) {
        text += QStringLiteral(" - ") + entry.description;
        if (!entry.maker.isEmpty())
            text += entry.description.isEmpty() ? entry.maker : QStringLiteral(" (") + entry.maker + QLatin1Char(')');
    }
    if (!entry.stableName.isEmpty())
        text += QStringLiteral(" - ") + entry.stableName;
    return text;
}

PortChoice ChoosePort(const SerialPortEntry &entry, const DeviceExistsCheck &exists)
{
    if (const int number = PortNumberOfDevice(entry.device, exists))
        return {number, {}};
    return {0, entry.stableName.isEmpty() ? entry.device : entry.stableName};
}
