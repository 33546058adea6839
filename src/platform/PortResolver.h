#pragma once

#include <QStringList>
#include <functional>

#include "platform/SettingsStore.h"

namespace rotaline {

// Finds the device behind "COMn": the "Ports" section of the settings store when it names
// one, otherwise the n-th serial port present, USB and ACM adapters first.
class PortResolver {
public:
    using PresentPorts = std::function<QStringList()>;  // device paths, in any order

    explicit PortResolver(const SettingsStore& store, PresentPorts present = systemPorts);

    QString deviceFor(int portNumber) const;
    // "COM1: /dev/ttyUSB0", followed by whether that device is there now.
    QString describe(int portNumber) const;

    // USB and ACM adapters first, then the others, each group in natural name order.
    static QStringList ordered(QStringList devices);
    static QStringList systemPorts();

private:
    const SettingsStore& store_;
    PresentPorts present_;
};

}  // namespace rotaline
