#pragma once

#include <chrono>
#include <string>

namespace rotaline {

// A pseudo-terminal whose master end we hold: the slave path stands in for a serial adapter.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return master_ >= 0; }
    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }

    // Bytes that have arrived, waiting at most `timeout` for the first and then until the
    // line stays quiet for `quiet`.
    std::string read(std::chrono::milliseconds timeout,
                     std::chrono::milliseconds quiet = std::chrono::milliseconds(50));
    bool write(const std::string& bytes);

    // Line settings the slave is set to now.
    int baud() const;
    int dataBits() const;

    // The adapter is pulled: the slave end stops working.
    void closeMaster();

private:
    int master_ = -1;
    int slave_ = -1;  // held so the slave's settings can be read while nobody has it open
    std::string slavePath_;
};

}  // namespace rotaline
