#include "link/ProgrammingLink.h"

#include <algorithm>

#include "model/WireFormat.h"

namespace rotaline {

ProgrammingLink::ProgrammingLink(SerialPort& port, Now now) : port_(port), now_(std::move(now)) {
    notifications_ =
        QObject::connect(&port_, &SerialPort::commEvent, &port_, [this](CommEvent event) {
            if (event == CommEvent::DataReceived && received_) {
                received_();
            }
        });
    carriedNotifications_ = QObject::connect(&port_, &SerialPort::lineCarried, &port_, [this] {
        if (carried_) {
            carried_();
        }
    });
    failures_ = QObject::connect(&port_, &SerialPort::sendingFailed, &port_,
                                 [this](PortProblem problem, const QString& device, int unsent) {
                                     ready_ = false;
                                     loseLast(unsent);
                                     failure_ = LinkOutcome{
                                         false,        sendingFailureText(problem, device, unsent),
                                         problem,      device,
                                         std::nullopt, unsent,
                                         std::nullopt};
                                     if (failed_) {
                                         failed_(*failure_);
                                     }
                                 });
}

// The port may outlive the link and still report.
ProgrammingLink::~ProgrammingLink() {
    QObject::disconnect(notifications_);
    QObject::disconnect(failures_);
    QObject::disconnect(carriedNotifications_);
}

LinkOutcome ProgrammingLink::openIfClosed() {
    if (!port_.isOpen() && !port_.open()) {
        return LinkOutcome::failureOf(port_);
    }
    return {};
}

LinkOutcome ProgrammingLink::writeBuffer() {
    const QByteArray bytes(reinterpret_cast<const char*>(buffer_.data()),
                           static_cast<int>(buffer_.size()));
    failure_.reset();
    lost_.clear();
    if (!port_.write(bytes)) {
        // Bytes on the line lost with the device are said, not only the write.
        const LinkOutcome failed = failure_.value_or(LinkOutcome::failureOf(port_));
        close();
        return failed;
    }
    const LineClock::Clock::time_point now = now_();
    if (!line_.isBusy(now)) {
        run_.clear();
    }
    run_.push_back(buffer_);
    line_.handedOver(static_cast<int>(bytes.size()), now);
    return {};
}

// The last bytes handed over never left: the messages they belong to are lost, a message cut
// short with them.
void ProgrammingLink::loseLast(int bytes) {
    const auto messages = std::min(run_.size(), static_cast<std::size_t>(bytes + 1) / 2);
    lost_.assign(run_.end() - static_cast<std::ptrdiff_t>(messages), run_.end());
    run_.clear();
}

LinkOutcome ProgrammingLink::selectPort(int listPosition) {
    LinkOutcome outcome = [&]() -> LinkOutcome {
        if (listPosition < 0) {
            return LinkOutcome::failure(QStringLiteral("No port is chosen."));
        }
        if (port_.isOpen()) {
            port_.close();
        }
        if (!port_.setPortNumber(listPosition + 1)) {
            return LinkOutcome::failure(port_.errorString());
        }
        buffer_ = HandshakeMessage;
        if (LinkOutcome opened = openIfClosed(); !opened.ok) {
            return opened;
        }
        if (LinkOutcome written = writeBuffer(); !written.ok) {
            return written;
        }
        if (port_.isOpen()) {
            port_.close();
        }
        if (!port_.setSettings(QString::fromLatin1(LineSettings))) {
            return LinkOutcome::failure(port_.errorString());
        }
        return {};
    }();
    ready_ = outcome.ok;
    return outcome;
}

LinkOutcome ProgrammingLink::sendParameter(std::uint8_t address, std::uint8_t value) {
    LinkOutcome outcome = [&]() -> LinkOutcome {
        const std::optional<SendBuffer> message = parameterMessage(address, value);
        if (!message) {
            return LinkOutcome::failure(QStringLiteral("The value 255 cannot be sent."));
        }
        buffer_ = *message;
        if (LinkOutcome opened = openIfClosed(); !opened.ok) {
            return opened;
        }
        return writeBuffer();
    }();
    ready_ = outcome.ok;
    return outcome;
}

LinkOutcome ProgrammingLink::sendModelHandshake() {
    buffer_ = HandshakeMessage;
    LinkOutcome outcome = openIfClosed();
    if (outcome.ok) {
        outcome = writeBuffer();
    }
    if (!outcome.ok) {
        ready_ = false;
    }
    return outcome;
}

LinkOutcome ProgrammingLink::reopen() {
    LinkOutcome outcome = openIfClosed();
    ready_ = outcome.ok;
    return outcome;
}

void ProgrammingLink::close() {
    if (port_.isOpen()) {
        port_.close();
    }
}

void ProgrammingLink::onDataReceived(std::function<void()> handler) {
    received_ = std::move(handler);
}

void ProgrammingLink::onLineCarried(std::function<void()> handler) {
    carried_ = std::move(handler);
}

void ProgrammingLink::onSendingFailed(std::function<void(const LinkOutcome&)> handler) {
    failed_ = std::move(handler);
}

std::optional<QByteArray> ProgrammingLink::readReceived() {
    if (!port_.isOpen()) {
        return std::nullopt;
    }
    return port_.readAll();
}

}  // namespace rotaline
