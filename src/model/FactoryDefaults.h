#pragma once

#include <array>
#include <string_view>

namespace rotaline {

enum class DefaultKind { Option, Entry, Scroll };

struct FactoryDefault {
    int step;
    std::string_view control;
    DefaultKind kind;
    int value;  // option index, entry position or scroll value
    int slot;
    bool explicitRun;  // run the control's handler again after setting it
};

// Applied in this order.
inline constexpr std::array<FactoryDefault, 24> FactoryDefaults{{
    {1, "OptionBrake", DefaultKind::Option, 0, 9, true},
    {2, "OptionHeliMode", DefaultKind::Option, 1, 10, true},
    {3, "OpMotorPole", DefaultKind::Option, 0, 11, true},
    {4, "OpReverse", DefaultKind::Option, 0, 12, true},
    {5, "ComboCurentLimit", DefaultKind::Entry, 0, 13, true},
    {6, "HScrollTiming", DefaultKind::Scroll, 0, 14, true},
    {7, "OptionFreqency", DefaultKind::Option, 0, 15, true},
    {8, "OpAcceleration", DefaultKind::Option, 0, 16, true},
    {9, "OptionBatType", DefaultKind::Option, 1, 17, true},
    {10, "ComboPerCellNi", DefaultKind::Entry, 6, 18, true},
    {11, "ComboNoOfCell", DefaultKind::Entry, 0, 19, true},
    {12, "ComboPerCellLi", DefaultKind::Entry, 7, 20, true},
    {13, "OptionCutOffType", DefaultKind::Option, 0, 21, true},
    {14, "ComboIniPoint", DefaultKind::Entry, 0, 22, true},
    {15, "ComboEndPoint", DefaultKind::Entry, 0, 23, true},
    {16, "OptionThr", DefaultKind::Option, 1, 24, true},
    {17, "OptionRotation", DefaultKind::Option, 0, 25, true},
    {18, "OptionAbs", DefaultKind::Option, 0, 26, true},
    {19, "ComboPowerLimitF", DefaultKind::Entry, 0, 27, true},
    {20, "ComboPowerLimitR", DefaultKind::Entry, 0, 28, true},
    {21, "ComboDelay", DefaultKind::Entry, 0, 29, true},
    {22, "ComboForPoint", DefaultKind::Entry, 0, 30, true},
    {23, "ComboRevPoint", DefaultKind::Entry, 0, 31, true},
    {24, "OptionTimMon", DefaultKind::Option, 0, 33, false},
}};

}  // namespace rotaline
