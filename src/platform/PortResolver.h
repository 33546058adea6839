#pragma once

#include <QList>
#include <QStringList>
#include <optional>

#include "platform/DevicePath.h"
#include "platform/SerialPort.h"
#include "platform/SettingsStore.h"

namespace rotaline {

// A serial device present now, as a person and the settings store know it.
struct SerialDevice {
    QString path;        // as devicePath gives it
    QString stableName;  // its /dev/serial/by-id link when it has one, else the path
    QString identity;    // manufacturer, product and serial number, as far as known
    bool usb = false;    // a USB serial adapter rather than a board's own port, as the system says

    bool operator==(const SerialDevice& other) const {
        return path == other.path && stableName == other.stableName && identity == other.identity &&
               usb == other.usb;
    }
};

// Finds the device behind "COMn": only a device the user assigned to it, in the "Ports"
// section of the settings store (a stable name or any path, or the system's own COMn chosen in
// the port list), so that no device nobody chose is ever opened.
class PortResolver {
public:
    explicit PortResolver(SettingsStore& store) : store_(store) {}

    // The device assigned as it stands in the store ("" when none).
    QString deviceFor(int portNumber) const;
    // The same, or why the store cannot say.
    Assignment assignmentOf(int portNumber) const;
    // "COM1: <device> (present)", or that nothing is assigned.
    QString describe(int portNumber) const;
    bool isPresent(int portNumber) const;
    // The COM number a device is assigned to, or 0.
    int portOf(const QString& stableName) const;
    // Gives the device COM `portNumber` (0: none); no other number keeps it.
    void assign(const QString& stableName, int portNumber);
    // The user chose COM `portNumber` in the port list.
    void choose(int portNumber);
    // Whether COM `portNumber` leads to the system's port of that number.
    bool isOwnPort(int portNumber) const;
    // With nothing assigned and exactly one USB adapter among `present`, that adapter.
    std::optional<SerialDevice> adapterToOffer(const QList<SerialDevice>& present) const;

    // The link in `byId` that leads to `device`, or `device` itself, named as typedDevice names
    // it, when none does.
    static QString stableNameOf(const QString& device,
                                const QString& byId = QStringLiteral("/dev/serial/by-id"));

private:
    SettingsStore& store_;
};

}  // namespace rotaline
