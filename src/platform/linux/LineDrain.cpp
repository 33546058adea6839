#include "platform/LineDrain.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <algorithm>

namespace rotaline {

namespace {

constexpr int SliceMilliseconds = 20;

}  // namespace

int queuedBytes(qintptr handle) {
    int queued = 0;
    return ::ioctl(static_cast<int>(handle), TIOCOUTQ, &queued) == 0 ? queued : 0;
}

bool lineHungUp(qintptr handle) {
    pollfd state{static_cast<int>(handle), 0, 0};
    return ::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// The kernel's queue is watched rather than waited for with tcdrain, which nothing but a flush
// of that very descriptor ends: a released or given-up wait then ends within a slice. On a
// hang-up the kernel throws away what it held.
void LineDrain::wait() {
    const int fd = static_cast<int>(handle_);
    for (;;) {
        const auto now = LineClock::Clock::now();
        if (givenUp_) {
            return;
        }
        if (lineHungUp(fd)) {
            return end(Outcome::HungUp, line_.bytesLeft(now));
        }
        if (!line_.isBusy(now) && queuedBytes(fd) == 0) {
            return end(Outcome::Idle, 0);
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(std::max<LineClock::Clock::duration>(
                line_.timeLeft(now), std::chrono::milliseconds(1)));
        pollfd state{fd, 0, 0};
        ::poll(&state, 1, static_cast<int>(std::min<long long>(left.count(), SliceMilliseconds)));
    }
}

void LineDrain::giveUp() {
    if (givenUp_.exchange(true)) {
        return;
    }
    const int fd = static_cast<int>(handle_);
    end(Outcome::GivenUp, std::max(line_.bytesLeft(), queuedBytes(fd)));
    ::tcflush(fd, TCOFLUSH);
}

}  // namespace rotaline
