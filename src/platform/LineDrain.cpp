#include "platform/LineDrain.h"

#include <algorithm>

#include "platform/SystemCalls.h"

namespace rotaline {

namespace {

constexpr int SliceMilliseconds = 20;

}  // namespace

// The system's queue is watched, a slice at a time, rather than waited for with the system's
// own drain, which nothing but a flush of that very port ends: a released or given-up wait
// then ends within a slice. On a hang-up the system throws away what it held.
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
        system::pauseOnLine(handle_,
                            static_cast<int>(std::min<long long>(left.count(), SliceMilliseconds)));
    }
}

void LineDrain::giveUp() {
    if (givenUp_.exchange(true)) {
        return;
    }
    end(Outcome::GivenUp, std::max(line_.bytesLeft(), queuedBytes(handle_)));
    system::dropQueued(handle_);
}

}  // namespace rotaline
