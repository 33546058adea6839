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
// share one by-id name (no serial numbers) are each named by their /dev/serial/by-path link.
QList<SerialDevice> presentSerialDevices(const DeviceFolders& folders = {});

// "ttyUSB0", "pts/3", or the name of a stable link without what every such name has; a path
// outside /dev stays whole.
QString readableDeviceName(const QString& device, const QString& dev = QStringLiteral("/dev"));

// At most the first `limit` bytes of a file the system keeps (a sysfs attribute, the group
// database), read only from a regular file: a pipe or a device in its place is not waited on.
QByteArray readSystemFile(const QString& path, qint64 limit);

// The sysfs folder of the USB device a device folder belongs to ("" when it is on no USB), and
// one of its attributes ("idVendor", "serial", ...; "" when it has none).
QString usbDeviceAbove(QString device, const QString& sys);
QString usbAttribute(const QString& usbDevice, const char* name);
// Its maker, product and serial number, as far as known: "FTDI FT232R USB UART #A50285BI".
QString usbIdentity(const QString& usbDevice);

}  // namespace rotaline
