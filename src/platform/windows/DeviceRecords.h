#pragma once

#include <QList>
#include <QString>

#include "platform/AdapterFinding.h"

namespace rotaline {

// A device as the device manager records it.
struct DeviceRecord {
    QString instance;           // USB\VID_0403&PID_6001\A50285BI
    QString usbInstance;        // the USB device it is, or belongs to; "" when on no USB
    QString friendlyName;       // USB-SERIAL CH340 (COM23)
    QString maker;              // the driver package's maker: wch.cn, FTDI, Microsoft
    QString port;               // COM23; "" when it made no port
    QString vendor, product;    // USB ids as four lower-case hex digits each
    QString serial;             // the USB device's own serial number, "" when it has none
    unsigned long problem = 0;  // the device manager's problem code, 0 when it works
};

// The serial ports present (the device class "Ports"), and every USB device present, with or
// without a driver. Reading them opens no device.
QList<DeviceRecord> serialPortRecords();
QList<DeviceRecord> usbDeviceRecords();

// What the records say of each adapter: every COM port, then each USB device of a known chip that
// made none; with no adapter on USB, one finding that says so.
QList<AdapterFinding> findingsFrom(const QList<DeviceRecord>& ports,
                                   const QList<DeviceRecord>& usbDevices);

}  // namespace rotaline
