#pragma once

// The serial port class QtSerialPort drives: Qt's own where Qt has its serial module, the
// system's driver through a class of the same interface where it has not.
#ifdef _WIN32
#include "platform/windows/WinSerialPort.h"
namespace rotaline {
using SystemSerialPort = WinSerialPort;
}
#else
#include <QSerialPort>
namespace rotaline {
using SystemSerialPort = QSerialPort;
}
#endif
