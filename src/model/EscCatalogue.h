#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/Languages.h"

namespace rotaline {

inline constexpr int EscTypeCount = 4;
inline constexpr int MaxCells = 7;

struct EscType {
    int tab;
    std::string_view name;  // in English; the catalogues translate it under "Catalogue"
};

struct ControllerModel {
    int type;               // tab of its ESC type
    int index;              // position in the type's model list
    std::string_view name;  // in English; the catalogues translate it under "Catalogue"
    std::uint8_t code;      // sent at the type's model address in place of the position
    bool frequencyEnabled;
    bool currentLimitShown;
    std::array<std::string_view, MaxCells> cells;  // entries of the cell-count list
};

inline constexpr std::array<EscType, EscTypeCount> EscTypes{{
    {0, QT_TRANSLATE_NOOP("Catalogue", "Airplane")},
    {1, QT_TRANSLATE_NOOP("Catalogue", "Helicopter")},
    {2, QT_TRANSLATE_NOOP("Catalogue", "Boat")},
    {3, QT_TRANSLATE_NOOP("Catalogue", "Car")},
}};

inline constexpr std::array<ControllerModel, 7> ControllerModels{{
    {0,
     0,
     QT_TRANSLATE_NOOP("Catalogue", "<=30A for aireplane"),
     2,
     false,
     false,
     {"Auto", "2", "3"}},
    {0,
     1,
     QT_TRANSLATE_NOOP("Catalogue", ">=40A for aireplane"),
     5,
     true,
     false,
     {"2", "3", "4", "5"}},
    {1,
     0,
     QT_TRANSLATE_NOOP("Catalogue", "<=30A for helicopter"),
     0,
     false,
     false,
     {"Auto", "2", "3"}},
    {1,
     1,
     QT_TRANSLATE_NOOP("Catalogue", ">=40A for helicopter"),
     3,
     true,
     false,
     {"4", "5", "6", "7", "8", "9", "10"}},
    {2, 0, QT_TRANSLATE_NOOP("Catalogue", ">=40A for boat"), 2, true, false, {"2", "3", "4", "5"}},
    {3, 0, QT_TRANSLATE_NOOP("Catalogue", "30A for car"), 0, false, false, {"Auto", "2", "3"}},
    {3, 1, QT_TRANSLATE_NOOP("Catalogue", ">=50A for car"), 1, true, true, {"Auto", "2", "3"}},
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
