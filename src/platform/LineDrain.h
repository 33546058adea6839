#pragma once

#include <QtGlobal>
#include <atomic>

#include "model/LineClock.h"

namespace rotaline {

// Whether the line behind `handle` (a descriptor, or a Windows handle) has hung up: a pulled
// adapter, a closed pseudo-terminal.
bool lineHungUp(qintptr handle);
// The bytes the system still holds for the line behind `handle`, without waiting; none when
// the device is gone.
int queuedBytes(qintptr handle);

// The wait of a closed port for its line, run on a worker thread: the kernel must have sent
// its queue (TIOCOUTQ) and the line clock must say the last byte has left. The kernel alone is
// exact for 16550 UARTs, FTDI and CP210x adapters; the Linux drivers of CH340/CH341, PL2303 and
// CDC-ACM adapters cannot see the chip's own buffer and report it empty while it still holds bytes.
class LineDrain {
public:
    enum class Outcome { Waiting, Idle, HungUp, GivenUp };

    LineDrain(qintptr handle, const LineClock& line) : handle_(handle), line_(line) {}

    void wait();
    // From any thread: drops what is left and ends the wait.
    void giveUp();
    // From any thread: ends the wait and leaves the descriptor alone from then on, for a port
    // that was taken back and may be closed, and its number reused, before the wait returns.
    void release() { givenUp_ = true; }

    Outcome outcome() const { return outcome_; }
    // What had not left when the line hung up or was given up.
    int unsentBytes() const { return unsent_; }
    const LineClock& line() const { return line_; }

private:
    void end(Outcome outcome, int unsent) {
        Outcome waiting = Outcome::Waiting;
        if (outcome_.compare_exchange_strong(waiting, outcome)) {
            unsent_ = unsent;
        }
    }

    qintptr handle_;
    LineClock line_;
    std::atomic<bool> givenUp_{false};
    std::atomic<Outcome> outcome_{Outcome::Waiting};
    std::atomic<int> unsent_{0};
};

}  // namespace rotaline
