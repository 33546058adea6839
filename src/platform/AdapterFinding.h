#pragma once

#include <QString>

namespace rotaline {

// Why an adapter cannot be used. The first ones every system may find, and the window words
// them; the others only some system finds, and that system words them (SystemWords.h).
enum class AdapterCause {
    Usable,
    Busy,
    NothingPlugged,
    Absent,     // a device given a COM number by hand that is not there
    NotSerial,  // the same, that is no serial line
    Claimed,    // another driver took the adapter for a device of its own
    NoDriver,
    NoPermission,
    LogInAgain,
    Probed,  // a service of the system holds it for a moment to see what it is
    Sandbox,
    DriverMissing,  // no driver installed
    DriverFailed,   // the driver would not start the device
    Disabled,       // disabled by the user
    NoComPort       // a working driver that makes no port
};

// One adapter as the system shows it, or, with no device, what keeps any from showing.
struct AdapterFinding {
    QString device;         // as devicePath gives it; "" when the system made none
    QString stableName;     // the name that stays with the adapter, as the settings keep it
    bool bySocket = false;  // that name follows the USB socket, not the adapter
    QString chip;           // from the table of chips; "" when unknown
    QString usbIds;         // "1a86:7523", as far as the system tells
    bool usb = false;       // it lies on USB
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
    bool namedBySocket() const { return bySocket; }
};

}  // namespace rotaline
