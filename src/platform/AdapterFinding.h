#pragma once

#include <QString>

namespace rotaline {

enum class AdapterCause {
    Usable,
    TakenByBrltty,
    NoDriver,
    NoPermission,
    LogInAgain,
    ProbedByModemManager,
    Busy,
    Sandbox,
    NothingPlugged,
    Absent,     // a device given a COM number by hand that is not there
    NotSerial,  // the same, that is no serial line
    // What the device manager records on Windows.
    DriverMissing,  // no driver installed (problem code 28)
    DriverFailed,   // the driver would not start the device (code 10, and any other problem)
    Disabled,       // disabled by the user (code 22)
    NoComPort       // a working driver that makes no port (FTDI's without its serial part)
};

// One adapter as the system shows it, or, with no device, what keeps any from showing.
struct AdapterFinding {
    QString device;      // /dev/ttyUSB0; "" when the system made none
    QString stableName;  // by-id, or by-path when two adapters share their by-id name
    QString chip;        // from the table of chips; "" when unknown
    QString usbIds;      // "1a86:7523", as far as the system tells
    bool usb = false;    // it lies on USB
    QString manufacturer, product, serial;
    QString identity;  // the three as one text
    bool exactDrain = false;
    AdapterCause cause = AdapterCause::Usable;
    QString detail;  // the module or driver missing, the group, the program holding it, the fix
    qint64 pid = 0;  // of that program

    bool usable() const { return cause == AdapterCause::Usable; }
    bool onUsb() const { return usb; }
    // An adapter on USB that can be used now.
    bool usableAdapter() const { return usable() && onUsb(); }
    bool namedBySocket() const { return stableName.contains(QLatin1String("/serial/by-path/")); }
};

}  // namespace rotaline
