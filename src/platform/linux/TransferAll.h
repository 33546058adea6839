#pragma once

#include <QtGlobal>
#include <cerrno>

namespace rotaline {

// Repeats a read-, write-, pread- or pwrite-like `step(done)` until `size` bytes are through,
// again after a signal: 0 or errno.
template <class Step>
int transferAll(qsizetype size, Step step) {
    qsizetype done = 0;
    while (done < size) {
        const auto n = step(done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        done += n;
    }
    return 0;
}

}  // namespace rotaline
