#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace rotaline {

// Work a handler does beyond note, store and send.
enum class ExtraStep {
    None,
    TimingLabel,  // before the note: the degree label shows the new value
    BatteryType,  // before the note: swap the cut-off lists, enable the cell count
    CellCode,     // send the cell code of the entry text instead of the position
    MotorPole,    // after sending: the motor-pole group follows the helicopter mode
};

// One parameter control's change handler: its note is the captions of `prefix` (or the fixed
// text) joined, ": ", the choice text and CR LF; it stores into `slot` and sends 128 + slot.
struct ChangeHandler {
    std::string_view control;
    std::array<std::string_view, 2> prefix;
    std::string_view fixedPrefix;
    int slot;
    ExtraStep extra;
};

const std::vector<ChangeHandler>& changeHandlers();
const ChangeHandler* findChangeHandler(std::string_view control);

}  // namespace rotaline
