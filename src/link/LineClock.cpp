#include "link/LineClock.h"

#include <algorithm>

namespace rotaline {

void LineClock::handedOver(int bytes, Clock::time_point now) {
    if (!isBusy(now)) {
        idleAt_ = now;
        runBytes_ = 0;
    }
    idleAt_ += byteTime_ * bytes;
    runBytes_ += bytes;
}

int LineClock::bytesLeft(Clock::time_point now) const {
    if (!isBusy(now)) {
        return 0;
    }
    const auto left = (idleAt_ - now + byteTime_ - Clock::duration(1)) / byteTime_;
    return static_cast<int>(std::min<long long>(left, runBytes_));
}

LineClock::Clock::duration LineClock::timeLeft(Clock::time_point now) const {
    return isBusy(now) ? idleAt_ - now : Clock::duration::zero();
}

int LineClock::percentDone(Clock::time_point now) const {
    if (runBytes_ == 0) {
        return 100;
    }
    return 100 * (runBytes_ - bytesLeft(now)) / runBytes_;
}

std::chrono::system_clock::time_point LineClock::lastByteAt() const {
    const auto sinceIdle = idleAt_ - Clock::now();
    return std::chrono::system_clock::now() +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(sinceIdle);
}

}  // namespace rotaline
