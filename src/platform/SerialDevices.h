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
// 16550 slot the kernel found no chip in (its "type" is 0, PORT_UNKNOWN). Two adapters that
// share one stable name (no serial numbers) are each named by the USB socket they are in.
QList<SerialDevice> presentSerialDevices(const DeviceFolders& folders = {});

// A device's name as short as the system lets it be said: without the folder every device is
// in, or a stable link's name without what every such name has; a path outside them stays whole.
QString readableDeviceName(const QString& device, const QString& dev = QStringLiteral("/dev"));

}  // namespace rotaline
