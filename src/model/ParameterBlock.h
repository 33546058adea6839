#pragma once

#include <array>
#include <cstdint>

namespace rotaline {

inline constexpr int SlotCount = 41;

// Two bytes handed to the port as one write: address then value byte, or a handshake.
using SendBuffer = std::array<std::uint8_t, 2>;

// The controller's settings, one byte a slot, and which slots mean something for the
// current controller type and model.
struct ParameterBlock {
    std::array<std::uint8_t, SlotCount> value{};
    std::array<bool, SlotCount> inUse{};

    // Every slot holds its start-up value (0 but for the parameters that start at another);
    // slots 0..2 are not in use, 3..40 are.
    static ParameterBlock atStartUp();

    bool operator==(const ParameterBlock& other) const {
        return value == other.value && inUse == other.inUse;
    }
    bool operator!=(const ParameterBlock& other) const { return !(*this == other); }
};

// Form-wide switches read by every handler.
struct SharedFlags {
    bool suppress = false;  // handlers store, note and send nothing while set
    bool chinese = false;   // language of every message, note and refilled list
};

}  // namespace rotaline
