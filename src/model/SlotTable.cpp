#include "model/SlotTable.h"

namespace rotaline {

namespace {

using E = WireEncoding;
using K = ValueKind;

constexpr std::array<SlotInfo, SlotCount> Slots{{
    {0, E::NotSent, K::PortPosition, "ComboCOM", "port", {}},
    {1, E::NotSent, K::Unused, "", "unused", {}},
    {2, E::NotSent, K::Unused, "", "unused", {}},
    {3, E::NotSent, K::Unused, "", "unused", {}},
    {4, E::ValuePlusOne, K::EscType, "SSTab1", "ESC type", {"Airplane", "Helicopter", "Boat", "Car"}},
    {5, E::ModelCode, K::ModelPosition, "ComboCTRmodel(0)", "airplane model", {}},
    {6, E::ModelCode, K::ModelPosition, "ComboCTRmodel(1)", "helicopter model", {}},
    {7, E::ModelCode, K::ModelPosition, "ComboCTRmodel(2)", "boat model", {}},
    {8, E::ModelCode, K::ModelPosition, "ComboCTRmodel(3)", "car model", {}},
    {9,
     E::ValuePlusOne,
     K::OptionIndex,
     "OptionBrake",
     "brake type",
     {"OFF", "Extra Soft", "Soft", "Medium", "Hard", "Exrea Hard"}},
    {10, E::ValuePlusOne, K::OptionIndex, "OptionHeliMode", "helicopter mode", {"Constant RPM", "Normal"}},
    {11, E::ValuePlusOne, K::OptionIndex, "OpMotorPole", "motor poles", {"2-4", "6-10", "12-14"}},
    {12, E::ValuePlusOne, K::OptionIndex, "OpReverse", "reverse", {"ON", "OFF"}},
    {13,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboCurentLimit",
     "current limit",
     {"20A", "30A", "40A", "50A", "60A", "70A", "80A", "90A", "100A", "No Limit"}},
    {14, E::ValuePlusOne, K::ScrollValue, "HScrollTiming", "timing advance", {}},
    {15, E::ValuePlusOne, K::OptionIndex, "OptionFreqency", "frequency", {"8KHz", "16KHz", "32KHz"}},
    {16, E::ValuePlusOne, K::OptionIndex, "OpAcceleration", "acceleration", {"Soft", "Midium", "Hard"}},
    {17, E::ValuePlusOne, K::OptionIndex, "OptionBatType", "battery type", {"NiCd/NiMH ", "Li-ion/Poly "}},
    {18,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboPerCellNi",
     "cut-off per NiCd/NiMH cell",
     {"\u00d70.05", "0.4V", "0.5V", "0.6V", "0.7V", "0.8V", "0.9V", "1.0V"}},
    {19, E::CellCode, K::ListPosition, "ComboNoOfCell", "number of cells", {}},
    {20,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboPerCellLi",
     "cut-off per lithium cell",
     {"2.0V", "2.1V", "2.2V", "2.3V", "2.4V", "2.5V", "2.6V", "2.7V", "2.8V", "2.9V", "3.0V", "3.1V",
      "3.2V"}},
    {21, E::ValuePlusOne, K::OptionIndex, "OptionCutOffType", "cut-off type", {"Slow Down", "Hard"}},
    {22,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboIniPoint",
     "initial point",
     {"Automatic", "Fixed 1.0mS", "Fixed 1.1mS", "Fixed 1.2mS", "Fixed 1.3mS", "Fixed 1.4mS",
      "Fixed 1.5mS"}},
    {23,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboEndPoint",
     "end point",
     {"Automatic", "Fixed 1.7mS", "Fixed 1.8mS", "Fixed 1.9mS", "Fixed 2.0mS"}},
    {24,
     E::ValuePlusOne,
     K::OptionIndex,
     "OptionThr",
     "throttle curve",
     {"Logarithmical", "linear", "Exponetial"}},
    {25, E::ValuePlusOne, K::OptionIndex, "OptionRotation", "rotation", {"Left", "Right"}},
    {26, E::ValuePlusOne, K::OptionIndex, "OptionAbs", "ABS", {"ON", "OFF"}},
    {27, E::ValuePlusOne, K::ListPosition, "ComboPowerLimitF", "forward power limit", {"OFF", "75%", "50%", "25%"}},
    {28, E::ValuePlusOne, K::ListPosition, "ComboPowerLimitR", "reverse power limit", {"OFF", "75%", "50%", "25%"}},
    {29,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboDelay",
     "delay time",
     {"0.25 S", "0.50 S", "0.75 S", "1.0 S", "1.5 S", "2 S", "3 S", "5 S"}},
    {30,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboForPoint",
     "forward point",
     {"Automatic", "Fixed 1.7mS", "Fixed 1.8mS", "Fixed 1.9mS"}},
    {31,
     E::ValuePlusOne,
     K::ListPosition,
     "ComboRevPoint",
     "reverse point",
     {"Automatic", "Fixed 1.0mS", "Fixed 1.1mS", "Fixed 1.2mS", "Fixed 1.3mS"}},
    {32, E::NotSent, K::Unused, "", "unused", {}},
    {33, E::ValuePlusOne, K::OptionIndex, "OptionTimMon", "timing monitor", {"ON", "OFF"}},
    {34, E::NotSent, K::Unused, "", "unused", {}},
    {35, E::NotSent, K::Unused, "", "unused", {}},
    {36, E::NotSent, K::Unused, "", "unused", {}},
    {37, E::NotSent, K::Unused, "", "unused", {}},
    {38, E::NotSent, K::Unused, "", "unused", {}},
    {39, E::NotSent, K::Unused, "", "unused", {}},
    {40, E::NotSent, K::Unused, "", "unused", {}},
}};

}  // namespace

int SlotInfo::choiceCount() const {
    int count = 0;
    while (count < MaxChoices && !choices[count].empty()) {
        ++count;
    }
    return count;
}

const std::array<SlotInfo, SlotCount>& slotTable() { return Slots; }

const SlotInfo& slotInfo(int slot) { return Slots.at(slot); }

}  // namespace rotaline
