#include "platform/LineDrain.h"

#include <windows.h>

#include <algorithm>

namespace rotaline {

namespace {

constexpr long long SliceMilliseconds = 20;

HANDLE handleOf(qintptr handle) {
    return reinterpret_cast<HANDLE>(handle);
}

}  // namespace

// What the serial driver still holds.
int queuedBytes(qintptr handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handleOf(handle), &errors, &status) != 0
               ? static_cast<int>(status.cbOutQue)
               : 0;
}

// A pulled USB adapter's handle fails every call from then on.
bool lineHungUp(qintptr handle) {
    DWORD errors = 0;
    COMSTAT status{};
    return ClearCommError(handleOf(handle), &errors, &status) == 0;
}

// The driver's output queue is watched, a slice at a time, so that a released or given-up
// wait ends within a slice.
void LineDrain::wait() {
    for (;;) {
        const auto now = LineClock::Clock::now();
        if (givenUp_) {
            return;
        }
        if (lineHungUp(handle_)) {
            return end(Outcome::HungUp, line_.bytesLeft(now));
        }
        if (!line_.isBusy(now) && queuedBytes(handle_) == 0) {
            return end(Outcome::Idle, 0);
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(std::max<LineClock::Clock::duration>(
                line_.timeLeft(now), std::chrono::milliseconds(1)));
        Sleep(static_cast<DWORD>(std::min<long long>(left.count(), SliceMilliseconds)));
    }
}

void LineDrain::giveUp() {
    if (givenUp_.exchange(true)) {
        return;
    }
    end(Outcome::GivenUp, std::max(line_.bytesLeft(), queuedBytes(handle_)));
    PurgeComm(handleOf(handle_), PURGE_TXABORT | PURGE_TXCLEAR);
}

}  // namespace rotaline
