// Loaded with LD_PRELOAD, makes the pseudo-terminal named by ROTALINE_LINE_DEVICE behave like a
// real UART at its set speed: a write returns at once and each byte then takes 11 bit times on
// the line (8E1 with its start bit); tcdrain, the TCSADRAIN/TCSAFLUSH waits and the last close
// wait until the line is idle, as the kernel's closing wait does; tcflush of the output ends the
// wait and drops what is left. A tcsetattr that changes the speed while bytes are still on the
// line garbles them. TIOCOUTQ counts the bytes the kernel still holds.
// With ROTALINE_LINE_ADAPTER_BYTES=N the adapter keeps the last N bytes in its own chip, out of
// the kernel's sight: the waits return, and TIOCOUTQ says nothing is left, while N bytes are
// still leaving. So do the Linux 6.x drivers of CH340/CH341 (ch341), PL2303 (pl2303) and
// CDC-ACM (cdc_acm) adapters, which cannot ask the chip what it still holds; 16550 UARTs, FTDI
// (ftdi_sio) and CP210x (cp210x) adapters are exact, as the model is without N.
// With ROTALINE_LINE_STUCK set the adapter takes nothing: the line stays busy, and TIOCOUTQ
// counts every byte, until its output is flushed. What it sees goes to the file named by
// ROTALINE_LINE_LOG, a line each:
//   garbled N          N bytes were on the line when its speed changed
//   flushed N          N bytes still to go on the line were thrown away
//   wait MS main|other a call found the line busy and waited MS milliseconds for it, on the
//                      main thread or not
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <set>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

std::mutex lock;
std::condition_variable lineIdle;
std::set<int> descriptors;            // open descriptors of the modelled device
std::deque<Clock::time_point> bytes;  // when each byte handed over leaves the line

template <class F>
F real(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// Straight to the kernel, so that the log never comes back through these functions.
void note(const char* format, long value, const char* extra = "") {
    const char* path = std::getenv("ROTALINE_LINE_LOG");
    char line[256];
    const int size = std::min(std::snprintf(line, sizeof line, format, value, extra),
                              static_cast<int>(sizeof line) - 1);
    if (path == nullptr || size <= 0) {
        return;
    }
    const long fd =
        syscall(SYS_openat, AT_FDCWD, path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        syscall(SYS_write, fd, line, static_cast<size_t>(size));
        syscall(SYS_close, fd);
    }
}

Clock::duration byteTime(int fd) {
    termios now{};
    tcgetattr(fd, &now);
    long baud = 38400;
    for (const auto& [code, rate] :
         {std::pair{speed_t{B300}, 300L}, {B1200, 1200L}, {B9600, 9600L}, {B115200, 115200L}}) {
        baud = cfgetospeed(&now) == code ? rate : baud;
    }
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(11.0 / baud));
}

// How many bytes the adapter keeps out of the kernel's sight.
std::size_t hiddenInAdapter() {
    const char* bytes = std::getenv("ROTALINE_LINE_ADAPTER_BYTES");
    return bytes == nullptr ? 0 : std::strtoul(bytes, nullptr, 10);
}

// When the kernel has handed its last byte on: what is left then is in the adapter's chip.
Clock::time_point kernelEmptyAt() {
    const std::size_t hidden = hiddenInAdapter();
    return bytes.size() > hidden ? bytes[bytes.size() - 1 - hidden] : Clock::time_point{};
}

bool isStuck() {
    return std::getenv("ROTALINE_LINE_STUCK") != nullptr;
}

// A stuck adapter leaves every byte in the kernel's queue, as ch341 and ftdi_sio do with the
// flow control held off.
void dropLeft(Clock::time_point now) {
    while (!isStuck() && !bytes.empty() && bytes.front() <= now) {
        bytes.pop_front();
    }
}

