#include "SystemSerialPort.h"

namespace rotaline {

LinuxSerialPort::LinuxSerialPort(QObject* parent) : QObject(parent) {}

LinuxSerialPort::~LinuxSerialPort() = default;

// The line, made at the first call that needs one; none when the module is missing.
SerialLine* LinuxSerialPort::line() {
    if (line_ == nullptr && missing_.isEmpty()) {
        line_ = newSerialLine(&missing_);
        if (line_ != nullptr) {
            connect(&line_->device(), &QIODevice::readyRead, this, &LinuxSerialPort::readyRead);
            line_->onError([this](SerialPortError error) { emit errorOccurred(error); });
        }
    }
    return line_.get();
}

void LinuxSerialPort::setPortName(const QString& name) {
    if (SerialLine* made = line()) {
        made->setPortName(name);
    }
}

bool LinuxSerialPort::setBaudRate(qint32 baud) {
    return line() != nullptr && line_->setBaudRate(baud);
}

qint32 LinuxSerialPort::baudRate() const {
    return line_ != nullptr ? line_->baudRate() : 9600;
}

bool LinuxSerialPort::setParity(Parity parity) {
    return line() != nullptr && line_->setParity(parity);
}

LinuxSerialPort::Parity LinuxSerialPort::parity() const {
    return line_ != nullptr ? line_->parity() : NoParity;
}

bool LinuxSerialPort::setDataBits(DataBits bits) {
    return line() != nullptr && line_->setDataBits(bits);
}

bool LinuxSerialPort::setStopBits(StopBits bits) {
    return line() != nullptr && line_->setStopBits(bits);
}

bool LinuxSerialPort::setFlowControl(FlowControl flow) {
    return line() != nullptr && line_->setFlowControl(flow);
}

bool LinuxSerialPort::open(QIODevice::OpenMode mode) {
    return line() != nullptr && line_->device().open(mode);
}

void LinuxSerialPort::close() {
    if (line_ != nullptr) {
        line_->device().close();
    }
}

bool LinuxSerialPort::isOpen() const {
    return line_ != nullptr && line_->device().isOpen();
}

qint64 LinuxSerialPort::write(const QByteArray& bytes) {
    return line_ != nullptr ? line_->device().write(bytes) : -1;
}

QByteArray LinuxSerialPort::readAll() {
    return line_ != nullptr ? line_->device().readAll() : QByteArray();
}

qint64 LinuxSerialPort::bytesAvailable() const {
    return line_ != nullptr ? line_->device().bytesAvailable() : 0;
}

qint64 LinuxSerialPort::bytesToWrite() const {
    return line_ != nullptr ? line_->device().bytesToWrite() : 0;
}

bool LinuxSerialPort::flush() {
    return line_ != nullptr && line_->flush();
}

bool LinuxSerialPort::clear(Direction directions) {
    return line_ != nullptr && line_->clear(directions);
}

LinuxSerialPort::SerialPortError LinuxSerialPort::error() const {
    if (line_ == nullptr) {
        return missing_.isEmpty() ? NoError : OpenError;
    }
    return line_->error();
}

void LinuxSerialPort::clearError() {
    if (line_ != nullptr) {
        line_->clearError();
    }
}

QString LinuxSerialPort::errorString() const {
    return line_ != nullptr ? line_->device().errorString() : missing_;
}

qintptr LinuxSerialPort::handle() const {
    return line_ != nullptr ? line_->handle() : -1;
}

}  // namespace rotaline
