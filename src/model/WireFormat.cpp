#include "model/WireFormat.h"

namespace rotaline {

std::optional<SendBuffer> parameterMessage(std::uint8_t address, std::uint8_t value) {
    if (value == 0xFF) {
        return std::nullopt;
    }
    return SendBuffer{address, static_cast<std::uint8_t>(value + 1)};
}

std::array<char16_t, 2> traceOf(const SendBuffer& message) {
    return {static_cast<char16_t>(message[0] - 80), static_cast<char16_t>(message[1] + 48)};
}

}  // namespace rotaline
