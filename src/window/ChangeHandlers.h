#pragma once

#include <array>
#include <string_view>

namespace rotaline {

// Work a handler does beyond note, store and send.
enum class ExtraStep {
    None,
    TimingLabel,  // before the note: the degree label shows the new value
    BatteryType,  // before the note: swap the cut-off lists, enable the cell count
    CellCode,     // send the cell code of the entry text instead of the position
    MotorPole,    // after sending: the motor-pole group follows the helicopter mode
};

// The change handler of the control that writes `slot` (the slot table names it): its note is
// the captions of `prefix` (or the fixed text) joined, ": ", the choice text and CR LF; it
// stores into the slot and sends 128 + slot.
struct ChangeHandler {
    int slot;
    std::array<std::string_view, 2> prefix;
    std::string_view fixedPrefix;
    ExtraStep extra;
};

inline constexpr ChangeHandler ChangeHandlers[] = {
    {9, {"FrameBrake"}, {}, ExtraStep::None},
    {10, {"FrameHeMode"}, {}, ExtraStep::MotorPole},
    {11, {"FrameMotorPole"}, {}, ExtraStep::None},
    {12, {"FrameRev"}, {}, ExtraStep::None},
    {13, {"FrameCurrent"}, {}, ExtraStep::None},
    {14, {"FrameTiming"}, {}, ExtraStep::TimingLabel},
    {15, {"FrameFre"}, {}, ExtraStep::None},
    {16, {"FrameAcceleration"}, {}, ExtraStep::None},
    {17, {"FrameAccType"}, {}, ExtraStep::BatteryType},
    {18, {"OptionBatType(0)", "LabelCut"}, {}, ExtraStep::None},
    {19, {"LabelNumCell"}, {}, ExtraStep::CellCode},
    {20, {"OptionBatType(1)", "LabelCut"}, {}, ExtraStep::None},
    {21, {"FrameCutType"}, {}, ExtraStep::None},
    {22, {"LabelIniPoint"}, {}, ExtraStep::None},
    {23, {"LabelEndPoint"}, {}, ExtraStep::None},
    {24, {"FrameThCurve"}, {}, ExtraStep::None},
    {25, {"FrameRot"}, {}, ExtraStep::None},
    {26, {}, "ABS  ", ExtraStep::None},
    {27, {"LabelFor", "FramePower"}, {}, ExtraStep::None},
    {28, {"LabelRev", "FramePower"}, {}, ExtraStep::None},
    {29, {"Frame1Delay"}, {}, ExtraStep::None},
    {30, {"LabelForPoint"}, {}, ExtraStep::None},
    {31, {"LabelRevPoint"}, {}, ExtraStep::None},
    {33, {"FrameTimingMon"}, {}, ExtraStep::None},
};

// The handler of the control that writes `slot`, or nullptr.
constexpr const ChangeHandler* findChangeHandler(int slot) {
    for (const ChangeHandler& handler : ChangeHandlers) {
        if (handler.slot == slot) {
            return &handler;
        }
    }
    return nullptr;
}

}  // namespace rotaline
