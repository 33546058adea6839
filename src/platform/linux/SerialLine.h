#pragma once

#include <QIODevice>
#include <QString>
#include <functional>
#include <memory>

#include "platform/SerialTerms.h"

namespace rotaline {

// Qt's serial port, as the serial module offers it: through calls that need nothing of Qt's
// serial library, so that the program loads that library (and udev with it) only when it first
// opens a port, not before its window shows. Reading, writing, opening and the error text are
// the port's own, through `device()`.
class SerialLine : public SerialTerms {
public:
    virtual ~SerialLine() = default;
    virtual QIODevice& device() = 0;
    virtual void setPortName(const QString& name) = 0;
    virtual bool setBaudRate(qint32 baud) = 0;
    virtual qint32 baudRate() const = 0;
    virtual bool setParity(Parity parity) = 0;
    virtual Parity parity() const = 0;
    virtual bool setDataBits(DataBits bits) = 0;
    virtual bool setStopBits(StopBits bits) = 0;
    virtual bool setFlowControl(FlowControl flow) = 0;
    virtual bool clear(Direction directions) = 0;
    virtual bool flush() = 0;
    virtual SerialPortError error() const = 0;
    virtual void clearError() = 0;
    virtual qintptr handle() const = 0;
    // Called with each error the port reports.
    virtual void onError(std::function<void(SerialPortError)> report) = 0;
};

// What the serial module exports, by name: a new line of its own.
using NewSerialLine = SerialLine* (*)();
inline constexpr const char* NewSerialLineSymbol = "rotalineNewSerialLine";

// A new line, or none with why not in `error` when the serial module cannot be loaded. The
// programmer loads the module; the tools and tests have it built in.
std::unique_ptr<SerialLine> newSerialLine(QString* error);

}  // namespace rotaline
