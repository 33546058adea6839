#include "platform/SerialDevices.h"

#include <QRegularExpression>
#include <algorithm>

#include "platform/windows/ComPorts.h"
#include "platform/windows/DeviceRecords.h"

namespace rotaline {

namespace {

// "wch.cn USB-SERIAL CH340 #A50285BI": the maker, the name without its port, the serial number.
QString identityOf(const DeviceRecord& record) {
    static const QRegularExpression port(QStringLiteral("\\s*\\((COM|LPT)[0-9]+\\)$"));
    QStringList identity;
    for (QString part : {record.maker, QString(record.friendlyName).remove(port)}) {
        if (!part.isEmpty() && !identity.contains(part)) {
            identity << part;
        }
    }
    if (!record.serial.isEmpty()) {
        identity << QStringLiteral("#") + record.serial;
    }
    return identity.join(QLatin1Char(' '));
}

}  // namespace

// The device manager's serial ports, then the ports a driver made without a record there (a
// virtual port, Wine's). The name of a port is the system's own, which stays with the adapter.
QList<SerialDevice> presentSerialDevices(const DeviceFolders&) {
    QList<SerialDevice> usb;
    QList<SerialDevice> others;
    QStringList listed;
    for (const DeviceRecord& record : serialPortRecords()) {
        const QString port = comPortName(record.port);
        if (comNumber(port) > 0 && !listed.contains(port)) {
            (record.usbInstance.isEmpty() ? others : usb)
                << SerialDevice{port, port, identityOf(record), !record.usbInstance.isEmpty()};
            listed << port;
        }
    }
    for (const QString& port : comPortsPresent()) {
        if (!listed.contains(port)) {
            others << SerialDevice{port, port, QString()};
        }
    }
    for (QList<SerialDevice>* group : {&usb, &others}) {
        std::stable_sort(group->begin(), group->end(), [](const auto& a, const auto& b) {
            return comNumber(a.path) < comNumber(b.path);
        });
    }
    return usb + others;
}

QString readableDeviceName(const QString& device, const QString&) {
    return comPortName(device);
}

}  // namespace rotaline
