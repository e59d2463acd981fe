#pragma once

#include <QString>

// The device a configured port number names: TAMREL_COM<n> when set, COM<n>
// on Windows, else the first of /dev/ttyUSB<n-1>, /dev/ttyACM<n-1> that
// exists, else /dev/ttyS<n-1>. Empty for numbers below 1.
QString DeviceForPort(int portNumber);

bool DeviceExists(const QString &device);
