#include "explorer/Controller.h"

namespace rotaline::explorer {

namespace {

void take(MessageDecoder& decoder, const QByteArray& bytes, QMap<int, int>& values) {
    for (const DecodedMessage& message : decoder.feed(bytes.toStdString())) {
        if (message.kind == DecodedMessage::Kind::Parameter) {
            values.insert(message.slot, message.value);
        }
    }
}

}  // namespace

void AdapterPort::handOver(const QByteArray& bytes) {
    line_.handedOver(static_cast<int>(bytes.size()), now_);
    onLine_ += bytes;
    carrying_ = true;
    for (const DecodedMessage& message : handed_.feed(bytes.toStdString())) {
        messages_ << QString::fromStdString(message.text());
    }
}

// The bytes that have left the line reach the controller.
void AdapterPort::deliver() {
    const qsizetype left = onLine_.size() - line_.bytesLeft(now_);
    take(controller_, onLine_.left(left), values_);
    onLine_.remove(0, left);
}

void AdapterPort::pass(std::optional<LineClock::Clock::duration> time) {
    now_ = time ? now_ + *time : std::max(now_, line_.idleAt());
    deliver();
    if (carrying_ && !line_.isBusy(now_)) {
        carrying_ = false;
        emit lineCarried();
    }
}

QMap<int, int> AdapterPort::receivedOnceCarried() const {
    QMap<int, int> values = values_;
    MessageDecoder controller = controller_;
    take(controller, onLine_, values);
    return values;
}

void AdapterPort::pullOut() {
    in_ = false;
    setPresentPorts({});
    deliver();
    const int lost = static_cast<int>(onLine_.size());
    onLine_.clear();
    carrying_ = false;
    controller_ = MessageDecoder();  // a message cut short is dropped
    line_ = LineClock();
    close();
    if (lost > 0) {
        QMetaObject::invokeMethod(
            this, [this, lost] { emit sendingFailed(PortProblem::Disconnected, {}, lost); },
            Qt::QueuedConnection);
    }
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
