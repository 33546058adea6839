#pragma once

#include <QString>

#include "platform/PortHolders.h"
#include "platform/SerialPort.h"

namespace rotaline {

// What the system makes of a device the port was to open: Claimed when it is not there because
// another driver takes such adapters away, else Absent; Probed when the program holding it is a
// service that lets go by itself, else Busy.
PortProblem absenceOf(const QString& device);
PortProblem holdingBy(const PortHolder& holder);

}  // namespace rotaline
