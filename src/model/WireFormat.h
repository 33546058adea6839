#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/ParameterBlock.h"

namespace rotaline {

inline constexpr SendBuffer HandshakeMessage{0xAA, 0x55};
inline constexpr std::uint8_t FirstAddress = 128;
inline constexpr std::uint8_t ModelResetValue = 20;  // sent to every model slot on a type change

constexpr std::uint8_t addressOf(int slot) {
    return static_cast<std::uint8_t>(FirstAddress + slot);
}
constexpr int slotOf(std::uint8_t address) {
    return address - FirstAddress;
}

// [address, value + 1]; a value of 255 has no wire byte.
std::optional<SendBuffer> parameterMessage(std::uint8_t address, std::uint8_t value);

// The two characters the trace box records for a parameter message:
// address - 80, then wire value + 48 ("94" for slot 9 value 3).
std::array<char16_t, 2> traceOf(const SendBuffer& message);

inline constexpr const char* HandshakeTrace = "AA55";

// Line settings in the "baud,parity,data,stop" notation.
inline constexpr const char* LineSettings = "300,e,8,1";

}  // namespace rotaline
