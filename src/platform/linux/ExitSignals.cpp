#include "platform/ExitSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace rotaline {

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};
int wakeUp[2] = {-1, -1};
constexpr int Passed = 2;  // signals that arrive as `received`; the next one is fatal
volatile std::sig_atomic_t first = 0;
volatile std::sig_atomic_t count = 0;

void restoreDefaults() {
    for (const int signal : Handled) {
        std::signal(signal, SIG_DFL);
    }
}

extern "C" void onSignal(int signal) {
    if (count == Passed) {
        restoreDefaults();
        std::raise(signal);
        return;
    }
    count = count + 1;
    first = first == 0 ? signal : first;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t ignored = ::write(wakeUp[1], &byte, 1);
}

}  // namespace

ExitSignals::ExitSignals(QObject* parent) : QObject(parent) {
    first = 0;
    count = 0;
    if (::pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    notifier_ = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(wakeUp[0], &byte, 1) == 1) {
            emit received(static_cast<unsigned char>(byte));
        }
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled) {
        sigaction(signal, &action, nullptr);
    }
}

ExitSignals::~ExitSignals() {
    restoreDefaults();
    delete notifier_;
    for (int& fd : wakeUp) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

int ExitSignals::caught() {
    return first;
}

}  // namespace rotaline
