#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/EscCatalogue.h"
#include "model/ParameterBlock.h"
#include "model/ParameterTable.h"

namespace rotaline {

struct SlotInfo {
    int slot = 0;
    WireEncoding encoding = WireEncoding::NotSent;
    ValueKind kind = ValueKind::Unused;
    std::string_view owner;  // the control (or procedure) that writes the slot
    std::string_view role = "unused";
    std::string_view choices;  // meaning of value 0, 1, ... where fixed: "a|b|c"

    constexpr int choiceCount() const { return itemCount(choices); }
    constexpr std::string_view choice(int value) const { return itemAt(choices, value); }
};

inline constexpr int PortSlot = 0;
inline constexpr int TypeSlot = 4;

inline constexpr std::array<std::string_view, EscTypeCount> ModelListNames{
    "ComboCTRmodel(0)", "ComboCTRmodel(1)", "ComboCTRmodel(2)", "ComboCTRmodel(3)"};
inline constexpr std::array<std::string_view, EscTypeCount> ModelRoles{
    "airplane model", "helicopter model", "boat model", "car model"};

namespace detail {

constexpr std::array<SlotInfo, SlotCount> makeSlotTable() {
    std::array<SlotInfo, SlotCount> table{};
    for (int slot = 0; slot < SlotCount; ++slot) {
        table[slot].slot = slot;
    }
    table[PortSlot] = {PortSlot, WireEncoding::NotSent, ValueKind::PortPosition, "ComboCOM", "port",
                       {}};
    table[TypeSlot] = {TypeSlot,   WireEncoding::ValuePlusOne,    ValueKind::EscType, "SSTab1",
                       "ESC type", "Airplane|Helicopter|Boat|Car"};
    for (int type = 0; type < EscTypeCount; ++type) {
        table[modelSlotOf(type)] = {modelSlotOf(type),        WireEncoding::ModelCode,
                                    ValueKind::ModelPosition, ModelListNames[type],
                                    ModelRoles[type],         {}};
    }
    for (const Parameter& parameter : Parameters) {
        table[parameter.slot] = {parameter.slot,    parameter.encoding, parameter.kind,
                                 parameter.control, parameter.role,     parameter.items};
    }
    return table;
}

}  // namespace detail

// Slot k is row k.
inline constexpr std::array<SlotInfo, SlotCount> SlotTable = detail::makeSlotTable();

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

// Port, type and models come first; the parameters follow.
inline constexpr int FirstParameterSlot = [] {
    int first = SlotCount;
    for (const Parameter& parameter : Parameters) {
        first = parameter.slot < first ? parameter.slot : first;
    }
    return first;
}();

}  // namespace rotaline
