#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "model/LineClock.h"
#include "model/ParameterBlock.h"
#include "platform/SerialPort.h"

namespace rotaline {

// What a port operation came to; `reason` says why it failed, in plain English words, and the
// rest lets the window say it in the user's language.
struct LinkOutcome {
    bool ok = true;
    QString reason;
    PortProblem problem = PortProblem::None;
    QString device;
    std::optional<PortHolder> holder;
    int unsent = 0;  // bytes handed over that never left
    std::optional<AdapterFinding> finding;

    static LinkOutcome failure(QString why, PortProblem problem = PortProblem::Other) {
        return {false, std::move(why), problem, {}, std::nullopt, 0, std::nullopt};
    }
    static LinkOutcome failureOf(const SerialPort& port) {
        return {false, port.errorString(), port.problem(), port.device(), port.holder(),
                0,     port.finding()};
    }
};

// The serial link to the programming adapter: the port, the send buffer and whether the last
// port selection or parameter send succeeded. A write that fails closes the port, so that the
// next send opens the device of the COM number afresh. The line's time is the steady clock's,
// or that of a line modelled in its place.
class ProgrammingLink {
public:
    using Now = std::function<LineClock::Clock::time_point()>;

    explicit ProgrammingLink(SerialPort& port, Now now = LineClock::Clock::now);
    ~ProgrammingLink();
    ProgrammingLink(const ProgrammingLink&) = delete;
    ProgrammingLink& operator=(const ProgrammingLink&) = delete;

    // Close, set the port number (list position + 1), open, write AA 55, close, line settings.
    // A position of -1 fails at once.
    LinkOutcome selectPort(int listPosition);
    // [address, value + 1]; opens the port when it is closed, and leaves it open.
    LinkOutcome sendParameter(std::uint8_t address, std::uint8_t value);
    // AA 55; opens the port when it is closed, and leaves it open.
    LinkOutcome sendModelHandshake();
    // Opens the port when it is closed: a port that opens makes the link ready, as a send does.
    LinkOutcome reopen();
    void close();

    bool isReady() const { return ready_; }
    // What is still on the line, by the line's own speed.
    const LineClock& line() const { return line_; }
    LineClock::Clock::time_point now() const { return now_(); }
    const SendBuffer& sendBuffer() const { return buffer_; }
    bool isOpen() const { return port_.isOpen(); }

    // Received bytes: `handler` runs on each data-received notification.
    void onDataReceived(std::function<void()> handler);
    // Bytes handed over that never left the line (the adapter hung up or stopped taking them):
    // the link is no longer ready, and `handler` runs with the reason.
    void onSendingFailed(std::function<void(const LinkOutcome&)> handler);
    // Every byte handed over has left the line: `handler` runs each time the line has
    // carried them.
    void onLineCarried(std::function<void()> handler);
    // The reason of such a failure, and the messages that never left, until bytes are handed
    // over again.
    const std::optional<LinkOutcome>& sendingFailure() const { return failure_; }
    const std::vector<SendBuffer>& lostMessages() const { return lost_; }
    void setReceiveThreshold(int bytes) { port_.setReceiveThreshold(bytes); }
    // The waiting bytes, or nothing when the port has been closed meanwhile.
    std::optional<QByteArray> readReceived();

private:
    LinkOutcome writeBuffer();
    LinkOutcome openIfClosed();
    void loseLast(int bytes);

    SerialPort& port_;
    Now now_;
    SendBuffer buffer_{0, 0};
    bool ready_ = false;
    LineClock line_;
    std::function<void()> received_;
    std::function<void(const LinkOutcome&)> failed_;
    std::function<void()> carried_;
    std::optional<LinkOutcome> failure_;
    std::vector<SendBuffer> run_;  // handed over since the line was last idle
    std::vector<SendBuffer> lost_;
    QMetaObject::Connection notifications_;
    QMetaObject::Connection failures_;
    QMetaObject::Connection carriedNotifications_;
};

}  // namespace rotaline
