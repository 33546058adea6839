#include "explorer/Controller.h"

namespace rotaline::explorer {

bool AdapterPort::write(const QByteArray& bytes) {
    if (!in_ || portNumber() != number_) {
        pull();
    }
    if (!FakeSerialPort::write(bytes)) {
        return false;
    }
    for (const DecodedMessage& message : decoder_.feed(bytes.toStdString())) {
        messages_ << QString::fromStdString(message.text());
        if (message.kind == DecodedMessage::Kind::Parameter) {
            received_.insert(message.slot, message.value);
        }
    }
    return true;
}

void AdapterPort::pullOut() {
    in_ = false;
    pull();
    setPresentPorts({});
}

void AdapterPort::plugIn() {
    in_ = true;
    setPresentPorts({number_});
}

void AdapterPort::moveTo(int number) {
    number_ = number;
    setPresentPorts(in_ ? QSet<int>{number_} : QSet<int>{});
}

}  // namespace rotaline::explorer
