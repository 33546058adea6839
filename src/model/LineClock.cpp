#include "model/LineClock.h"

#include <algorithm>

namespace rotaline {

void LineClock::handedOver(int bytes, Clock::time_point now) {
    if (!isBusy(now)) {
        runBytes_ = 0;
    }
    lastByteLeaves_ = std::max(lastByteLeaves_, now) + byteTime_ * bytes;
    runBytes_ += bytes;
}

int LineClock::bytesLeft(Clock::time_point now) const {
    if (now >= lastByteLeaves_) {
        return 0;
    }
    const auto left = (lastByteLeaves_ - now + byteTime_ - Clock::duration(1)) / byteTime_;
    return static_cast<int>(std::min<long long>(left, runBytes_));
}

LineClock::Clock::duration LineClock::timeLeft(Clock::time_point now) const {
    return isBusy(now) ? idleAt() - now : Clock::duration::zero();
}

int LineClock::percentDone(Clock::time_point now) const {
    if (runBytes_ == 0) {
        return 100;
    }
    return 100 * (runBytes_ - bytesLeft(now)) / runBytes_;
}

std::chrono::system_clock::time_point LineClock::lastByteAt(Clock::time_point now) const {
    const auto sinceIdle = lastByteLeaves_ - now;
    return std::chrono::system_clock::now() +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(sinceIdle);
}

}  // namespace rotaline
