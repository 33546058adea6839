#pragma once

#include <QList>
#include <QString>

#include "platform/PortResolver.h"

namespace rotaline {

// Where the kernel describes its devices and where their nodes are; tests give a tree of their own.
struct DeviceFolders {
    QString sys = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
};

// The serial devices present, USB adapters first, read from sysfs alone: listing them opens no
// device, since on a real UART an open toggles DTR and RTS and can reset the board behind it.
// A tty without a device behind it (a console, a pseudo-terminal) is none, and neither is a
// 16550 slot the kernel found no chip in (its "type" is 0, PORT_UNKNOWN).
QList<SerialDevice> presentSerialDevices(const DeviceFolders& folders = {});

// "ttyUSB0", "pts/3", or the name of a stable link without what every such name has; a path
// outside /dev stays whole.
QString readableDeviceName(const QString& device, const QString& dev = QStringLiteral("/dev"));

// Whether this user may open the usual serial devices: root, or a member of "dialout".
bool mayOpenSerialDevices();

}  // namespace rotaline
