// A speed controller on a pseudo-terminal: prints every message the programmer sends.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/MessageDecoder.h"
#include "pty/PseudoTerminal.h"

namespace {

volatile std::sig_atomic_t stopping = 0;

void stop(int) {
    stopping = 1;
}

void usage(std::FILE* to) {
    std::fputs(
        "Usage: rotaline-virtual-controller [--reply TEXT]\n"
        "Opens a pseudo-terminal, prints its path and then every message received on it.\n"
        "  --reply TEXT  send TEXT back after every handshake\n",
        to);
}

}  // namespace

int main(int argc, char** argv) {
    std::string reply;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reply") == 0 && i + 1 < argc) {
            reply = argv[++i];
        } else {
            const bool help = std::strcmp(argv[i], "--help") == 0;
            usage(help ? stdout : stderr);
            return help ? 0 : 2;
        }
    }
    rotaline::PseudoTerminal terminal;
    if (!terminal.isOpen()) {
        std::fprintf(stderr, "No pseudo-terminal could be opened.\n");
        return 1;
    }
    std::signal(SIGINT, stop);
    std::signal(SIGTERM, stop);
    std::printf("Virtual controller on %s\n", terminal.slavePath().c_str());
    std::fflush(stdout);

    rotaline::MessageDecoder decoder;
    while (stopping == 0) {
        const std::string bytes = terminal.read(std::chrono::milliseconds(200));
        for (const rotaline::DecodedMessage& message : decoder.feed(bytes)) {
            std::printf("%s\n", message.text().c_str());
            if (message.kind == rotaline::DecodedMessage::Kind::Handshake && !reply.empty()) {
                terminal.write(reply);
            }
        }
        std::fflush(stdout);
    }
    return 0;
}
