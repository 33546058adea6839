#include "support/FakeSerialPort.h"

namespace rotaline::testing {

FakeSerialPort::FakeSerialPort() {
    for (int n = 1; n <= 16; ++n) {
        present_.insert(n);
    }
}

bool FakeSerialPort::setPortNumber(int number) {
    log_ << QStringLiteral("number %1").arg(number);
    if (open_ || number < 1 || number > 16) {
        error_ = QStringLiteral("The port number cannot be set now.");
        return false;
    }
    number_ = number;
    return true;
}

bool FakeSerialPort::setSettings(const QString& settings) {
    log_ << QStringLiteral("settings ") + settings;
    if (open_) {
        error_ = QStringLiteral("The settings cannot be set now.");
        return false;
    }
    settings_ = settings;
    return true;
}

bool FakeSerialPort::open() {
    log_ << QStringLiteral("open");
    if (failOpen_ || !present_.contains(number_)) {
        problem_ = failOpen_ ? openProblem_ : PortProblem::Absent;
        failOpen_ = false;
        error_ = QStringLiteral("The device is not present.");
        return false;
    }
    problem_ = PortProblem::None;
    open_ = true;
    pulled_ = false;
    return true;
}

void FakeSerialPort::close() {
    log_ << QStringLiteral("close");
    open_ = false;
}

bool FakeSerialPort::write(const QByteArray& bytes) {
    const QString entry = QStringLiteral("write ") + QString::fromLatin1(bytes.toHex().toUpper());
    if (!open_ || failWrite_ || pulled_) {
        log_ << entry + QStringLiteral(" failed");
        failWrite_ = false;
        error_ = QStringLiteral("The device is not usable.");
        return false;
    }
    log_ << entry;
    written_ += bytes;
    writes_ << bytes;
    handOver(bytes);
    return true;
}

void FakeSerialPort::handOver(const QByteArray&) {
    QMetaObject::invokeMethod(this, &FakeSerialPort::lineCarried, Qt::QueuedConnection);
}

QByteArray FakeSerialPort::readAll() {
    QByteArray bytes;
    bytes.swap(input_);
    return bytes;
}

void FakeSerialPort::feed(const QByteArray& bytes) {
    input_ += bytes;
    if (threshold_ > 0) {
        emit commEvent(CommEvent::DataReceived);
    }
}

void FakeSerialPort::clearWritten() {
    written_.clear();
    writes_.clear();
    log_.clear();
}

}  // namespace rotaline::testing
