#pragma once

#include <string_view>

#include "window/Texts.h"

namespace rotaline {

// The hint over a parameter's controls says what it does (the parameter table gives that), then
// its factory default and its unit, taken from the texts the control shows, so that they always
// agree with the window. A caption over two lists shows both hints.

// The units the parameters' texts end in, by the symbol shown.
struct UnitName {
    std::string_view symbol;
    Bilingual name;
};

inline constexpr UnitName UnitNames[] = {
    {"°", {"degrees (°)", "度（°）"}},
    {"A", {"amperes (A)", "安培（A）"}},
    {"KHz", {"kilohertz (kHz)", "千赫（kHz）"}},
    {"V", {"volts per cell (V)", "伏特/节（V）"}},
    {"mS", {"milliseconds of throttle pulse (ms)", "毫秒，油门信号脉宽（ms）"}},
    {"%", {"percent of full power (%)", "满功率的百分比（%）"}},
    {"S", {"seconds (s)", "秒（s）"}},
};

namespace texts {
inline constexpr Bilingual FactoryDefaultHint{"Factory default: ", "出厂默认值："};
inline constexpr Bilingual UnitHint{"Unit: ", "单位："};
}  // namespace texts

}  // namespace rotaline
