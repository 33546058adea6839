#pragma once

#include <QString>
#include <QStringList>

namespace rotaline {

// The COM ports the serial drivers have made, as the registry's device map lists them
// ("COM1", "COM23"), in number order.
QStringList comPortsPresent();

// What names a port in the system's namespace of devices: "\\.\COM23".
inline constexpr QLatin1String DevicePrefix("\\\\.\\");
// The highest number of a COM port.
inline constexpr int MaxComNumber = 255;

// "COM23" for "COM23", "com23" and "\\.\COM23"; any other name without the "\\.\" before it.
QString comPortName(const QString& name);

// The number of "COM23" (ASCII letters of either case, 1 to 255), or 0 for a name of no COM port.
int comNumber(const QString& name);

}  // namespace rotaline
