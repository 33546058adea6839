#pragma once

#include <chrono>

namespace rotaline {

// When the bytes handed to the adapter will have left the line: at 300 baud with even parity,
// 8 data bits and a stop bit (and the start bit) a byte takes 11/300 s. A run is what was
// handed over since the line was last idle. The line counts as idle one byte's time after the
// last byte has left, a margin for the adapter's own timing.
class LineClock {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int BitsPerByte = 11;

    explicit LineClock(int baud = 300)
        : byteTime_(std::chrono::microseconds(BitsPerByte * 1000000LL / baud)) {}

    void handedOver(int bytes, Clock::time_point now = Clock::now());

    Clock::time_point idleAt() const { return lastByteLeaves_ + byteTime_; }
    bool isBusy(Clock::time_point now = Clock::now()) const { return now < idleAt(); }
    int bytesLeft(Clock::time_point now = Clock::now()) const;
    Clock::duration timeLeft(Clock::time_point now = Clock::now()) const;
    // Of the current run: how many bytes, and how much of it has left, 0..100.
    int runBytes() const { return runBytes_; }
    int percentDone(Clock::time_point now = Clock::now()) const;
    // When the last byte left (or will leave), in wall-clock time for the user.
    std::chrono::system_clock::time_point lastByteAt(Clock::time_point now = Clock::now()) const;
    Clock::duration timeFor(int bytes) const { return byteTime_ * bytes; }

private:
    Clock::duration byteTime_;
    Clock::time_point lastByteLeaves_{};
    int runBytes_ = 0;
};

}  // namespace rotaline
