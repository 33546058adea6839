#include "platform/PortResolver.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Printable.h"

namespace rotaline {

namespace {

QString storedDevice(const SettingsStore& store, int portNumber) {
    return store
        .value(QLatin1String(settings::PortsSection), QStringLiteral("COM%1").arg(portNumber))
        .trimmed();
}

}  // namespace

// Where the system numbers its ports as the list does, a number nobody assigned is the system's
// port of that number, unless another number was given that port.
QString PortResolver::deviceFor(int portNumber) const {
    const QString assigned = storedDevice(store_, portNumber);
    const QString own = systemPortName(portNumber);
    if (!assigned.isEmpty() || own.isEmpty()) {
        return assigned;
    }
    for (int n = 1; n <= PortCount; ++n) {
        if (storedDevice(store_, n) == own) {
            return {};
        }
    }
    return own;
}

Assignment PortResolver::assignmentOf(int portNumber) const {
    return {deviceFor(portNumber), store_.unreadable(QLatin1String(settings::PortsSection),
                                                     QStringLiteral("COM%1").arg(portNumber))};
}

QString PortResolver::describe(int portNumber) const {
    const QString device = deviceFor(portNumber);
    if (device.isEmpty()) {
        return QStringLiteral("COM%1: no adapter assigned").arg(portNumber);
    }
    return filled(
        QStringLiteral("COM%1: %2 (%3)"),
        {QString::number(portNumber), device,
         isPresent(portNumber) ? QStringLiteral("present") : QStringLiteral("not present")});
}

bool PortResolver::isPresent(int portNumber) const {
    const QString device = deviceFor(portNumber);
    return !device.isEmpty() && deviceExists(devicePath(device));
}

int PortResolver::portOf(const QString& stableName) const {
    for (int n = 1; n <= PortCount; ++n) {
        if (deviceFor(n) == stableName) {
            return n;
        }
    }
    return 0;
}

void PortResolver::assign(const QString& stableName, int portNumber) {
    for (int n = 1; n <= PortCount; ++n) {
        if (n != portNumber && deviceFor(n) == stableName) {
            store_.setValue(QLatin1String(settings::PortsSection), QStringLiteral("COM%1").arg(n),
                            QString());
        }
    }
    if (portNumber >= 1 && portNumber <= PortCount) {
        store_.setValue(QLatin1String(settings::PortsSection),
                        QStringLiteral("COM%1").arg(portNumber), stableName);
    }
}

std::optional<SerialDevice> PortResolver::adapterToOffer(const QList<SerialDevice>& present) const {
    for (int n = 1; n <= PortCount; ++n) {
        if (!deviceFor(n).isEmpty()) {
            return std::nullopt;
        }
    }
    std::optional<SerialDevice> offered;
    for (const SerialDevice& device : present) {
        if (device.usb) {
            if (offered) {
                return std::nullopt;
            }
            offered = device;
        }
    }
    return offered;
}

QString PortResolver::stableNameOf(const QString& device, const QString& byId) {
    const QString target = QFileInfo(device).canonicalFilePath();
    const QDir links(byId);
    for (const QString& name : links.entryList(QDir::System | QDir::Files, QDir::Name)) {
        if (!target.isEmpty() && QFileInfo(links.filePath(name)).canonicalFilePath() == target) {
            return links.filePath(name);
        }
    }
    return device;
}

}  // namespace rotaline
