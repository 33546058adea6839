#pragma once

#include <QMap>
#include <QStringList>
#include <optional>

#include "model/LineClock.h"
#include "model/MessageDecoder.h"
#include "support/FakeSerialPort.h"

namespace rotaline::explorer {

// The one serial adapter, with a controller on it, as rotaline-virtual-controller decodes what
// it receives. Its COM number can change and it can be pulled out; no other number opens, nor
// its own while it is out, as a USB adapter's device node is gone then.
//
// Its line is 300 baud and its time passes only when told: the controller takes each byte as
// it leaves the line, and the port says so once the line has carried every byte. Pulled out, it
// hangs up as the usb-serial drivers (ftdi_sio, cp210x, ch341, pl2303, cdc-acm) do on a
// disconnect: the open port then fails (EIO, POLLHUP; QSerialPort's ResourceError) and is
// closed, and the bytes still on the line are lost and reported so.
class AdapterPort : public testing::FakeSerialPort {
public:
    AdapterPort() { plugIn(); }

    int number() const { return number_; }
    bool isIn() const { return in_; }
    void pullOut();
    void plugIn();
    void moveTo(int number);

    LineClock::Clock::time_point now() const { return now_; }
    // Time passes: `time`, or until the line is idle when none is given.
    void pass(std::optional<LineClock::Clock::duration> time = std::nullopt);

    // The value the controller took last at each slot, and the one it holds once the line has
    // carried what it holds.
    const QMap<int, int>& received() const { return values_; }
    QMap<int, int> receivedOnceCarried() const;
    // Messages handed to the line since `forget` (handshakes too), as decoded.
    const QStringList& messages() const { return messages_; }
    void forget() { messages_.clear(); }

protected:
    void handOver(const QByteArray& bytes) override;

private:
    void deliver();

    int number_ = 1;
    bool in_ = true;
    LineClock line_;
    LineClock::Clock::time_point now_{std::chrono::hours(1)};
    QByteArray onLine_;  // handed over, not yet at the controller
    bool carrying_ = false;
    MessageDecoder controller_;  // what the controller makes of the bytes that reached it
    QMap<int, int> values_;
    MessageDecoder handed_;
    QStringList messages_;
};

}  // namespace rotaline::explorer
