#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/EscCatalogue.h"
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

    constexpr int choiceCount() const {
        int count = 0;
        while (count < MaxChoices && !choices[count].empty()) {
            ++count;
        }
        return count;
    }
};

// Slot k is row k.
inline constexpr std::array<SlotInfo, SlotCount> SlotTable{{
    {0, WireEncoding::NotSent, ValueKind::PortPosition, "ComboCOM", "port", {}},
    {1, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {2, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {3, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {4,
     WireEncoding::ValuePlusOne,
     ValueKind::EscType,
     "SSTab1",
     "ESC type",
     {EscTypes[0].english, EscTypes[1].english, EscTypes[2].english, EscTypes[3].english}},
    {5,
     WireEncoding::ModelCode,
     ValueKind::ModelPosition,
     "ComboCTRmodel(0)",
     "airplane model",
     {}},
    {6,
     WireEncoding::ModelCode,
     ValueKind::ModelPosition,
     "ComboCTRmodel(1)",
     "helicopter model",
     {}},
    {7, WireEncoding::ModelCode, ValueKind::ModelPosition, "ComboCTRmodel(2)", "boat model", {}},
    {8, WireEncoding::ModelCode, ValueKind::ModelPosition, "ComboCTRmodel(3)", "car model", {}},
    {9,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionBrake",
     "brake type",
     {"OFF", "Extra Soft", "Soft", "Medium", "Hard", "Exrea Hard"}},
    {10,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionHeliMode",
     "helicopter mode",
     {"Constant RPM", "Normal"}},
    {11,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OpMotorPole",
     "motor poles",
     {"2-4", "6-10", "12-14"}},
    {12, WireEncoding::ValuePlusOne, ValueKind::OptionIndex, "OpReverse", "reverse", {"ON", "OFF"}},
    {13,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboCurentLimit",
     "current limit",
     {"20A", "30A", "40A", "50A", "60A", "70A", "80A", "90A", "100A", "No Limit"}},
    {14, WireEncoding::ValuePlusOne, ValueKind::ScrollValue, "HScrollTiming", "timing advance", {}},
    {15,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionFreqency",
     "frequency",
     {"8KHz", "16KHz", "32KHz"}},
    {16,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OpAcceleration",
     "acceleration",
     {"Soft", "Midium", "Hard"}},
    {17,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionBatType",
     "battery type",
     {"NiCd/NiMH ", "Li-ion/Poly "}},
    {18,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboPerCellNi",
     "cut-off per NiCd/NiMH cell",
     {"\u00d70.05", "0.4V", "0.5V", "0.6V", "0.7V", "0.8V", "0.9V", "1.0V"}},
    {19, WireEncoding::CellCode, ValueKind::ListPosition, "ComboNoOfCell", "number of cells", {}},
    {20,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboPerCellLi",
     "cut-off per lithium cell",
     {"2.0V", "2.1V", "2.2V", "2.3V", "2.4V", "2.5V", "2.6V", "2.7V", "2.8V", "2.9V", "3.0V",
      "3.1V", "3.2V"}},
    {21,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionCutOffType",
     "cut-off type",
     {"Slow Down", "Hard"}},
    {22,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboIniPoint",
     "initial point",
     {"Automatic", "Fixed 1.0mS", "Fixed 1.1mS", "Fixed 1.2mS", "Fixed 1.3mS", "Fixed 1.4mS",
      "Fixed 1.5mS"}},
    {23,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboEndPoint",
     "end point",
     {"Automatic", "Fixed 1.7mS", "Fixed 1.8mS", "Fixed 1.9mS", "Fixed 2.0mS"}},
    {24,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionThr",
     "throttle curve",
     {"Logarithmical", "linear", "Exponetial"}},
    {25,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionRotation",
     "rotation",
     {"Left", "Right"}},
    {26, WireEncoding::ValuePlusOne, ValueKind::OptionIndex, "OptionAbs", "ABS", {"ON", "OFF"}},
    {27,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboPowerLimitF",
     "forward power limit",
     {"OFF", "75%", "50%", "25%"}},
    {28,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboPowerLimitR",
     "reverse power limit",
     {"OFF", "75%", "50%", "25%"}},
    {29,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboDelay",
     "delay time",
     {"0.25 S", "0.50 S", "0.75 S", "1.0 S", "1.5 S", "2 S", "3 S", "5 S"}},
    {30,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboForPoint",
     "forward point",
     {"Automatic", "Fixed 1.7mS", "Fixed 1.8mS", "Fixed 1.9mS"}},
    {31,
     WireEncoding::ValuePlusOne,
     ValueKind::ListPosition,
     "ComboRevPoint",
     "reverse point",
     {"Automatic", "Fixed 1.0mS", "Fixed 1.1mS", "Fixed 1.2mS", "Fixed 1.3mS"}},
    {32, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {33,
     WireEncoding::ValuePlusOne,
     ValueKind::OptionIndex,
     "OptionTimMon",
     "timing monitor",
     {"ON", "OFF"}},
    {34, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {35, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {36, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {37, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {38, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {39, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
    {40, WireEncoding::NotSent, ValueKind::Unused, "", "unused", {}},
}};

constexpr const SlotInfo& slotInfo(int slot) {
    return SlotTable.at(static_cast<std::size_t>(slot));
}

// The slot the named control writes, or -1.
constexpr int slotOwnedBy(std::string_view owner) {
    for (const SlotInfo& info : SlotTable) {
        if (info.kind != ValueKind::Unused && info.owner == owner) {
            return info.slot;
        }
    }
    return -1;
}

inline constexpr int PortSlot = slotOwnedBy("ComboCOM");
inline constexpr int TypeSlot = slotOwnedBy("SSTab1");
// Port, type and models come first; the parameters follow.
inline constexpr int FirstParameterSlot = slotOwnedBy("OptionBrake");
inline constexpr int MotorPoleSlot = slotOwnedBy("OpMotorPole");
inline constexpr int CurrentLimitSlot = slotOwnedBy("ComboCurentLimit");
static_assert(PortSlot >= 0 && TypeSlot >= 0 && FirstParameterSlot >= 0 && MotorPoleSlot >= 0 &&
              CurrentLimitSlot >= 0);
static_assert(slotOwnedBy("ComboCTRmodel(0)") == modelSlotOf(0) &&
              slotOwnedBy("ComboCTRmodel(3)") == modelSlotOf(3));

}  // namespace rotaline
