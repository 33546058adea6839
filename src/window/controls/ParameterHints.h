#pragma once

#include <string_view>

#include "window/controls/ControlSet.h"
#include "window/texts/Texts.h"

namespace rotaline {

// The hint over a parameter's controls says what it does (the parameter table gives that), then
// its factory default and its unit, taken from the texts the control shows, so that they always
// agree with the window (the cell count's, with the model's list). A caption over two lists
// shows both hints.

// The units the parameters' texts end in, by the symbol shown.
struct UnitName {
    std::string_view symbol;
    const char* name;
};

inline constexpr UnitName UnitNames[] = {
    {"°", QT_TRANSLATE_NOOP("ParameterHints", "degrees (°)")},
    {"A", QT_TRANSLATE_NOOP("ParameterHints", "amperes (A)")},
    {"KHz", QT_TRANSLATE_NOOP("ParameterHints", "kilohertz (kHz)")},
    {"V", QT_TRANSLATE_NOOP("ParameterHints", "volts per cell (V)")},
    {"mS", QT_TRANSLATE_NOOP("ParameterHints", "milliseconds of throttle pulse (ms)")},
    {"%", QT_TRANSLATE_NOOP("ParameterHints", "percent of full power (%)")},
    {"S", QT_TRANSLATE_NOOP("ParameterHints", "seconds (s)")},
};

namespace texts {
inline constexpr TextContext Hints{"ParameterHints"};
inline constexpr const char* FactoryDefaultHint =
    QT_TRANSLATE_NOOP("ParameterHints", "Factory default: ");
inline constexpr const char* NoNumberHint = QT_TRANSLATE_NOOP(
    "ParameterHints", "Factory default: no number (the controller counts the cells itself)");
inline constexpr const char* UnitHint = QT_TRANSLATE_NOOP("ParameterHints", "Unit: ");
}  // namespace texts

// Sets the hint of every parameter's controls and captions, in `language`.
void showParameterHints(const ControlSet& set, const Language& language);

}  // namespace rotaline
