#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

#include "platform/LineDrain.h"
#include "platform/SystemCalls.h"

namespace rotaline {

int queuedBytes(qintptr handle) {
    int queued = 0;
    return ::ioctl(static_cast<int>(handle), TIOCOUTQ, &queued) == 0 ? queued : 0;
}

bool lineHungUp(qintptr handle) {
    pollfd state{static_cast<int>(handle), 0, 0};
    return ::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// A hang-up ends the pause at once.
void system::pauseOnLine(qintptr handle, int milliseconds) {
    pollfd state{static_cast<int>(handle), 0, 0};
    ::poll(&state, 1, milliseconds);
}

void system::dropQueued(qintptr handle) {
    ::tcflush(static_cast<int>(handle), TCOFLUSH);
}

}  // namespace rotaline
