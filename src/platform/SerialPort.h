#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

#include "platform/AdapterFinding.h"
#include "platform/PortHolders.h"

namespace rotaline {

enum class CommEvent { DataReceived, Other };

// What kept a port from working, for telling the user how to fix it. The system explains an
// absent or held device where it can (PortHolders.h): another driver claimed the adapter, or a
// service of its own probes new ports for a moment.
enum class PortProblem {
    None,
    Unassigned,
    Absent,
    PermissionDenied,
    Busy,
    Claimed,
    Probed,
    ConfigUnreadable,
    NotSerial,
    // Bytes handed over that never left: the adapter hung up, or stopped taking them, or they
    // were given up (Quit now, a second signal).
    Disconnected,
    Stuck,
    GivenUp,
    Other
};

// In plain English, for the batch tool and logs; the window says it in the user's language.
QString sendingFailureText(PortProblem problem, const QString& device, int unsent);

// The port list is "COM1" .. "COM16"; settings files store the position in it.
inline constexpr int PortCount = 16;

// One serial port as the programming link uses it. Every operation reports failure
// through its result and errorString(); none throws.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Both only while the port is closed; false otherwise or for a number outside 1..16.
    virtual bool setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    virtual bool setSettings(const QString& settings) = 0;  // as LineSettings
    virtual QString settings() const = 0;

    virtual bool isOpen() const = 0;
    virtual bool open() = 0;
    virtual void close() = 0;

    // Hands the bytes to the output queue without waiting for them to leave.
    virtual bool write(const QByteArray& bytes) = 0;

    // 1: raise DataReceived as soon as a byte waits; 0: raise none.
    virtual void setReceiveThreshold(int bytes) = 0;
    virtual QByteArray readAll() = 0;

    // Why the last open or write failed, in plain words, and what kind of trouble it was.
    virtual QString errorString() const = 0;
    virtual PortProblem problem() const = 0;
    // The device the last open led to ("" when none), and the program found holding it, so
    // that the trouble can be said in the user's language.
    virtual QString device() const { return {}; }
    virtual std::optional<PortHolder> holder() const { return std::nullopt; }
    // What the system shows about a device that is absent or may not be opened.
    virtual std::optional<AdapterFinding> finding() const { return std::nullopt; }

    // A closed port may still have bytes on the line: it closes for good once they have left,
    // and then lineIdle() is emitted. Abandoning drops what is left. Bytes that never left (the
    // adapter hung up or stopped taking them, or they were abandoned) are reported by
    // sendingFailed() first; abandoned ones at once, before abandonDraining() returns.
    virtual bool isDraining() const { return false; }
    virtual void abandonDraining() {}

signals:
    void commEvent(rotaline::CommEvent event);
    // Every byte handed over has left the line: the line clock says the last one has, and the
    // system holds none, of the open port and of every closed one still draining. Not emitted
    // for bytes reported by sendingFailed().
    void lineCarried();
    void lineIdle();
    void sendingFailed(rotaline::PortProblem problem, const QString& device, int unsent);
};

}  // namespace rotaline
