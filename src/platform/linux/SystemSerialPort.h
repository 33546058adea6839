#pragma once

// The serial port class QtSerialPort drives: Qt's own.
#include <QSerialPort>

namespace rotaline {
using SystemSerialPort = QSerialPort;
}
