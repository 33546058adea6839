#pragma once

#include <QMap>
#include <QStringList>

#include "model/MessageDecoder.h"
#include "support/FakeSerialPort.h"

namespace rotaline::explorer {

// The one serial adapter, with a controller on it, as rotaline-virtual-controller decodes what
// it receives. Its COM number can change and it can be pulled out; a write on any other number,
// or while it is out, fails as a USB adapter's does once its device node is gone.
class AdapterPort : public testing::FakeSerialPort {
public:
    AdapterPort() { plugIn(); }

    bool write(const QByteArray& bytes) override;

    int number() const { return number_; }
    bool isIn() const { return in_; }
    void pullOut();
    void plugIn();
    void moveTo(int number);

    // The last value the controller took at each slot.
    const QMap<int, int>& received() const { return received_; }
    // Messages taken since `forget` (handshakes too), as decoded.
    const QStringList& messages() const { return messages_; }
    void forget() { messages_.clear(); }

private:
    int number_ = 1;
    bool in_ = true;
    MessageDecoder decoder_;
    QMap<int, int> received_;
    QStringList messages_;
};

}  // namespace rotaline::explorer
