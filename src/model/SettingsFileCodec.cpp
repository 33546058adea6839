#include "model/SettingsFileCodec.h"

namespace rotaline {

namespace {

constexpr char FirstColumn = '0';
constexpr unsigned char ValueOffset = 32;
constexpr unsigned char FirstRejectedFlag = ';';

}  // namespace

std::optional<std::string> encodeSettingsFile(const ParameterBlock& block) {
    std::string bytes;
    bytes.reserve(SettingsFileSize);
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (block.value[slot] > MaxStoredValue) {
            return std::nullopt;
        }
        bytes += static_cast<char>(FirstColumn + slot);
        bytes += block.inUse[slot] ? static_cast<char>('1' + slot % 9) : '0';
        bytes += static_cast<char>(ValueOffset + block.value[slot]);
        bytes += "\r\n";
    }
    return bytes;
}

SettingsFault decodeSettingsLine(std::string_view line, SettingsLine& decoded) {
    if (line.size() < 2) {
        return SettingsFault::Damaged;
    }
    const auto flag = static_cast<unsigned char>(line[1]);
    if (flag != '0' && flag >= FirstRejectedFlag) {
        return SettingsFault::BadFlag;
    }
    if (line.size() < 3) {
        return SettingsFault::Damaged;
    }
    const auto value = static_cast<unsigned char>(line[2]);
    if (value < ValueOffset) {
        return SettingsFault::Damaged;
    }
    decoded.inUse = flag != '0';
    decoded.value = static_cast<std::uint8_t>(value - ValueOffset);
    return SettingsFault::None;
}

}  // namespace rotaline
