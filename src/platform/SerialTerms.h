#pragma once

namespace rotaline {

// The words of a serial line's settings and faults, QSerialPort's, in numbers of our own: what
// each system's port (system/SystemSerialPort.h) says.
struct SerialTerms {
    enum Parity { NoParity, EvenParity, OddParity, SpaceParity, MarkParity };
    enum DataBits { Data5 = 5, Data6 = 6, Data7 = 7, Data8 = 8 };
    enum StopBits { OneStop, OneAndHalfStop, TwoStop };
    enum FlowControl { NoFlowControl };
    enum Direction { Input = 1, Output = 2, AllDirections = 3 };
    enum SerialPortError {
        NoError,
        DeviceNotFoundError,
        PermissionError,
        OpenError,
        WriteError,
        ReadError,
        ResourceError,
        UnknownError
    };
};

}  // namespace rotaline
