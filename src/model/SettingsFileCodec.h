#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ParameterBlock.h"

namespace rotaline {

// A settings file: 41 lines, one a slot, each three bytes and CR LF. Byte 1 is "0" + slot,
// byte 2 the in-use flag ("0" or the digit (slot mod 9) + 1), byte 3 the value + 32.
inline constexpr int SettingsLineCount = SlotCount;
inline constexpr int SettingsFileSize = SettingsLineCount * 5;
inline constexpr int MaxStoredValue = 223;  // 32 + value must fit a byte

// Nothing when a value above 223 cannot be written.
std::optional<std::string> encodeSettingsFile(const ParameterBlock& block);

enum class SettingsFault {
    None,
    BadFlag,  // a flag byte of ";" or above
    Damaged,  // too few lines, a short line, a value byte below 32, a value no control has
};

struct SettingsLine {
    bool inUse = false;
    std::uint8_t value = 0;
};

// Reads a line's first three bytes (terminator already removed), the flag before the value.
SettingsFault decodeSettingsLine(std::string_view line, SettingsLine& decoded);

}  // namespace rotaline