bool hungUp(int fd) {
    pollfd state{fd, 0, 0};
    return poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

// A hung-up line takes nothing more: the kernel throws away what it held.
void forgetIfHungUp(int fd) {
    if (hungUp(fd)) {
        bytes.clear();
    }
}

// Waits, with the lock held, until the kernel has handed every byte on, the output was flushed
// or the adapter is gone (a hung-up line takes nothing more).
void waitForIdle(std::unique_lock<std::mutex>& held, int fd) {
    const Clock::time_point start = Clock::now();
    const auto busy = [fd] {
        return !bytes.empty() && (isStuck() || Clock::now() < kernelEmptyAt()) && !hungUp(fd);
    };
    const bool waits = busy();
    while (busy()) {
        lineIdle.wait_for(held, std::chrono::milliseconds(20));
    }
    forgetIfHungUp(fd);
    dropLeft(Clock::now());
    const long waited =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    if (waits) {
        const bool main = syscall(SYS_gettid) == getpid();
        note("wait %ld %s\n", waited, main ? "main" : "other");
    }
}

// Every device opened is logged, so that tests see that nothing nobody chose is touched.
int track(const char* path, int fd) {
    if (std::strncmp(path, "/dev/", 5) == 0) {
        note("open %ld %s\n", fd, path);
    }
    const char* device = std::getenv("ROTALINE_LINE_DEVICE");
    if (fd >= 0 && device != nullptr && std::strcmp(path, device) == 0) {
        const std::lock_guard<std::mutex> held(lock);
        descriptors.insert(fd);
    }
    return fd;
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = va_arg(arguments, mode_t);
    va_end(arguments);
    return track(path, real<int (*)(const char*, int, ...)>("open")(path, flags, mode));
}

int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = va_arg(arguments, mode_t);
    va_end(arguments);
    return track(path, real<int (*)(const char*, int, ...)>("open64")(path, flags, mode));
}

ssize_t write(int fd, const void* data, size_t size) {
    const ssize_t written = real<ssize_t (*)(int, const void*, size_t)>("write")(fd, data, size);
    const std::lock_guard<std::mutex> held(lock);
    if (written > 0 && descriptors.count(fd) > 0) {
        const Clock::duration each = byteTime(fd);
        Clock::time_point leaves =
            std::max(Clock::now(), bytes.empty() ? Clock::now() : bytes.back());
        for (ssize_t i = 0; i < written; ++i) {
            leaves += each;
            bytes.push_back(leaves);
        }
    }
    return written;
}

int tcdrain(int fd) {
    {
        std::unique_lock<std::mutex> held(lock);
        if (descriptors.count(fd) > 0) {
            waitForIdle(held, fd);
        }
    }
    return real<int (*)(int)>("tcdrain")(fd);
}

int tcflush(int fd, int queue) {
    {
        const std::lock_guard<std::mutex> held(lock);
        if (descriptors.count(fd) > 0 && queue != TCIFLUSH) {
            dropLeft(Clock::now());
            if (!bytes.empty()) {
                note("flushed %ld%s\n", static_cast<long>(bytes.size()));
            }
            bytes.clear();
            lineIdle.notify_all();
        }
    }
    return real<int (*)(int, int)>("tcflush")(fd, queue);
}

int ioctl(int fd, unsigned long request, ...) {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    {
        const std::lock_guard<std::mutex> held(lock);
        if (request == TIOCOUTQ && descriptors.count(fd) > 0) {
            dropLeft(Clock::now());
            *static_cast<int*>(argument) =
                static_cast<int>(bytes.size() - std::min(bytes.size(), hiddenInAdapter()));
            return 0;
        }
    }
    return real<int (*)(int, unsigned long, void*)>("ioctl")(fd, request, argument);
}

int tcsetattr(int fd, int when, const termios* settings) {
    {
        std::unique_lock<std::mutex> held(lock);
        if (descriptors.count(fd) > 0) {
            if (when != TCSANOW) {
                waitForIdle(held, fd);
            }
            termios now{};
            tcgetattr(fd, &now);
            forgetIfHungUp(fd);
            dropLeft(Clock::now());
            if (cfgetospeed(&now) != cfgetospeed(settings) && !bytes.empty()) {
                note("garbled %ld%s\n", static_cast<long>(bytes.size()));
                bytes.clear();
            }
        }
    }
    return real<int (*)(int, int, const termios*)>("tcsetattr")(fd, when, settings);
}

int close(int fd) {
    {
        std::unique_lock<std::mutex> held(lock);
        if (descriptors.count(fd) > 0) {
            descriptors.erase(fd);
            if (descriptors.empty()) {
                waitForIdle(held, fd);
            }
        }
    }
    return real<int (*)(int)>("close")(fd);
}

}  // extern "C"
