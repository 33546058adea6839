#include "platform/DevicePath.h"

#include <windows.h>

#include "platform/windows/ComPorts.h"

namespace rotaline {

// A port is named as the user sees it, "COM23"; the port opens it as "\\.\COM23".
QString devicePath(const QString& name) {
    return comPortName(name);
}

// A serial line is a port a serial driver made; "NUL" or "CON" is none.
bool isSerialLine(const QString& path) {
    return comPortsPresent().contains(comPortName(path));
}

QString typedDevice(const QString& typed) {
    return devicePath(typed);
}

QString exampleDevice() {
    return QStringLiteral("COM5");
}

bool isDeviceName(const QString& name) {
    return comNumber(name.startsWith(DevicePrefix) ? name.mid(DevicePrefix.size()) : name) > 0;
}

QString systemPortName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

bool deviceExists(const QString& device) {
    wchar_t target[512];
    return QueryDosDeviceW(reinterpret_cast<const wchar_t*>(comPortName(device).utf16()), target,
                           512) != 0;
}

// Windows gives every user the ports; an open refused with access denied means another program
// has the port open.
bool userMayOpen(const QString&) {
    return true;
}

}  // namespace rotaline
