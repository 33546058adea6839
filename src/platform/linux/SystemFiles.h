#pragma once

#include <QByteArray>
#include <QString>

namespace rotaline {

// At most the first `limit` bytes of a file the system keeps (a sysfs attribute, the group
// database), read only from a regular file: a pipe or a device in its place is not waited on.
QByteArray readSystemFile(const QString& path, qint64 limit);

// The sysfs folder of the USB device a device folder belongs to ("" when it is on no USB), and
// one of its attributes ("idVendor", "serial", ...; "" when it has none).
QString usbDeviceAbove(QString device, const QString& sys);
QString usbAttribute(const QString& usbDevice, const char* name);
// Its maker, product and serial number, as far as known: "FTDI FT232R USB UART #A50285BI".
QString usbIdentity(const QString& usbDevice);

// Whether a process of that program (the name it was started by) is running, as far as `proc`
// shows.
bool isRunning(const QString& program, const QString& proc = QStringLiteral("/proc"));

}  // namespace rotaline
