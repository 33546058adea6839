#pragma once

#include <QString>

namespace rotaline {

// What a port number leads to: the device as configured or typed, or why its assignment cannot
// be read. A name alone converts to one.
struct Assignment {
    Assignment(QString device = {}, QString unreadable = {})
        : device(std::move(device)), unreadable(std::move(unreadable)) {}
    QString device;
    QString unreadable;
};

// The device a configured or typed name stands for. A relative name is one under the system's
// folder of devices ("pts/3" under /dev), never one under the current folder. The result is
// absolute with every link resolved (a /dev/serial/by-id name leads to its tty), so that the busy
// check, the lock and the open all meet one device; a device not present keeps its name, made
// absolute.
QString devicePath(const QString& name);

// The device a user typed or assigned, kept as typed but whole, one name for one device: a name
// alone is one under /dev on Linux, links kept; a port name on Windows as the system
// names it ("com5" and "\\.\COM5" are COM5).
QString typedDevice(const QString& typed);

// A device named as users of this system know one, for hints ("COM5" on Windows).
QString exampleDevice();

// Whether `name`, configured or typed, is a name this system gives devices: on Windows a port
// "COM5" or "\\.\COM5" exactly, in ASCII letters of either case, numbered 1 to 255, so that no
// look-alike ("ＣＯＭ１") reaches a port; any name on Linux.
bool isDeviceName(const QString& name);

// Whether `path` is a serial line: a device of one of the system's serial drivers, other than
// the system's own (/dev/tty, the console, /dev/ptmx) and a pseudo-terminal's master side.
// /dev/null, a disk or a watchdog is none; where the system does not list its drivers, any
// character device counts.
bool isSerialLine(const QString& path);

// The system's own port of the list's number, "COM5" for 5 on Windows; "" where the system
// numbers none (Linux).
QString systemPortName(int number);

// Whether the device `devicePath` gave is there now.
bool deviceExists(const QString& device);

// Whether this user's rights let the device be opened; where it is there and they do, a refused
// open means another program holds it.
bool userMayOpen(const QString& device);

}  // namespace rotaline
