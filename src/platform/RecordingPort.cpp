#include "platform/RecordingPort.h"

namespace rotaline {

RecordingPort::RecordingPort(std::unique_ptr<SerialPort> port) : port_(std::move(port)) {
    if (port_) {
        connect(port_.get(), &SerialPort::commEvent, this, &SerialPort::commEvent);
        connect(port_.get(), &SerialPort::lineCarried, this, &SerialPort::lineCarried);
        connect(port_.get(), &SerialPort::lineIdle, this, &SerialPort::lineIdle);
        connect(port_.get(), &SerialPort::sendingFailed, this, &SerialPort::sendingFailed);
    }
}

bool RecordingPort::setPortNumber(int number) {
    number_ = number;
    return port_ ? port_->setPortNumber(number) : true;
}

bool RecordingPort::setSettings(const QString& settings) {
    settings_ = settings;
    return port_ ? port_->setSettings(settings) : true;
}

bool RecordingPort::open() {
    open_ = true;
    return port_ ? port_->open() : true;
}

void RecordingPort::close() {
    open_ = false;
    if (port_) {
        port_->close();
    }
}

bool RecordingPort::write(const QByteArray& bytes) {
    if (port_ && !port_->write(bytes)) {
        return false;
    }
    written_ += bytes;
    return true;
}

void RecordingPort::setReceiveThreshold(int bytes) {
    if (port_) {
        port_->setReceiveThreshold(bytes);
    }
}

}  // namespace rotaline
