#include "pty/PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <climits>

namespace rotaline {

namespace {

int baudOf(speed_t speed) {
    switch (speed) {
        case B300:
            return 300;
        case B1200:
            return 1200;
        case B9600:
            return 9600;
        case B38400:
            return 38400;
        case B115200:
            return 115200;
        default:
            return -1;
    }
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
    std::array<char, PATH_MAX> name{};
    if (openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    // Programs started from here get neither end.
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(slave_, F_SETFD, FD_CLOEXEC);
    termios raw{};
    tcgetattr(slave_, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
    slavePath_ = name.data();
}

PseudoTerminal::~PseudoTerminal() {
    closeMaster();
    if (slave_ >= 0) {
        ::close(slave_);
    }
}

std::string PseudoTerminal::read(std::chrono::milliseconds timeout,
                                 std::chrono::milliseconds quiet) {
    std::string bytes;
    pollfd fd{master_, POLLIN, 0};
    int wait = static_cast<int>(timeout.count());
    while (master_ >= 0 && poll(&fd, 1, wait) > 0 && (fd.revents & POLLIN) != 0) {
        std::array<char, 4096> chunk{};
        const ssize_t count = ::read(master_, chunk.data(), chunk.size());
        if (count <= 0) {
            break;
        }
        bytes.append(chunk.data(), static_cast<size_t>(count));
        wait = static_cast<int>(quiet.count());
    }
    return bytes;
}

bool PseudoTerminal::write(const std::string& bytes) {
    return master_ >= 0 &&
           ::write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

int PseudoTerminal::baud() const {
    termios settings{};
    return tcgetattr(slave_, &settings) == 0 ? baudOf(cfgetospeed(&settings)) : -1;
}

int PseudoTerminal::dataBits() const {
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) {
        return -1;
    }
    switch (settings.c_cflag & CSIZE) {
        case CS5:
            return 5;
        case CS6:
            return 6;
        case CS7:
            return 7;
        default:
            return 8;
    }
}

void PseudoTerminal::closeMaster() {
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
}

}  // namespace rotaline
