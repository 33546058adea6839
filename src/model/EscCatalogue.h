#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace rotaline {

inline constexpr int EscTypeCount = 4;
inline constexpr int MaxCells = 7;

struct EscType {
    int tab;
    std::string_view english;
    std::string_view chinese;
};

struct ControllerModel {
    int type;   // tab of its ESC type
    int index;  // position in the type's model list
    std::string_view english;
    std::string_view chinese;
    std::uint8_t code;  // sent at the type's model address in place of the position
    bool frequencyEnabled;
    bool currentLimitShown;
    std::array<std::string_view, MaxCells> cells;  // entries of the cell-count list
};

inline constexpr std::array<EscType, EscTypeCount> EscTypes{{
    {0, "Airplane", "固定翼飞机"},
    {1, "Helicopter", "直升飞机"},
    {2, "Boat", "船用"},
    {3, "Car", "车用"},
}};

inline constexpr std::array<ControllerModel, 7> ControllerModels{{
    {0, 0, "<=30A for aireplane", "<=30A固定翼飞机用", 2, false, false, {"Auto", "2", "3"}},
    {0, 1, ">=40A for aireplane", ">=40A固定翼飞机用", 5, true, false, {"2", "3", "4", "5"}},
    {1, 0, "<=30A for helicopter", "<=30A直升飞机用", 0, false, false, {"Auto", "2", "3"}},
    {1,
     1,
     ">=40A for helicopter",
     ">=40A直升飞机用",
     3,
     true,
     false,
     {"4", "5", "6", "7", "8", "9", "10"}},
    {2, 0, ">=40A for boat", ">=40A船用", 2, true, false, {"2", "3", "4", "5"}},
    {3, 0, "30A for car", "30A车用", 0, false, false, {"Auto", "2", "3"}},
    {3, 1, ">=50A for car", ">=50A车用", 1, true, true, {"Auto", "2", "3"}},
}};

// The cell-count list before any model is chosen.
inline constexpr std::array<std::string_view, 3> InitialCells{"Auto", "2", "3"};

// The model at position `index` of the type's list, or nullptr where there is none.
const ControllerModel* findModel(int type, int index);
constexpr int modelSlotOf(int type) {
    return 5 + type;
}

// Value sent for a cell-count entry: its first character's code minus that of "1" as a byte,
// 0 becoming 9 and anything above 9 becoming 0 ("Auto" 0, "2" 1, "10" 9).
std::uint8_t cellCode(std::string_view entryText);

}  // namespace rotaline
