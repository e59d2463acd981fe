#pragma once

#include <QList>
#include <QString>

#include <functional>

using DeviceExistsCheck = std::function<bool(const QString &device)>;

// The device a configured port number names: TAMREL_COM<n> when set, COM<n>
// on Windows, else the first of /dev/ttyUSB<n-1>, /dev/ttyACM<n-1> that
// exists, else /dev/ttyS<n-1>. Empty for numbers below 1.
QString DeviceForPort(int portNumber, const DeviceExistsCheck &exists = {});

bool DeviceExists(const QString &device);

// The device the link opens: TAMREL_COM<n> when set, else the device name
// the user chose from the list of ports when there is one, else the device
// the number names.
QString DeviceInUse(int portNumber, const QString &chosenDevice, const DeviceExistsCheck &exists = {});

// The port number under which DeviceForPort names device; 0 for none.
int PortNumberOfDevice(const QString &device, const DeviceExistsCheck &exists = {});

// A serial port present, as the configuration window lists it.
struct SerialPortEntry {
    QString device;       // /dev/ttyUSB0, COM3
    QString description;
    QString maker;
    QString stableName;   // its /dev/serial/by-id name, where it has one
};

// The ports the system lists, with their stable names. Pseudo-terminals are
// not among them.
QList<SerialPortEntry> PresentSerialPorts();

// "/dev/ttyUSB0 - FT232R USB UART (FTDI) - /dev/serial/by-id/...", parts
// that are unknown left out.
QString PortEntryText(const SerialPortEntry &entry);

// What choosing a listed port keeps: the number where the device has one
// (device empty), else its stable name, or the device itself without one.
struct PortChoice {
    int number = 0;
    QString device;
};
PortChoice ChoosePort(const SerialPortEntry &entry, const DeviceExistsCheck &exists = {});
