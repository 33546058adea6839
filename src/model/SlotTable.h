#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/ParameterBlock.h"

namespace rotaline {

// How a slot's stored value travels to the controller.
enum class WireEncoding {
    NotSent,       // stored (and saved) only
    ValuePlusOne,  // [address, value + 1]
    ModelCode,     // [address, code of the chosen model + 1]
    CellCode,      // [address, cell code of the chosen entry text + 1]
};

// What the stored value is.
enum class ValueKind {
    Unused,         // no control writes it
    PortPosition,   // position in the port list
    EscType,        // selected tab
    ModelPosition,  // position in the type's model list
    OptionIndex,    // index of the chosen option button
    ListPosition,   // position of the chosen list entry
    ScrollValue,    // scroll bar position (degrees)
};

inline constexpr int MaxChoices = 13;

struct SlotInfo {
    int slot;
    WireEncoding encoding;
    ValueKind kind;
    std::string_view owner;  // the control (or procedure) that writes the slot
    std::string_view role;
    std::array<std::string_view, MaxChoices> choices;  // meaning of value 0, 1, ... where fixed

    int choiceCount() const;
};

const std::array<SlotInfo, SlotCount>& slotTable();
const SlotInfo& slotInfo(int slot);

}  // namespace rotaline
