#pragma once

// The serial port class QtSerialPort drives: Windows' has no Qt serial module, so the serial
// driver's own calls behind the part of QSerialPort's interface it uses.
#include "platform/windows/WinSerialPort.h"

namespace rotaline {
using SystemSerialPort = WinSerialPort;
}
